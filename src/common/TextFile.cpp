#include "common/TextFile.h"

#include "common/AtomicFile.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/FileSystemCalls.h"
#include "common/ShiftJis.h"

#include <cerrno>
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

std::string fileFailureDetail(const std::string& path, int errorNumber)
{
    // The message of these two already says why; the others only give a number.
    if (errorNumber == ENOENT || errorNumber == EACCES || errorNumber == EPERM) {
        return path;
    }
    return path + ": " + ioReason(errorNumber);
}

void requireFile(const std::string& path)
{
    if (!fileExists(path)) {
        throw Failure(withDetail(ioErrorMessage(ENOENT), folderExists(path) ? path + ": " + ioReason(EISDIR) : path));
    }
}

void ensureFolder(const std::string& path)
{
    if (folderExists(path)) {
        return;
    }
    // A file of the folder's name makes mkdir say EEXIST, which is no folder either.
    const int error = ::mkdir(path.c_str(), 0777) == 0 ? 0 : errno == EEXIST ? ENOTDIR : errno;
    if (error != 0 && !folderExists(path)) {
        throw Failure(
            withDetail(ioErrorMessage(error),
                       formatText("フォルダ %s を作成できません: %s", path.c_str(),
                                  error == ENOTDIR ? "同じ名前のファイルがあります" : ioReason(error).c_str())));
    }
}

std::string readFileBytes(const std::string& path)
{
    // Not blocking: a named pipe without a writer would otherwise hang the program here.
    const int fd = fileSystemCalls().open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK, 0);
    if (fd < 0) {
        const int error = errno;
        throw Failure(withDetail(ioErrorMessage(error), fileFailureDetail(path, error)));
    }
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        throw Failure(withDetail(ioErrorMessage(error), fileFailureDetail(path, error)));
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
    // Room for the whole file at once: growing by doubling would ask for twice its size.
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            ::close(fd);
            throw Failure(withDetail(ioErrorMessage(error), fileFailureDetail(path, error)));
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

void forEachCatalogueLine(std::string_view bytes, const LineVisitor& visit)
{
    std::size_t start = 0;
    std::size_t index = 0;
    std::size_t i = 0;
    for (; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\x1A') {
            break;
        }
        if (c == '\r') {
            visit(bytes.substr(start, i - start), index++);
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (i > start) {
        visit(bytes.substr(start, i - start), index);
    }
}

namespace {

std::vector<std::string> collected(const std::function<void(const LineVisitor&)>& walk)
{
    std::vector<std::string> lines;
    walk([&lines](std::string_view line, std::size_t) { lines.emplace_back(line); });
    return lines;
}

} // namespace

std::vector<std::string> splitCatalogueBytes(std::string_view bytes)
{
    return collected([bytes](const LineVisitor& visit) { forEachCatalogueLine(bytes, visit); });
}

void readCatalogueFile(const std::string& path, const LineVisitor& visit)
{
    const std::string bytes = readFileBytes(path);
    forEachCatalogueLine(bytes, [&](std::string_view line, std::size_t index) {
        auto text = sjis::decode(line);
        if (!text) {
            throw Failure(notShiftJisMessage(path, formatText("%zu 行目", index + 1)));
        }
        visit(*text, index);
    });
}

std::vector<std::string> readCatalogueLines(const std::string& path)
{
    return collected([&path](const LineVisitor& visit) { readCatalogueFile(path, visit); });
}

void forEachTextLine(std::string_view text, const LineVisitor& visit)
{
    std::size_t start = 0;
    std::size_t index = 0;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            visit(text.substr(start, i - start), index++);
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (i > start) {
        visit(text.substr(start, i - start), index);
    }
}

std::vector<std::string> splitTextLines(std::string_view text)
{
    return collected([text](const LineVisitor& visit) { forEachTextLine(text, visit); });
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

std::string normaliseLineEnds(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 2);
    forEachTextLine(text, [&result](std::string_view line, std::size_t) {
        result += line;
        result += "\r\n";
    });
    return result;
}

std::string readNormalisedText(const std::string& path)
{
    return normaliseLineEnds(decodeFileText(readFileBytes(path), path));
}

void writeTextLines(const std::string& path, const std::vector<std::string>& lines, const std::string& failureMessage)
{
    writeFileAtomically(path, sjis::encodeOrFail(joinCrLf(lines)), failureMessage);
}

} // namespace rivet
