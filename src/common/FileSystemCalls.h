#pragma once

#include <sys/types.h>

namespace rivet {

// The system calls through which the tool reads and writes its files. Everything that opens,
// writes, syncs or renames a file goes through fileSystemCalls(), so a test can stand in front
// of them (UsingFileSystemCalls) and make a write fail as a full disk, a failing device or a
// refused file would: also when the tests run as root, whom permissions never stop.
class FileSystemCalls
{
public:
    virtual ~FileSystemCalls() = default;

    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void* data, size_t size);
    virtual int fsync(int fd);
    virtual int fchmod(int fd, mode_t mode);
    virtual int fchown(int fd, uid_t owner, gid_t group);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int link(const char* from, const char* to);
    virtual int unlink(const char* path);
};

// The calls in use: the system's own unless a test has put others in front.
FileSystemCalls& fileSystemCalls();

// Puts calls in front of the system's for as long as the object lives (tests). The calls are
// borrowed, not owned; nesting restores the previous ones.
class UsingFileSystemCalls
{
public:
    explicit UsingFileSystemCalls(FileSystemCalls& calls);
    ~UsingFileSystemCalls();
    UsingFileSystemCalls(const UsingFileSystemCalls&) = delete;
    UsingFileSystemCalls& operator=(const UsingFileSystemCalls&) = delete;

private:
    FileSystemCalls* m_previous;
};

} // namespace rivet
