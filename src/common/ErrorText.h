#pragma once

#include <string>

namespace rivet {

// Title of every message box of the tool.
inline constexpr const char* kApplicationTitle = "Rivet Tool";

// printf-style formatting into a std::string (the fixed messages carry %s and %d).
std::string formatText(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

// The text the error box shows for a failure message: a full stop is appended unless the
// message already ends in "." or in an ASCII character ordered before it (such as ")"). The
// rule applies to the message's first line; the lines of detail after it stay as they are.
std::string errorBoxText(const std::string& message);

// A fixed message with what the player needs to act on it (the file, the reason) on the line
// after it: the fixed text stays first and unchanged. An empty detail adds nothing.
std::string withDetail(const std::string& message, const std::string& detail);

// Why a file operation failed, in the player's words, with the system's error number
// ("ディスクに空きがありません (28)").
std::string ioReason(int errorNumber);

// The fixed failure messages shared by several subsystems.
std::string notAnIntegerMessage(const std::string& text); // "'%s' は整数ではありません"
inline constexpr const char* kRangeCheckError = "範囲チェックエラー";
std::string cannotWriteMessage(const std::string& path); // "%s に書き込めません"

} // namespace rivet
