#pragma once

#include "desktop/FileAssociation.h"

#include <map>
#include <string>

namespace rivet {

// The Linux stand-in for the shell's registry of file types. The default values are kept in
// an INI-style file of our own (dataHome/rivet-tool/registry.ini), and the ".asm" file type
// they describe is mirrored into the desktop's own records after every write: a
// shared-mime-info package, a desktop entry and the default application in mimeapps.list.
class DesktopRegistry : public Registry
{
public:
    // The XDG base folders, each without a trailing "/".
    struct Folders
    {
        std::string dataHome; // $XDG_DATA_HOME, by default ~/.local/share
        std::string configHome; // $XDG_CONFIG_HOME, by default ~/.config
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

private:
    using Values = std::map<std::string, std::string>;
    Values load() const;
    void save(const Values& values) const;
    void mirrorAsmFileType(const Values& values) const;

    Folders m_folders;
};

} // namespace rivet
