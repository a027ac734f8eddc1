#include "common/FileSystemCalls.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rivet {

namespace {

FileSystemCalls& systemCalls()
{
    static FileSystemCalls calls;
    return calls;
}

FileSystemCalls* g_current = nullptr;

} // namespace

int FileSystemCalls::open(const char* path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

ssize_t FileSystemCalls::write(int fd, const void* data, size_t size)
{
    return ::write(fd, data, size);
}

int FileSystemCalls::fsync(int fd)
{
    return ::fsync(fd);
}

int FileSystemCalls::fchmod(int fd, mode_t mode)
{
    return ::fchmod(fd, mode);
}

int FileSystemCalls::fchown(int fd, uid_t owner, gid_t group)
{
    return ::fchown(fd, owner, group);
}

int FileSystemCalls::close(int fd)
{
    return ::close(fd);
}

int FileSystemCalls::rename(const char* from, const char* to)
{
    return std::rename(from, to);
}

int FileSystemCalls::link(const char* from, const char* to)
{
    return ::link(from, to);
}

int FileSystemCalls::unlink(const char* path)
{
    return ::unlink(path);
}

FileSystemCalls& fileSystemCalls()
{
    return g_current ? *g_current : systemCalls();
}

UsingFileSystemCalls::UsingFileSystemCalls(FileSystemCalls& calls)
    : m_previous(g_current)
{
    g_current = &calls;
}

UsingFileSystemCalls::~UsingFileSystemCalls()
{
    g_current = m_previous;
}

} // namespace rivet
