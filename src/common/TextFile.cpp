#include "common/TextFile.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/ShiftJis.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rivet {

std::string ioErrorMessage(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return "ファイルが見つかりません";
    case EACCES:
    case EPERM:
        return "ファイルへのアクセスが拒否されました";
    default:
        return formatText("I/O エラー (%d)", errorNumber);
    }
}

bool fileExists(const std::string& path)
{
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool folderExists(const std::string& path)
{
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void ensureFolder(const std::string& path)
{
    if (folderExists(path)) {
        return;
    }
    if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) {
        throw Failure(ioErrorMessage(errno));
    }
}

std::string readFileBytes(const std::string& path)
{
    // Not blocking: a named pipe without a writer would otherwise hang the program here.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        throw Failure(ioErrorMessage(errno));
    }
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        throw Failure(ioErrorMessage(error));
    }
    // Pipes and devices have no end to wait for: only plain files are text files here.
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        throw Failure(formatText("%s は通常のファイルではありません", path.c_str()));
    }
    if (static_cast<unsigned long long>(info.st_size) > kMaxTextFileBytes) {
        ::close(fd);
        throw Failure(formatText("ファイル %s は大きすぎます (16 MiB まで)", path.c_str()));
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            ::close(fd);
            throw Failure(ioErrorMessage(error));
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > kMaxTextFileBytes) {
            ::close(fd);
            throw Failure(formatText("ファイル %s は大きすぎます (16 MiB まで)", path.c_str()));
        }
    }
    ::close(fd);
    return bytes;
}

std::string decodeFileText(std::string_view bytes, const std::string& path)
{
    std::size_t bad = 0;
    auto text = sjis::decode(bytes, &bad);
    if (!text) {
        throw Failure(notShiftJisMessage(path, formatText("%zu バイト目", bad + 1)));
    }
    return *text;
}

std::string notShiftJisMessage(const std::string& path, const std::string& where)
{
    return formatText("ファイル %s は Shift-JIS のテキストとして読めません (%s)", path.c_str(), where.c_str());
}

std::vector<std::string> splitCatalogueBytes(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    for (; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\x1A') {
            break;
        }
        if (c == '\r') {
            lines.emplace_back(bytes.substr(start, i - start));
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (i > start) {
        lines.emplace_back(bytes.substr(start, i - start));
    }
    return lines;
}

std::vector<std::string> readCatalogueLines(const std::string& path)
{
    std::vector<std::string> lines = splitCatalogueBytes(readFileBytes(path));
    for (std::size_t k = 0; k < lines.size(); ++k) {
        // Each line is decoded on its own, so the line is what the message can point at.
        auto text = sjis::decode(lines[k]);
        if (!text) {
            throw Failure(notShiftJisMessage(path, formatText("%zu 行目", k + 1)));
        }
        lines[k] = std::move(*text);
    }
    return lines;
}

std::vector<std::string> splitTextLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (i > start) {
        lines.emplace_back(text.substr(start, i - start));
    }
    return lines;
}

std::vector<std::string> readTextLines(const std::string& path)
{
    return splitTextLines(decodeFileText(readFileBytes(path), path));
}

std::string joinCrLf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

namespace {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t done = ::write(fd, bytes.data(), bytes.size());
        if (done < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

} // namespace

bool createNewFile(const std::string& path, std::string_view bytes)
{
    // O_EXCL: the check for an existing file and the creation cannot race with another start.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST) {
            return false;
        }
        throw Failure(ioErrorMessage(errno));
    }
    const bool written = writeAll(fd, bytes);
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        const int error = written ? errno : writeError;
        ::unlink(path.c_str()); // half a file would be read as a broken one
        throw Failure(ioErrorMessage(error));
    }
    return true;
}

void writeFileAtomically(const std::string& path, std::string_view bytes, const std::string& failureMessage)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    std::string temporary = folder + (slash == std::string::npos ? "/" : "") + ".rivet-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        throw Failure(failureMessage);
    }
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat old
    {
    };
    if (::stat(path.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw Failure(failureMessage);
    }
}

void writeTextLines(const std::string& path, const std::vector<std::string>& lines, const std::string& failureMessage)
{
    writeFileAtomically(path, sjis::encodeOrFail(joinCrLf(lines)), failureMessage);
}

} // namespace rivet
