#include "sharing/Base62.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace rivet::base62 {

namespace {

constexpr std::string_view kAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr std::size_t kGroupBytes = 8;
constexpr std::size_t kGroupDigits = 11;
// Characters for a last group of n bytes (index n); 0 marks a count no group has.
constexpr std::array<std::size_t, kGroupBytes + 1> kDigitsForBytes = {0, 2, 3, 5, 6, 7, 9, 10, 11};

int digitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 36;
    }
    return -1;
}

void appendDigits(std::string& text, std::uint64_t value, std::size_t digits)
{
    const std::size_t start = text.size();
    text.resize(start + digits);
    for (std::size_t i = digits; i > 0; --i) {
        text[start + i - 1] = kAlphabet[value % 62];
        value /= 62;
    }
}

// The value of the digits, or nothing when one is no digit or the value passes `limit`
// (exclusive; 0 for the whole 64-bit range).
std::optional<std::uint64_t> digitsValue(std::string_view digits, std::uint64_t limit)
{
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = digitValue(c);
        if (d < 0) {
            return std::nullopt;
        }
        // value * 62 + d must stay below 2^64 (and below the limit when one is given).
        if (value > (UINT64_MAX - static_cast<std::uint64_t>(d)) / 62) {
            return std::nullopt;
        }
        value = value * 62 + static_cast<std::uint64_t>(d);
    }
    if (limit != 0 && value >= limit) {
        return std::nullopt;
    }
    return value;
}

} // namespace

bool isDigit(char c)
{
    return digitValue(c) >= 0;
}

std::string encode(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() / kGroupBytes * kGroupDigits + kGroupDigits);
    for (std::size_t at = 0; at < bytes.size(); at += kGroupBytes) {
        const std::size_t count = std::min(kGroupBytes, bytes.size() - at);
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < count; ++i) {
            value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        }
        appendDigits(text, value, kDigitsForBytes[count]);
    }
    return text;
}

std::optional<std::string> decode(std::string_view text)
{
    std::size_t lastBytes = 0;
    const std::size_t rest = text.size() % kGroupDigits;
    if (rest != 0) {
        while (lastBytes < kGroupBytes && kDigitsForBytes[lastBytes] != rest) {
            ++lastBytes;
        }
        if (lastBytes == kGroupBytes) {
            return std::nullopt;
        }
    }
    std::string bytes;
    bytes.reserve(text.size() / kGroupDigits * kGroupBytes + lastBytes);
    for (std::size_t at = 0; at < text.size(); at += kGroupDigits) {
        const std::size_t digits = std::min(kGroupDigits, text.size() - at);
        const std::size_t count = digits == kGroupDigits ? kGroupBytes : lastBytes;
        const std::uint64_t limit = count == kGroupBytes ? 0 : std::uint64_t {1} << (8 * count);
        const auto value = digitsValue(text.substr(at, digits), limit);
        if (!value) {
            return std::nullopt;
        }
        for (std::size_t i = count; i > 0; --i) {
            bytes.push_back(static_cast<char>((*value >> (8 * (i - 1))) & 0xFFu));
        }
    }
    return bytes;
}

std::string encodeWord(std::uint32_t value)
{
    std::string text;
    appendDigits(text, value, 6);
    return text;
}

std::optional<std::uint32_t> decodeWord(std::string_view text)
{
    if (text.size() != 6) {
        return std::nullopt;
    }
    const auto value = digitsValue(text, std::uint64_t {1} << 32);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*value);
}

} // namespace rivet::base62
