#pragma once

// What the bad-input suites share: ways to break a started data folder as each row of the
// catalogue's failure table describes, random and oversized files, and rivet-cli run in the
// test's process or as the real program.

#include "support/FaultyFiles.h"
#include "support/TempHome.h"

#include <functional>
#include <string>
#include <vector>

namespace rivet::test {

// One row of the catalogue's failure table, on a folder where the default files were written.
struct BrokenCatalogue
{
    std::string name;
    // The file or folder the break is in, relative to the home; repairing removes it, and the
    // next start writes the default again.
    std::string broken;
    // Breaks the folder; what it puts in front of the program's file calls stays until repair.
    std::function<void(const TempHome&)> breakIt;
    // The failure's message (the error box adds its full stop to its first line where one is
    // missing).
    std::function<std::string(const TempHome&)> message;
};

const std::vector<BrokenCatalogue>& brokenCatalogues();

// Removes what a row broke, so that the next start restores the default files.
void repair(const TempHome& home, const BrokenCatalogue& row);

// The bytes of a file, or "<folder>" / "<missing>" for what is not a plain file.
std::string contentOf(const std::string& path);

// Repeatable random bytes; text=true keeps to printable ASCII, half-width kana, line ends and
// the characters of the INI dialect and of comma text, so the result is Shift-JIS.
std::string randomBytes(unsigned seed, std::size_t size, bool text = false);

// A file just above the 16 MiB that the tool reads at most.
void writeOversizedFile(const std::string& path);

struct CliResult
{
    int code = 0;
    std::string out;
    std::string err;
};

// rivet-cli in this process.
CliResult runCli(const std::vector<std::string>& arguments);

// The real rivet-cli through the shell, stopped after timeoutSeconds; shellPrefix runs first
// (for ulimit and trap). code is the exit code, 124 when it was stopped, 128 + n when signal n
// ended it.
CliResult runProgram(const std::string& arguments, int timeoutSeconds = 60, const std::string& shellPrefix = {});

} // namespace rivet::test
