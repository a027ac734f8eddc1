#include "common/ErrorText.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace rivet {

std::string formatText(const char* pattern, ...)
{
    va_list args;
    va_start(args, pattern);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, pattern, args);
    va_end(args);
    std::string result;
    if (length > 0) {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), pattern, again);
        result.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(again);
    return result;
}

std::string errorBoxText(const std::string& message)
{
    const std::size_t lineEnd = message.find('\n');
    const std::string first = message.substr(0, lineEnd);
    const std::string rest = lineEnd == std::string::npos ? std::string() : message.substr(lineEnd);
    if (first.empty()) {
        return message;
    }
    // A multi-byte character never ends in an ASCII byte, so looking at the last byte is enough.
    const auto last = static_cast<unsigned char>(first.back());
    if (last <= '.') {
        return message;
    }
    return first + "." + rest;
}

std::string withDetail(const std::string& message, const std::string& detail)
{
    return detail.empty() ? message : message + "\n" + detail;
}

std::string ioReason(int errorNumber)
{
    const char* words = nullptr;
    switch (errorNumber) {
    case ENOSPC:
        words = "ディスクに空きがありません";
        break;
    case EDQUOT:
        words = "ディスクの使用量が上限に達しました";
        break;
    case EFBIG:
        words = "ファイルが大きすぎます";
        break;
    case EROFS:
        words = "読み取り専用のファイルシステムです";
        break;
    case EACCES:
    case EPERM:
        words = "アクセスが拒否されました";
        break;
    case ENOENT:
        words = "フォルダがありません";
        break;
    case ENOTDIR:
        words = "パスの途中にフォルダでないものがあります";
        break;
    case EISDIR:
        words = "フォルダです";
        break;
    case ELOOP:
        words = "シンボリックリンクが循環しています";
        break;
    case ENAMETOOLONG:
        words = "名前が長すぎます";
        break;
    case EIO:
        words = "装置の入出力エラーです";
        break;
    default:
        return formatText("I/O エラー (%d)", errorNumber);
    }
    return formatText("%s (%d)", words, errorNumber);
}

std::string notAnIntegerMessage(const std::string& text)
{
    return formatText("'%s' は整数ではありません", text.c_str());
}

std::string cannotWriteMessage(const std::string& path)
{
    return formatText("%s に書き込めません", path.c_str());
}

} // namespace rivet
