#include "common/ShiftJis.h"

#include "common/ErrorText.h"
#include "common/Failure.h"

#include <cerrno>
#include <iconv.h>

namespace rivet::sjis {

namespace {

// One converter per direction and thread; iconv_open is far dearer than a conversion.
class Converter
{
public:
    Converter(const char* to, const char* from)
        : m_cd(iconv_open(to, from))
    {
    }
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(m_cd);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of input; on a bad sequence returns false with its offset.
    bool convert(std::string_view input, std::string& output, std::size_t& badOffset)
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {
            throw Failure("文字コード CP932 の変換を利用できません");
        }
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        output.clear();
        char buffer[1024];
        auto* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t done = iconv(m_cd, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
                badOffset = input.size() - inLeft;
                return false;
            }
        }
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        iconv(m_cd, nullptr, nullptr, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        return true;
    }

private:
    iconv_t m_cd;
};

Converter& decoder()
{
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& encoder()
{
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

bool isAscii(std::string_view text)
{
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

std::size_t utf8Length(unsigned char lead)
{
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    return 4;
}

} // namespace

std::optional<std::string> decode(std::string_view bytes, std::size_t* badOffset)
{
    std::string result;
    std::size_t bad = 0;
    if (isAscii(bytes)) {
        return std::string(bytes);
    }
    if (!decoder().convert(bytes, result, bad)) {
        if (badOffset) {
            *badOffset = bad;
        }
        return std::nullopt;
    }
    return result;
}

std::optional<std::string> encode(std::string_view utf8, std::string* badCharacter)
{
    if (isAscii(utf8)) {
        return std::string(utf8);
    }
    std::string result;
    std::size_t bad = 0;
    if (!encoder().convert(utf8, result, bad)) {
        if (badCharacter) {
            const std::size_t length = utf8Length(static_cast<unsigned char>(utf8[bad]));
            *badCharacter = std::string(utf8.substr(bad, length));
        }
        return std::nullopt;
    }
    return result;
}

std::string encodeOrFail(std::string_view utf8)
{
    std::string bad;
    auto encoded = encode(utf8, &bad);
    if (!encoded) {
        throw Failure(unwritableCharacterMessage(bad));
    }
    return *encoded;
}

std::string unwritableCharacterMessage(std::string_view character)
{
    return "「" + std::string(character) + "」は Shift-JIS で書けない文字です";
}

int byteWidth(std::string_view utf8)
{
    int width = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t length = std::min(utf8Length(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        if (length == 1) {
            width += 1;
        } else {
            auto encoded = encode(utf8.substr(i, length));
            width += encoded ? static_cast<int>(encoded->size()) : 2;
        }
        i += length;
    }
    return width;
}

bool isValidUtf8(std::string_view text)
{
    auto byte = [&](std::size_t at) { return at < text.size() ? static_cast<unsigned char>(text[at]) : 0u; };
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned c = byte(i);
        // The length of the sequence and the range of its second byte (which rules out
        // overlong forms, surrogates and code points beyond U+10FFFF).
        std::size_t length = 1;
        unsigned low = 0x80;
        unsigned high = 0xBF;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (byte(i + 1) < low || byte(i + 1) > high) {
            return false;
        }
        for (std::size_t k = 2; k < length; ++k) {
            if ((byte(i + k) & 0xC0u) != 0x80u) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

std::string padRight(const std::string& utf8, int width)
{
    const int have = byteWidth(utf8);
    if (have >= width) {
        return utf8;
    }
    return utf8 + std::string(static_cast<std::size_t>(width - have), ' ');
}

std::string_view cutBytes(std::string_view sjisBytes, std::size_t maxBytes)
{
    if (sjisBytes.size() <= maxBytes) {
        return sjisBytes;
    }
    std::size_t i = 0;
    while (i < maxBytes) {
        const std::size_t step = isLeadByte(static_cast<unsigned char>(sjisBytes[i])) ? 2 : 1;
        if (i + step > maxBytes) {
            break;
        }
        i += step;
    }
    return sjisBytes.substr(0, i);
}

} // namespace rivet::sjis
