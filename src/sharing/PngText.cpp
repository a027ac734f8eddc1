#include "sharing/PngText.h"

#include "common/Failure.h"
#include "sharing/Crc32.h"

#include <cstdint>

namespace rivet::png {

namespace {

constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
constexpr std::uint32_t kMaxChunkLength = 0x7FFFFFFFu;

std::uint32_t readWord(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

void appendWord(std::string& bytes, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<char>((value >> shift) & 0xFFu));
    }
}

struct Chunk
{
    std::string_view type;
    std::string_view data;
    std::size_t end; // offset after its checksum
};

// The chunk at `at`, or nothing when it runs past the end of the bytes.
std::optional<Chunk> chunkAt(std::string_view bytes, std::size_t at)
{
    if (bytes.size() - at < 12) {
        return std::nullopt;
    }
    const std::uint32_t length = readWord(bytes, at);
    if (length > kMaxChunkLength || length > bytes.size() - at - 12) {
        return std::nullopt;
    }
    return Chunk {bytes.substr(at + 4, 4), bytes.substr(at + 8, length), at + 12 + length};
}

} // namespace

bool isPng(std::string_view bytes)
{
    return bytes.substr(0, kSignature.size()) == kSignature;
}

std::string withText(std::string_view pngBytes, std::string_view keyword, std::string_view text)
{
    const auto header = isPng(pngBytes) ? chunkAt(pngBytes, kSignature.size()) : std::nullopt;
    if (!header || header->type != "IHDR") {
        throw Failure("PNG 画像ではありません");
    }
    std::string chunk;
    appendWord(chunk, static_cast<std::uint32_t>(keyword.size() + 1 + text.size()));
    chunk += "tEXt";
    chunk += keyword;
    chunk.push_back('\0');
    chunk += text;
    appendWord(chunk, crc32(std::string_view(chunk).substr(4)));
    std::string result(pngBytes.substr(0, header->end));
    result += chunk;
    result += pngBytes.substr(header->end);
    return result;
}

std::optional<std::string> text(std::string_view pngBytes, std::string_view keyword)
{
    if (!isPng(pngBytes)) {
        return std::nullopt;
    }
    std::size_t at = kSignature.size();
    while (const auto chunk = chunkAt(pngBytes, at)) {
        if (chunk->type == "tEXt") {
            const std::size_t separator = chunk->data.find('\0');
            if (separator != std::string_view::npos && chunk->data.substr(0, separator) == keyword) {
                return std::string(chunk->data.substr(separator + 1));
            }
        }
        if (chunk->type == "IEND") {
            break;
        }
        at = chunk->end;
    }
    return std::nullopt;
}

} // namespace rivet::png
