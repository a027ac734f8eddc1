#pragma once

#include <string>

namespace rivet {

// The folders the tool works in. exeDir is the program's folder, or RIVET_HOME when that
// environment variable is set (for both programs and all tests); every folder ends in "/".
// An installed program (in a system's folder of programs, or in one the player cannot write
// in) works in playerDataFolder() instead (~/.local/share/rivet-tool/).
struct Paths
{
    std::string exeDir;
    std::string garageDir; // exeDir + "Garage/": where assemblies are saved by default
    std::string dataDir; // exeDir + "data/": catalogue files and templates
    std::string settingsFile; // exeDir + "rivet.ini", shared by the window and the companion
    bool fromRivetHome = false; // exeDir is what RIVET_HOME names, so a message names it too

    static Paths forExecutable(const std::string& executablePath);
    // The folders of a tool working in that folder (the benchmarks' and tests' homes).
    static Paths inFolder(const std::string& folder);
    // The running program's own path.
    static std::string executablePath();
};

// The folder an installed program keeps its files in: $XDG_DATA_HOME/rivet-tool/ when that
// is an absolute path, else <home>/.local/share/rivet-tool/ with the home folder from $HOME or,
// without it, the account's home folder from the password database (empty texts stand for
// what is not set). Fails with "ホームフォルダが見つかりません" when there is no home folder.
std::string playerDataFolder(const std::string& xdgDataHome, const std::string& home, const std::string& accountHome);
inline constexpr const char* kNoHomeFolderMessage = "ホームフォルダが見つかりません";

} // namespace rivet
