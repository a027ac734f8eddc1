#pragma once

#include <string>

namespace rivet {

// The folders the tool works in. exeDir is the program's folder, or RIVET_HOME when that
// environment variable is set (for both programs and all tests); every folder ends in "/".
// An installed program whose folder the player cannot write in works in
// $XDG_DATA_HOME/rivet-tool/ (~/.local/share/rivet-tool/) instead.
struct Paths
{
    std::string exeDir;
    std::string garageDir; // exeDir + "Garage/": where assemblies are saved by default
    std::string dataDir; // exeDir + "data/": catalogue files and templates
    std::string settingsFile; // exeDir + "rivet.ini", shared by the window and the companion

    static Paths forExecutable(const std::string& executablePath);
    // The folders of a tool working in that folder (the benchmarks' and tests' homes).
    static Paths inFolder(const std::string& folder);
    // The running program's own path.
    static std::string executablePath();
};

} // namespace rivet
