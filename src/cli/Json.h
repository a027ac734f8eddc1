#pragma once

#include <optional>
#include <string>

namespace rivet::cli {

// A JSON string literal of UTF-8 text, quotes included.
std::string jsonString(const std::string& text);
// jsonString, or null for none.
std::string jsonStringOrNull(const std::optional<std::string>& text);

std::string jsonBool(bool value);

// A JSON number, or null for none: whole numbers without a point, the boost figures' tenths
// as they are written (13.2, -0.9).
std::string jsonNumber(const std::optional<double>& value);

} // namespace rivet::cli
