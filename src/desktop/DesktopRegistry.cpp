#include "desktop/DesktopRegistry.h"

#include "common/AtomicFile.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/HomeFolder.h"
#include "common/TextFile.h"
#include "desktop/DesktopFileType.h"

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

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

// The folders of a colon-separated list such as $XDG_DATA_DIRS; relative ones are ignored.
std::vector<std::string> folderList(const std::string& list)
{
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        std::string folder = list.substr(start, end - start);
        while (folder.size() > 1 && folder.back() == '/') {
            folder.pop_back();
        }
        if (!folder.empty() && folder.front() == '/') {
            folders.push_back(folder);
        }
        start = end + 1;
    }
    return folders;
}

// The program a desktop entry's Exec names, found as the desktop finds it: through PATH when
// it is a bare name.
std::string programFile(const std::string& program)
{
    if (program.find('/') != std::string::npos) {
        return program;
    }
    for (const std::string& folder : folderList(environmentValue("PATH"))) {
        const std::string path = folder + "/" + program;
        if (::access(path.c_str(), X_OK) == 0) {
            return path;
        }
    }
    return {};
}

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat first
    {
    };
    struct stat second
    {
    };
    return !a.empty() && !b.empty() && ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0
        && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace

DesktopRegistry::Folders DesktopRegistry::Folders::fromEnvironment()
{
    const std::string systemData = environmentValue("XDG_DATA_DIRS");
    return {baseFolder("XDG_DATA_HOME", ".local/share"), baseFolder("XDG_CONFIG_HOME", ".config"),
            folderList(systemData.empty() ? "/usr/local/share:/usr/share" : systemData)};
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
    if (systemHas("mime/packages/rivet-tool-asm.xml", package)) {
        // Ours, from before the package was installed or from a step of this registration.
        if (std::filesystem::remove(mimePackageFile())) {
            refreshLater("update-mime-database", m_folders.dataHome + "/mime");
        }
    } else if (readIfPresent(mimePackageFile()) != package) {
        writeFile(mimePackageFile(), package);
        refreshLater("update-mime-database", m_folders.dataHome + "/mime");
    }

    const std::string command = value(fileType + "\\shell\\open\\command");
    if (command.empty()) {
        return;
    }
    const std::string program = desktop::programOfOpenCommand(command);
    if (!systemEntryStarts(program, mimeType)) {
        writeFile(desktopEntryFile(), desktop::desktopEntryText(program, mimeType));
        refreshLater("update-desktop-database", m_folders.dataHome + "/applications");
    } else if (desktop::isEntryWrittenForMimeType(readIfPresent(desktopEntryFile()), mimeType)) {
        // An entry of ours from an earlier registration would go on hiding the package's.
        std::filesystem::remove(desktopEntryFile());
        refreshLater("update-desktop-database", m_folders.dataHome + "/applications");
    }
    writeFile(mimeappsFile(),
              desktop::withDefaultApplication(readIfPresent(mimeappsFile()), mimeType, desktop::kDesktopEntryName));
}

bool DesktopRegistry::systemHas(const std::string& relativePath, const std::string& text) const
{
    for (const std::string& folder : m_folders.systemData) {
        if (readIfPresent(folder + "/" + relativePath) == text) {
            return true;
        }
    }
    return false;
}

bool DesktopRegistry::systemEntryStarts(const std::string& program, const std::string& mimeType) const
{
    for (const std::string& folder : m_folders.systemData) {
        const std::string entry = readIfPresent(folder + "/applications/" + desktop::kDesktopEntryName);
        if (desktop::isEntryWrittenForMimeType(entry, mimeType)
            && sameFile(programFile(desktop::execProgramOf(entry)), program)) {
            return true;
        }
    }
    return false;
}

} // namespace rivet
