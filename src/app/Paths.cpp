#include "app/Paths.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/IniFile.h"

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

// A system's folder of programs, also inside an unpacked package's root: whoever can write
// there (root, sudo) does not keep a planner's files among the programs.
bool isProgramsFolder(const std::string& folder)
{
    for (const std::string ending : {"/usr/bin/", "/usr/local/bin/", "/usr/games/", "/usr/local/games/"}) {
        if (folder.size() >= ending.size()
            && folder.compare(folder.size() - ending.size(), ending.size(), ending) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

Paths Paths::forExecutable(const std::string& executablePath)
{
    Paths paths;
    const char* home = std::getenv("RIVET_HOME");
    if (home && *home) {
        paths.exeDir = withSlash(home);
    } else {
        const std::size_t slash = executablePath.find_last_of('/');
        paths.exeDir = slash == std::string::npos ? std::string("./") : executablePath.substr(0, slash + 1);
        // An installed program's folder (/usr/local/bin) is not the player's to write in:
        // the data, the garage and the settings then live in the player's data folder.
        if (isProgramsFolder(paths.exeDir) || ::access(paths.exeDir.c_str(), W_OK) != 0) {
            paths.exeDir = userDataFolder();
        }
    }
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

bool readLongList(const std::string& settingsFile)
{
    try {
        return IniFile::load(settingsFile).readInteger("common", "longlist", 1) != 0;
    } catch (const Failure&) {
        return true; // an unreadable settings file gives the default without a message
    }
}

void writeLongList(const std::string& settingsFile, bool longList)
{
    IniFile ini;
    try {
        ini = IniFile::load(settingsFile);
    } catch (const Failure&) {
        throw Failure(cannotWriteMessage(settingsFile));
    }
    ini.writeString("common", "longlist", longList ? "1" : "0");
    ini.save(settingsFile);
}

} // namespace rivet
