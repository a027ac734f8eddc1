#pragma once

#include "desktop/FileAssociation.h"

#include <map>
#include <string>
#include <vector>

namespace rivet {

// The Linux stand-in for the shell's registry of file types. The default values are kept in
// an INI-style file of our own (dataHome/rivet-tool/registry.ini), and the ".asm" file type
// they describe is mirrored into the desktop's own records after every write: a
// shared-mime-info package, a desktop entry and the default application in mimeapps.list.
// What an installed package already provides system-wide is not written again for the
// player: an entry of the player's of the same name would hide the package's, and would
// break the menu once the program it names (a build tree, say) is gone.
// The desktop reads some of these records through caches that programs rebuild; which ones
// are due is left to the caller to run (cacheRefreshes), since they take a while.
class DesktopRegistry : public Registry
{
public:
    // A program that rebuilds one of the desktop's caches from the records in a folder.
    struct CacheRefresh
    {
        std::string program; // found through PATH; a desktop without it needs no refresh
        std::string folder;
        bool operator==(const CacheRefresh& other) const { return program == other.program && folder == other.folder; }
    };

    // The XDG base folders, each without a trailing "/".
    struct Folders
    {
        std::string dataHome; // $XDG_DATA_HOME, by default ~/.local/share
        std::string configHome; // $XDG_CONFIG_HOME, by default ~/.config
        // $XDG_DATA_DIRS, by default /usr/local/share and /usr/share: where an installed
        // package keeps its desktop entry and MIME package.
        std::vector<std::string> systemData;
        static Folders fromEnvironment();
    };

    explicit DesktopRegistry(Folders folders = Folders::fromEnvironment());

    void setDefaultValue(const std::string& key, const std::string& value) override;
    // The stored default value of a key; empty when the key has none.
    std::string defaultValue(const std::string& key) const;

    std::string registryFile() const;
    std::string mimePackageFile() const;
    std::string desktopEntryFile() const;
    std::string mimeappsFile() const;

    // The caches the records written so far need rebuilt, in the order to run them:
    // update-mime-database on the MIME folder after its package changed,
    // update-desktop-database on the applications folder after the desktop entry was
    // written (the registered applications of a type come from its mimeinfo.cache).
    const std::vector<CacheRefresh>& cacheRefreshes() const { return m_cacheRefreshes; }

private:
    using Values = std::map<std::string, std::string>;
    Values load() const;
    void save(const Values& values) const;
    void mirrorAsmFileType(const Values& values);
    void refreshLater(const std::string& program, const std::string& folder);
    bool systemHas(const std::string& relativePath, const std::string& text) const;
    bool systemEntryStarts(const std::string& program, const std::string& mimeType) const;

    Folders m_folders;
    std::vector<CacheRefresh> m_cacheRefreshes;
};

} // namespace rivet
