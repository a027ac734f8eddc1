#pragma once

#include <nlohmann/json_fwd.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rivet::cli {

// The companion's JSON values keep their members in the order they are given.
using Json = nlohmann::ordered_json;

// A value as the companion writes it: on one line, ", " between members and between elements,
// ": " after a member's name; an array under one of the names in `oneALine` has each element
// on a line of its own. Texts are escaped by the library; bytes that are not UTF-8 are first
// written as the four characters "\xHH" (see validUtf8), so every line parses.
std::string jsonLine(const Json& value, const std::vector<std::string>& oneALine = {});

// A number as the tool writes its figures: whole numbers without a point, tenths as they are
// (13.2, -0.9); null for none.
Json jsonNumber(std::optional<double> value);
// The text, or null for none.
Json jsonText(const std::optional<std::string>& text);

// The text with every byte that breaks UTF-8 (a file name from a system of another encoding)
// written as "\xHH", upper-case hex; valid UTF-8 comes back as it is.
std::string validUtf8(std::string_view text);

} // namespace rivet::cli
