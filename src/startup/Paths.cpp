#include "startup/Paths.h"

#include "common/ErrorText.h"
#include "common/Failure.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace rivet {

namespace {

std::string withSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::string userDataFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::string base
        = dataHome && *dataHome ? withSlash(dataHome) : withSlash(home && *home ? home : "/tmp") + ".local/share/";
    // Create the chain of folders; the start-up reports it if the last one still is missing.
    for (std::size_t at = base.find('/', 1); at != std::string::npos; at = base.find('/', at + 1)) {
        ::mkdir(base.substr(0, at).c_str(), 0755);
    }
    const std::string folder = base + "rivet-tool/";
    ::mkdir(folder.c_str(), 0755);
    return folder;
}

} // namespace

Paths Paths::forExecutable(const std::string& executablePath)
{
    const char* home = std::getenv("RIVET_HOME");
    if (home && *home) {
        return inFolder(home);
    }
    const std::size_t slash = executablePath.find_last_of('/');
    const std::string exeDir = slash == std::string::npos ? std::string("./") : executablePath.substr(0, slash + 1);
    // An installed program's folder (/usr/local/bin) is not the player's to write in: the
    // data, the garage and the settings then live in the player's data folder.
    if (::access(exeDir.c_str(), W_OK) != 0) {
        return inFolder(userDataFolder());
    }
    return inFolder(exeDir);
}

Paths Paths::inFolder(const std::string& folder)
{
    Paths paths;
    paths.exeDir = withSlash(folder);
    paths.garageDir = paths.exeDir + "Garage/";
    paths.dataDir = paths.exeDir + "data/";
    paths.settingsFile = paths.exeDir + "rivet.ini";
    return paths;
}

std::string Paths::executablePath()
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) {
        return "./rivet";
    }
    return std::string(buffer, static_cast<std::size_t>(length));
}

} // namespace rivet
