#pragma once

#include <optional>
#include <string>
#include <string_view>

// Text chunks ("tEXt") of a PNG file, read and written on the file's bytes, so that the
// machine card carries its code and rivet-cli reads it without an image library.
namespace rivet::png {

bool isPng(std::string_view bytes);

// The PNG with a text chunk (keyword, Latin-1 text) placed right after its header chunk.
// Fails when the bytes are not a PNG.
std::string withText(std::string_view pngBytes, std::string_view keyword, std::string_view text);

// The text of the first text chunk with that keyword; nothing when there is none or the
// bytes are not a well-formed PNG.
std::optional<std::string> text(std::string_view pngBytes, std::string_view keyword);

} // namespace rivet::png
