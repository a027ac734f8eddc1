#pragma once

#include <string>

namespace rivet {

// Title of every message box of the tool.
inline constexpr const char* kApplicationTitle = "Rivet Tool";

// printf-style formatting into a std::string (the fixed messages carry %s and %d).
std::string formatText(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

// The text the error box shows for a failure message: a full stop is appended unless the
// message already ends in "." or in an ASCII character ordered before it (such as ")").
std::string errorBoxText(const std::string& message);

// The fixed failure messages shared by several subsystems.
std::string notAnIntegerMessage(const std::string& text); // "'%s' は整数ではありません"
inline constexpr const char* kRangeCheckError = "範囲チェックエラー";
std::string cannotWriteMessage(const std::string& path); // "%s に書き込めません"

} // namespace rivet
