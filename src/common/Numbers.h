#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rivet {

// The integer nearest to num / den, an exact half going to the even integer. den must not be 0.
std::int64_t evenRound(std::int64_t num, std::int64_t den);

// evenRound of the exact product value × factor, where value is a double and the product is
// not rounded to a double first (so 26.95 held as a double just below it gives 269 for × 10).
std::int64_t evenRoundProduct(double value, int factor);

// The double nearest to the exact value × multiplier / divisor, an exact tie going to the
// even mantissa: the product is not rounded on its own first. multiplier and divisor are
// small positive whole numbers (1..1000).
double nearestQuotient(double value, int multiplier, int divisor);

// evenRound of a double (nearest integer, halves to even).
std::int64_t evenRound(double value);

// The value of a digit in base 10 or 16; -1 for any other character.
int digitValue(char c, int base);

// Strict conversion of catalogue and grid numbers: leading spaces, an optional sign, then
// decimal digits, or hexadecimal after "$", "x" or "0x" (either case); the value must fit a
// 32-bit signed integer and nothing may follow.
std::optional<std::int32_t> parseInt32(std::string_view text);

// parseInt32, failing with "'%s' は整数ではありません".
std::int32_t toInt32(std::string_view text);

// General decimal form with at most 15 significant digits and no trailing zeros (39.7, 33).
std::string formatGeneral(double value);

} // namespace rivet
