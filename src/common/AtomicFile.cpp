#include "common/AtomicFile.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/FileSystemCalls.h"
#include "common/TextFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rivet {

namespace {

constexpr const char* kTemporaryPrefix = ".rivet-";
constexpr int kMaxLinkHops = 40;
// An unlocked temporary this old is left over whatever its name says: no write takes an hour.
constexpr std::time_t kStaleSeconds = 3600;

[[noreturn]] void failWith(const std::string& message, int error)
{
    throw Failure(withDetail(message, ioReason(error)));
}

std::string folderOrCurrent(const std::string& folder)
{
    return folder.empty() ? std::string(".") : folder;
}

// The file a path names once its symbolic links are followed, link after link, the way
// open() would follow them; a dangling link gives the path it points to.
std::string followLinks(std::string path, const std::string& failureMessage)
{
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info
        {
        };
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), buffer, sizeof buffer);
        if (length <= 0 || length >= static_cast<ssize_t>(sizeof buffer)) {
            failWith(failureMessage, length < 0 ? errno : ENAMETOOLONG);
        }
        const std::string target(buffer, static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : folderOf(path) + target;
    }
    failWith(failureMessage, ELOOP);
}

bool isTemporaryCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::string randomSuffix()
{
    static const char kCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937_64 generator(std::random_device {}() ^ static_cast<std::mt19937_64::result_type>(::getpid()));
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kCharacters - 2);
    std::string suffix(6, 'x');
    for (char& c : suffix) {
        c = kCharacters[pick(generator)];
    }
    return suffix;
}

