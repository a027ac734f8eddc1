#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Bytes as letters and digits only, so that a code survives any board, chat or address bar
// and a double click selects all of it. Every eight bytes become eleven characters (62^11 >
// 2^64); a last group of 1..7 bytes becomes 2, 3, 5, 6, 7, 9 or 10 characters, so the length
// of the text alone tells how many bytes it holds.
namespace rivet::base62 {

std::string encode(std::string_view bytes);
// Nothing for a character outside 0-9, A-Z, a-z, a length no byte count gives, or a group
// whose value its bytes cannot hold.
std::optional<std::string> decode(std::string_view text);

// A number below 2^32 in exactly six characters, and back (nothing when not six characters
// of the alphabet or beyond 32 bits).
std::string encodeWord(std::uint32_t value);
std::optional<std::uint32_t> decodeWord(std::string_view text);

bool isDigit(char c);

} // namespace rivet::base62
