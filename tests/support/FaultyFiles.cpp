#include "support/FaultyFiles.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace rivet::test {

FaultyFiles::FaultyFiles(Step step, int error, std::string pathPart)
    : m_step(step)
    , m_error(error)
    , m_pathPart(std::move(pathPart))
{
}

bool FaultyFiles::hits(Step step, const std::string& path) const
{
    return step == m_step && path.find(m_pathPart) != std::string::npos;
}

int FaultyFiles::fail()
{
    ++failures;
    errno = m_error;
    return -1;
}

int FaultyFiles::open(const char* path, int flags, mode_t mode)
{
    if (hits(Step::Open, path)) {
        return fail();
    }
    const int fd = FileSystemCalls::open(path, flags, mode);
    if (fd >= 0 && (flags & O_DIRECTORY) != 0) {
        m_folders.insert(fd);
    } else if (fd >= 0 && std::string(path).find(m_pathPart) != std::string::npos) {
        m_matching.insert(fd);
    }
    return fd;
}

ssize_t FaultyFiles::write(int fd, const void* data, size_t size)
{
    if (m_step == Step::Write && m_matching.count(fd) != 0) {
        if (m_written >= bytesLetThrough) {
            return fail();
        }
        size = std::min(size, bytesLetThrough - m_written);
    }
    const ssize_t done = FileSystemCalls::write(fd, data, size);
    if (done > 0) {
        m_written += static_cast<std::size_t>(done);
    }
    return done;
}

int FaultyFiles::fsync(int fd)
{
    const bool folder = m_folders.count(fd) != 0;
    if ((m_step == Step::FolderSync && folder) || (m_step == Step::Sync && !folder && m_matching.count(fd) != 0)) {
        return fail();
    }
    return FileSystemCalls::fsync(fd);
}

int FaultyFiles::fchmod(int fd, mode_t mode)
{
    if (m_step == Step::Mode && m_matching.count(fd) != 0) {
        return fail();
    }
    return FileSystemCalls::fchmod(fd, mode);
}

int FaultyFiles::close(int fd)
{
    const bool matching = m_matching.erase(fd) != 0;
    m_folders.erase(fd);
    const int result = FileSystemCalls::close(fd);
    if (m_step == Step::Close && matching) {
        return fail();
    }
    return result;
}

int FaultyFiles::rename(const char* from, const char* to)
{
    if (hits(Step::KillBeforeRename, to)) {
        ::kill(::getpid(), SIGKILL);
    }
    if (hits(Step::Rename, to)) {
        return fail();
    }
    return FileSystemCalls::rename(from, to);
}

int FaultyFiles::link(const char* from, const char* to)
{
    if (hits(Step::KillBeforeRename, to)) {
        ::kill(::getpid(), SIGKILL);
    }
    if (hits(Step::Link, to)) {
        return fail();
    }
    return FileSystemCalls::link(from, to);
}

std::vector<std::string> leftoverTemporaries(const std::string& folder)
{
    std::vector<std::string> found;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(".rivet-", 0) == 0) {
            found.push_back(name);
        }
    }
    return found;
}

int signalOfChild(const std::function<void()>& action)
{
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            action();
        } catch (...) {
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

} // namespace rivet::test
