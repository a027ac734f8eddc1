#include "startup/Paths.h"

#include "common/Failure.h"
#include "common/HomeFolder.h"

#include <climits>
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
    const std::string home = environmentValue("HOME");
    const std::string base
        = playerDataFolder(environmentValue("XDG_DATA_HOME"), home, home.empty() ? accountHomeFolder() : "");
    // Create the chain of folders; the start-up reports it if the last one still is missing.
    for (std::size_t at = base.find('/', 1); at != std::string::npos; at = base.find('/', at + 1)) {
        ::mkdir(base.substr(0, at).c_str(), 0755);
    }
    return base;
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
    if (const std::string home = environmentValue("RIVET_HOME"); !home.empty()) {
        Paths paths = inFolder(home);
        paths.fromRivetHome = true;
        return paths;
    }
    const std::size_t slash = executablePath.find_last_of('/');
    const std::string exeDir = slash == std::string::npos ? std::string("./") : executablePath.substr(0, slash + 1);
    // An installed program's folder (/usr/local/bin) is not the player's to write in: the
    // data, the garage and the settings then live in the player's data folder.
    if (isProgramsFolder(exeDir) || ::access(exeDir.c_str(), W_OK) != 0) {
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

std::string playerDataFolder(const std::string& xdgDataHome, const std::string& home, const std::string& accountHome)
{
    // A relative data home is no place of the player's: it would follow the current folder.
    if (!xdgDataHome.empty() && xdgDataHome.front() == '/') {
        return withSlash(xdgDataHome) + "rivet-tool/";
    }
    const std::string& homeFolder = home.empty() ? accountHome : home;
    if (homeFolder.empty()) {
        // Never a folder every user shares, such as one under /tmp.
        throw Failure(kNoHomeFolderMessage);
    }
    return withSlash(homeFolder) + ".local/share/rivet-tool/";
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
