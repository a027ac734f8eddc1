#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rivet {

// One ".asm" file of a garage as the disk last showed it. Two looks at the same path with the
// same stamp see the same file, so it need not be read again; a save through a temporary
// file gives a new inode, an edit in place a new time or size.
struct GarageFile
{
    std::string path; // as found below the folder: the folder's path, then the file's
    std::string relativePath; // below the folder, "/"-separated: "対戦用/月光.asm"
    std::int64_t modifiedNs = 0; // last change, nanoseconds since 1970 (UTC)
    std::uint64_t size = 0;
    std::uint64_t inode = 0;
    std::uint64_t device = 0;

    bool sameStamp(const GarageFile& other) const
    {
        return modifiedNs == other.modifiedNs && size == other.size && inode == other.inode && device == other.device;
    }
};

// The order of the files as a file manager shows them: numbers by their value ("機体2"
// before "機体10"), ASCII letters in either case alike; names that still tie go by their bytes,
// so no two paths are equal.
bool inFileOrder(const std::string& a, const std::string& b);

// Every file below the folder, its subfolders included, whose name ends in ".asm" (in any
// case, as the desktop the files come from never told cases apart), in file order.
// A folder that cannot be read is passed over; links to folders are not followed, so a link
// back up the tree cannot loop. Fails with "フォルダ %s が見つかりません" when the folder itself
// is not there. The folders looked into go to `folders` when given: "" for the folder itself,
// then each subfolder as "対戦用/", "対戦用/重量級/", in file order.
std::vector<GarageFile> scanGarage(const std::string& folder, std::vector<std::string>* folders = nullptr);

// What changed between two scans, each in file order: the files that appeared,
// the files whose stamp differs (to be read again), the files that went.
struct GarageChanges
{
    std::vector<GarageFile> added;
    std::vector<GarageFile> changed;
    std::vector<std::string> removed; // relative paths

    bool empty() const { return added.empty() && changed.empty() && removed.empty(); }
};
GarageChanges compareScans(const std::vector<GarageFile>& before, const std::vector<GarageFile>& now);

// A file's last change as ISO 8601 in UTC, to the second: "2024-05-01T12:34:56Z".
std::string utcTimestamp(std::int64_t modifiedNs);

// The message of a garage folder that is not there.
std::string missingFolderMessage(const std::string& folder);

} // namespace rivet
