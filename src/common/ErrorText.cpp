#include "common/ErrorText.h"

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
    if (message.empty()) {
        return message;
    }
    // A multi-byte character never ends in an ASCII byte, so looking at the last byte is enough.
    const auto last = static_cast<unsigned char>(message.back());
    if (last <= '.') {
        return message;
    }
    return message + ".";
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
