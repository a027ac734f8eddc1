#include "garage/GarageFiles.h"

#include "common/ErrorText.h"
#include "common/Failure.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <string_view>

namespace rivet {

namespace {

namespace fs = std::filesystem;

bool isAssemblyName(const std::string& name)
{
    static const std::string extension = ".asm";
    if (name.size() <= extension.size()) {
        return false;
    }
    return std::equal(extension.begin(), extension.end(), name.end() - static_cast<long>(extension.size()),
                      [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b); });
}

// The files of one folder (its path ending in "/", `relative` below the garage), then of its
// subfolders. A folder that cannot be read, or that goes while it is read, gives what could
// be read of it and spoils nothing else. Each file is looked at beside its folder's handle,
// which spares the system the walk down the whole path for ten thousand files.
void scanFolder(const std::string& folder, const std::string& relative, std::vector<GarageFile>& files,
                std::vector<std::string>* folders)
{
    DIR* listing = ::opendir(folder.c_str());
    if (!listing) {
        return;
    }
    const int handle = ::dirfd(listing);
    std::vector<std::string> subfolders;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        struct stat info
        {
        };
        // Links to folders are not followed: a link back up the tree would never end.
        bool folderHere = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            folderHere = ::fstatat(handle, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode);
        }
        if (folderHere) {
            subfolders.push_back(name);
            continue;
        }
        // stat follows a link to a file; what is not a plain file (a pipe, a link to a
        // folder named "x.asm") is no machine, and a file gone since the listing is not there.
        if (!isAssemblyName(name) || ::fstatat(handle, entry->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode)) {
            continue;
        }
        GarageFile file;
        file.path = folder + name;
        file.relativePath = relative + name;
        file.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        file.size = static_cast<std::uint64_t>(info.st_size);
        file.inode = static_cast<std::uint64_t>(info.st_ino);
        file.device = static_cast<std::uint64_t>(info.st_dev);
        files.push_back(std::move(file));
    }
    ::closedir(listing);
    for (const std::string& subfolder : subfolders) {
        if (folders) {
            folders->push_back(relative + subfolder + "/");
        }
        scanFolder(folder + subfolder + "/", relative + subfolder + "/", files, folders);
    }
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

char folded(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// <0, 0 or >0 as a comes before, ties with or comes after b: runs of digits by their value,
// other characters one by one with ASCII letters folded.
int naturalCompare(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const auto run = [](std::string_view text, std::size_t& at) {
                while (at < text.size() && text[at] == '0') {
                    ++at;
                }
                const std::size_t start = at;
                while (at < text.size() && isDigit(text[at])) {
                    ++at;
                }
                return text.substr(start, at - start);
            };
            const std::string_view x = run(a, i);
            const std::string_view y = run(b, j);
            if (x.size() != y.size()) {
                return x.size() < y.size() ? -1 : 1;
            }
            if (const int order = x.compare(y)) {
                return order;
            }
            continue;
        }
        const auto x = static_cast<unsigned char>(folded(a[i++]));
        const auto y = static_cast<unsigned char>(folded(b[j++]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return (i < a.size()) - (j < b.size());
}

} // namespace

bool inFileOrder(const std::string& a, const std::string& b)
{
    const int order = naturalCompare(a, b);
    return order != 0 ? order < 0 : a < b;
}

std::string utcTimestamp(std::int64_t modifiedNs)
{
    // Whole seconds, rounded down also before 1970.
    std::int64_t seconds = modifiedNs / 1000000000;
    if (modifiedNs % 1000000000 < 0) {
        --seconds;
    }
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm utc {};
    ::gmtime_r(&time, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string missingFolderMessage(const std::string& folder)
{
    return formatText("フォルダ %s が見つかりません", folder.c_str());
}

std::vector<GarageFile> scanGarage(const std::string& folder, std::vector<std::string>* folders)
{
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        throw Failure(missingFolderMessage(folder));
    }
    std::vector<GarageFile> files;
    if (folders) {
        *folders = {""};
    }
    scanFolder(folder.back() == '/' ? folder : folder + "/", "", files, folders);
    if (folders) {
        std::sort(folders->begin(), folders->end(), inFileOrder);
    }
    std::sort(files.begin(), files.end(),
              [](const GarageFile& a, const GarageFile& b) { return inFileOrder(a.relativePath, b.relativePath); });
    return files;
}

GarageChanges compareScans(const std::vector<GarageFile>& before, const std::vector<GarageFile>& now)
{
    GarageChanges changes;
    auto old = before.begin();
    auto current = now.begin();
    while (old != before.end() || current != now.end()) {
        if (current == now.end() || (old != before.end() && inFileOrder(old->relativePath, current->relativePath))) {
            changes.removed.push_back((old++)->relativePath);
        } else if (old == before.end() || inFileOrder(current->relativePath, old->relativePath)) {
            changes.added.push_back(*current++);
        } else {
            if (!old->sameStamp(*current)) {
                changes.changed.push_back(*current);
            }
            ++old;
            ++current;
        }
    }
    return changes;
}

} // namespace rivet
