#pragma once

#include <string>

namespace rivet::cli {

// A JSON string literal of UTF-8 text, quotes included.
std::string jsonString(const std::string& text);

} // namespace rivet::cli
