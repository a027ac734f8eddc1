#include "desktop/DesktopRegistry.h"

#include "common/AtomicFile.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/HomeFolder.h"
#include "common/TextFile.h"
#include "desktop/DesktopFileType.h"

#include <algorithm>
#include <filesystem>

namespace rivet {

namespace {

const char* const kValueName = "@="; // the default (unnamed) value of a key

std::string homeFolder()
{
    std::string home = environmentValue("HOME");
    if (home.empty()) {
        home = accountHomeFolder();
    }
    return home.empty() ? std::string(".") : home;
}

// An XDG base folder: the variable when it holds an absolute path (relative ones are to be
// ignored), otherwise the home folder with the fallback below it.
std::string baseFolder(const char* variable, const char* fallback)
{
    if (std::string folder = environmentValue(variable); !folder.empty() && folder.front() == '/') {
        while (folder.size() > 1 && folder.back() == '/') {
            folder.pop_back();
        }
        return folder;
    }
    return homeFolder() + "/" + fallback;
}

// Values are stored one per line: line breaks and backslashes are escaped.
std::string escaped(const std::string& value)
{
    std::string text;
    for (char c : value) {
        if (c == '\\') {
            text += "\\\\";
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '\r') {
            text += "\\r";
        } else {
            text += c;
        }
    }
    return text;
}

std::string unescaped(const std::string& text)
{
    std::string value;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            value += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            value += text[i];
        }
    }
    return value;
}

std::string readIfPresent(const std::string& path)
{
    return fileExists(path) ? readFileBytes(path) : std::string();
}

void writeFile(const std::string& path, const std::string& text)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    // The fixed message names nothing: the file and the reason follow it.
    writeFileAtomically(path, text, withDetail(registryFailureMessage(), cannotWriteMessage(path)));
}

} // namespace

DesktopRegistry::Folders DesktopRegistry::Folders::fromEnvironment()
{
    return {baseFolder("XDG_DATA_HOME", ".local/share"), baseFolder("XDG_CONFIG_HOME", ".config")};
}

DesktopRegistry::DesktopRegistry(Folders folders)
    : m_folders(std::move(folders))
{
}

std::string DesktopRegistry::registryFile() const
{
    return m_folders.dataHome + "/rivet-tool/registry.ini";
}

std::string DesktopRegistry::mimePackageFile() const
{
    return m_folders.dataHome + "/mime/packages/rivet-tool-asm.xml";
}

std::string DesktopRegistry::desktopEntryFile() const
{
    return m_folders.dataHome + "/applications/" + desktop::kDesktopEntryName;
}

std::string DesktopRegistry::mimeappsFile() const
{
    return m_folders.configHome + "/mimeapps.list";
}

void DesktopRegistry::setDefaultValue(const std::string& key, const std::string& value)
{
    try {
        Values values = load();
        values[key] = value;
        save(values);
        mirrorAsmFileType(values);
    } catch (const Failure& failure) {
        const std::string message = failure.what();
        throw Failure(message.rfind(registryFailureMessage(), 0) == 0 ? message
                                                                      : withDetail(registryFailureMessage(), message));
    } catch (const std::filesystem::filesystem_error& error) {
        throw Failure(withDetail(registryFailureMessage(),
                                 formatText("フォルダ %s を作成できません: %s", error.path1().c_str(),
                                            ioReason(error.code().value()).c_str())));
    }
}

std::string DesktopRegistry::defaultValue(const std::string& key) const
{
    const Values values = load();
    const auto found = values.find(key);
    return found == values.end() ? std::string() : found->second;
}

DesktopRegistry::Values DesktopRegistry::load() const
{
    Values values;
    std::string key;
    forEachTextLine(readIfPresent(registryFile()), [&](std::string_view line, std::size_t) {
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            key = line.substr(1, line.size() - 2);
        } else if (!key.empty() && line.substr(0, 2) == kValueName) {
            values[key] = unescaped(std::string(line.substr(2)));
        }
    });
    return values;
}

void DesktopRegistry::save(const Values& values) const
{
    std::string text = "; Default values of the file-type keys registered by Rivet Tool\n";
    for (const auto& [key, value] : values) {
        text += "[" + key + "]\n" + kValueName + escaped(value) + "\n";
    }
    writeFile(registryFile(), text);
}

void DesktopRegistry::refreshLater(const std::string& program, const std::string& folder)
{
    const CacheRefresh refresh {program, folder};
    if (std::find(m_cacheRefreshes.begin(), m_cacheRefreshes.end(), refresh) == m_cacheRefreshes.end()) {
        m_cacheRefreshes.push_back(refresh);
    }
}

void DesktopRegistry::mirrorAsmFileType(const Values& values)
{
    const auto value = [&values](const std::string& key) {
        const auto found = values.find(key);
        return found == values.end() ? std::string() : found->second;
    };
    const std::string fileType = value(kAsmExtensionKey);
    if (fileType.empty()) {
        return;
    }
    const std::string extension = std::string(kAsmExtensionKey).substr(1);
    const std::string mimeType = desktop::mimeTypeFor(fileType, extension);
    const std::string description = value(fileType).empty() ? fileType : value(fileType);
    const std::string package = desktop::mimePackageText(mimeType, extension, description);
    if (readIfPresent(mimePackageFile()) != package) {
        writeFile(mimePackageFile(), package);
        refreshLater("update-mime-database", m_folders.dataHome + "/mime");
    }

    const std::string command = value(fileType + "\\shell\\open\\command");
    if (command.empty()) {
        return;
    }
    writeFile(desktopEntryFile(), desktop::desktopEntryText(desktop::programOfOpenCommand(command), mimeType));
    refreshLater("update-desktop-database", m_folders.dataHome + "/applications");
    writeFile(mimeappsFile(),
              desktop::withDefaultApplication(readIfPresent(mimeappsFile()), mimeType, desktop::kDesktopEntryName));
}

} // namespace rivet
