#pragma once

#include "common/FileSystemCalls.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace rivet::test {

// Stands in front of the program's file calls while it lives and makes one step fail the way
// a full disk, a failing device, a refused file or a kill would: for root as well, whom
// permissions never stop. Modelled on a device that fails after so many bytes.
class FaultyFiles : public FileSystemCalls
{
public:
    enum class Step {
        Open, // opening a file (also for reading)
        Write, // after bytesLetThrough bytes
        Sync, // syncing the written file
        FolderSync, // syncing the folder after the rename
        Mode, // setting the mode of a replacing file
        Close,
        Rename,
        Link,
        KillBeforeRename, // the program is killed (SIGKILL) with the temporary written
    };

    // Fails the step with error on every path holding pathPart (all paths when empty).
    FaultyFiles(Step step, int error, std::string pathPart = {});

    std::size_t bytesLetThrough = 0;
    int failures = 0; // how many calls failed so far

    int open(const char* path, int flags, mode_t mode) override;
    ssize_t write(int fd, const void* data, size_t size) override;
    int fsync(int fd) override;
    int fchmod(int fd, mode_t mode) override;
    int close(int fd) override;
    int rename(const char* from, const char* to) override;
    int link(const char* from, const char* to) override;

private:
    bool hits(Step step, const std::string& path) const;
    int fail();

    Step m_step;
    int m_error;
    std::string m_pathPart;
    std::set<int> m_folders; // descriptors of folders, whose sync is the folder sync
    std::set<int> m_matching; // descriptors of files whose path holds pathPart
    std::size_t m_written = 0;
    UsingFileSystemCalls m_using {*this};
};

// The temporary files a write left in folder (they are renamed over the target when done).
std::vector<std::string> leftoverTemporaries(const std::string& folder);

// Runs action in a child process and returns how the child ended: the signal that killed it,
// or 0 when it returned. For steps that kill the program.
int signalOfChild(const std::function<void()>& action);

} // namespace rivet::test
