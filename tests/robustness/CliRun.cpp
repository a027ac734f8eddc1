#include "robustness/BadInput.h"

#include "TestPaths.h"
#include "cli/Command.h"
#include "support/Bytes.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace rivet::test {

CliResult runCli(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = rivet::cli::run(arguments, out, err);
    return {code, out.str(), err.str()};
}

CliResult runProgram(const std::string& arguments, int timeoutSeconds, const std::string& shellPrefix)
{
    // stderr comes through the pipe (a file size limit does not apply to pipes), stdout goes
    // to a file.
    const std::string outFile = fs::temp_directory_path().string() + "/rivet-cli-out-" + std::to_string(::getpid());
    const std::string command = shellPrefix + (shellPrefix.empty() ? "" : "; ") + "exec timeout "
        + std::to_string(timeoutSeconds) + " " + RIVET_BIN_DIR + "rivet-cli " + arguments + " 2>&1 >" + outFile;
    FILE* pipe = ::popen(("/bin/sh -c '" + command + "'").c_str(), "r");
    CliResult result;
    std::array<char, 4096> buffer {};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        result.err.append(buffer.data(), got);
    }
    const int status = ::pclose(pipe);
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = readBytes(outFile);
    fs::remove(outFile);
    return result;
}

} // namespace rivet::test
