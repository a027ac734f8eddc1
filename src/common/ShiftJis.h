#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Every text file of the tool is Shift-JIS (code page 932); inside the program text is UTF-8.
namespace rivet::sjis {

// Shift-JIS bytes to UTF-8; nullopt when the bytes are not valid code page 932, with the
// offset of the first bad byte in badOffset.
std::optional<std::string> decode(std::string_view bytes, std::size_t* badOffset = nullptr);

// UTF-8 to Shift-JIS; nullopt when a character has no code in code page 932 (or the UTF-8 is
// broken), with that character in badCharacter.
std::optional<std::string> encode(std::string_view utf8, std::string* badCharacter = nullptr);

// Like encode, but fails with a message naming the character that Shift-JIS cannot hold.
std::string encodeOrFail(std::string_view utf8);

// "「X」は Shift-JIS で書けない文字です": what the player is told about such a character.
std::string unwritableCharacterMessage(std::string_view character);

// Width of a text as reports count it: its length in Shift-JIS bytes, so a full-width
// character counts 2 and a half-width one 1. A character without a code counts 2.
int byteWidth(std::string_view utf8);

// The text padded with blanks on the right to the given Shift-JIS width; never cut.
std::string padRight(const std::string& utf8, int width);

// Cuts Shift-JIS bytes to at most maxBytes without splitting a double-byte character.
std::string_view cutBytes(std::string_view sjisBytes, std::size_t maxBytes);

// True when the bytes are well-formed UTF-8 (no overlong two-byte forms).
bool isValidUtf8(std::string_view text);

// True when the byte starts a double-byte character.
inline bool isLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

} // namespace rivet::sjis