// A new temporary file in folder, locked for as long as it is open; -1 with errno on failure.
int createTemporary(const std::string& folder, std::string& name)
{
    const std::string stem = folder + kTemporaryPrefix + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + randomSuffix();
        // The mode the umask leaves is the one a new file keeps; a replaced file's mode is
        // set later.
        const int fd = fileSystemCalls().open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX);
            return fd;
        }
        if (errno != EEXIST) {
            return -1;
        }
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t done = fileSystemCalls().write(fd, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR) {
            continue;
        }
        if (done <= 0) {
            if (done == 0) {
                errno = EIO;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

// Writes, syncs and closes the temporary; 0 when done, else the error number. The temporary
// is removed on failure.
int fillTemporary(int fd, const std::string& name, std::string_view bytes)
{
    FileSystemCalls& calls = fileSystemCalls();
    int error = 0;
    if (!writeAll(fd, bytes) || calls.fsync(fd) != 0) {
        error = errno;
    }
    if (calls.close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        calls.unlink(name.c_str());
    }
    return error;
}

// Makes a rename in folder last: 0 when done, else the error number. A file system that
// cannot sync folders has nothing to make last.
int syncFolder(const std::string& folder)
{
    FileSystemCalls& calls = fileSystemCalls();
    const int fd = calls.open(folderOrCurrent(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) {
        return errno;
    }
    int error = calls.fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    calls.close(fd);
    return error;
}

// Gives the temporary the replaced file's owner, group and mode. Owner and group are kept
// where the system lets this user give them; a mode that cannot be set is a failure, since
// the file would otherwise end up readable by others or by nobody it was meant for.
int keepOwnerAndMode(int fd, const struct stat& old)
{
    FileSystemCalls& calls = fileSystemCalls();
    struct stat now
    {
    };
    if (::fstat(fd, &now) == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid)) {
        if (calls.fchown(fd, old.st_uid, old.st_gid) != 0) {
            calls.fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
    }
    // After fchown, which clears the set-user and set-group bits.
    return calls.fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

enum class TemporaryKind {
    None,
    Ours, // ".rivet-<pid>-XXXXXX"
    Earlier, // ".rivet-XXXXXX" of versions before the process was in the name
};

TemporaryKind temporaryKind(std::string_view name, pid_t& pid)
{
    const std::string_view prefix = kTemporaryPrefix;
    if (name.substr(0, prefix.size()) != prefix) {
        return TemporaryKind::None;
    }
    name.remove_prefix(prefix.size());
    auto isSuffix = [](std::string_view text) {
        if (text.size() != 6) {
            return false;
        }
        for (char c : text) {
            if (!isTemporaryCharacter(c)) {
                return false;
            }
        }
        return true;
    };
    if (isSuffix(name)) {
        return TemporaryKind::Earlier;
    }
    const std::size_t dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9 || !isSuffix(name.substr(dash + 1))) {
        return TemporaryKind::None;
    }
    long long number = 0;
    for (char c : name.substr(0, dash)) {
        if (c < '0' || c > '9') {
            return TemporaryKind::None;
        }
        number = number * 10 + (c - '0');
    }
    pid = static_cast<pid_t>(number);
    return TemporaryKind::Ours;
}

bool processIsAlive(pid_t pid)
{
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

} // namespace

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void writeFileAtomically(const std::string& path, std::string_view bytes, const std::string& failureMessage)
{
    const std::string target = followLinks(path, failureMessage);
    struct stat old
    {
    };
    const bool replacing = ::lstat(target.c_str(), &old) == 0;
    if (!replacing && errno != ENOENT) {
        failWith(failureMessage, errno);
    }
    if (replacing && !S_ISREG(old.st_mode)) {
        // A device, a pipe or a folder is not ours to swap for a plain file.
        throw Failure(withDetail(failureMessage, "通常のファイルではありません"));
    }
    // A file nobody may write to was made read-only on purpose: root is stopped too.
    if (replacing) {
        int error = (old.st_mode & 0222) == 0 ? EACCES : 0;
        if (error == 0 && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            error = errno;
        }
        if (error == EACCES) {
            throw Failure(withDetail(failureMessage, "読み取り専用のファイルです"));
        }
        if (error != 0) {
            failWith(failureMessage, error);
        }
    }

    const std::string folder = folderOf(target);
    removeStaleTemporaries(folder);
    std::string temporary;
    const int fd = createTemporary(folder, temporary);
    if (fd < 0) {
        failWith(failureMessage, errno);
    }
    if (replacing) {
        if (const int error = keepOwnerAndMode(fd, old)) {
            fileSystemCalls().close(fd);
            fileSystemCalls().unlink(temporary.c_str());
            failWith(failureMessage, error);
        }
    }
    if (const int error = fillTemporary(fd, temporary, bytes)) {
        failWith(failureMessage, error);
    }
    if (fileSystemCalls().rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        fileSystemCalls().unlink(temporary.c_str());
        failWith(failureMessage, error);
    }
    if (const int error = syncFolder(folder)) {
        failWith(failureMessage, error);
    }
}

bool createFileAtomically(const std::string& path, std::string_view bytes)
{
    const auto fail = [&path](int error) {
        throw Failure(
            withDetail(ioErrorMessage(error),
                       formatText("ファイル %s を作成できません: %s", path.c_str(), ioReason(error).c_str())));
    };
    struct stat existing
    {
    };
    if (::lstat(path.c_str(), &existing) == 0) {
        return false;
    }
    if (errno != ENOENT) {
        fail(errno);
    }
    const std::string folder = folderOf(path);
    removeStaleTemporaries(folder);
    std::string temporary;
    const int fd = createTemporary(folder, temporary);
    if (fd < 0) {
        fail(errno);
    }
    if (const int error = fillTemporary(fd, temporary, bytes)) {
        fail(error);
    }
    // link() puts the complete file under the name only if the name is still free.
    FileSystemCalls& calls = fileSystemCalls();
    int result = calls.link(temporary.c_str(), path.c_str());
    int error = result == 0 ? 0 : errno;
    if (error == EPERM || error == EOPNOTSUPP || error == ENOSYS) {
        // File systems without hard links: a rename that refuses to replace does the same.
        result = ::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE);
        error = result == 0 ? 0 : errno;
        if (error == EINVAL || error == ENOSYS) {
            // Neither: the name is checked once more and the rename can only race another
            // first start writing the same default.
            error = ::lstat(path.c_str(), &existing) == 0            ? EEXIST
                : calls.rename(temporary.c_str(), path.c_str()) == 0 ? 0
                                                                     : errno;
        }
    }
    calls.unlink(temporary.c_str()); // after a link; after a rename the name is gone already
    if (error == EEXIST) {
        return false;
    }
    if (error != 0) {
        fail(error);
    }
    if (const int synced = syncFolder(folder)) {
        fail(synced);
    }
    return true;
}

void removeStaleTemporaries(const std::string& folder)
{
    DIR* dir = ::opendir(folderOrCurrent(folder).c_str());
    if (!dir) {
        return;
    }
    const int folderFd = ::dirfd(dir);
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        pid_t pid = 0;
        const TemporaryKind kind = temporaryKind(entry->d_name, pid);
        if (kind == TemporaryKind::None) {
            continue;
        }
        const int fd = ::openat(folderFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat info
        {
        };
        // A live write holds its lock until the temporary has been renamed.
        const bool unlocked = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()
            && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        const bool old = now - info.st_mtime > kStaleSeconds;
        const bool stale = kind == TemporaryKind::Earlier ? old : (old || !processIsAlive(pid));
        struct stat named
        {
        };
        if (unlocked && stale && ::fstatat(folderFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0
            && named.st_ino == info.st_ino && named.st_dev == info.st_dev) {
            ::unlinkat(folderFd, entry->d_name, 0);
        }
        ::close(fd);
    }
    ::closedir(dir);
}

} // namespace rivet
