#include "common/Numbers.h"

#include "common/ErrorText.h"
#include "common/Failure.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace rivet {

std::int64_t evenRound(std::int64_t num, std::int64_t den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    std::int64_t quotient = num / den;
    std::int64_t remainder = num % den;
    if (remainder < 0) { // floor division
        remainder += den;
        quotient -= 1;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > den || (twice == den && (quotient % 2 != 0))) {
        quotient += 1;
    }
    return quotient;
}

std::int64_t evenRound(double value)
{
    return static_cast<std::int64_t>(std::nearbyint(value));
}

std::int64_t evenRoundProduct(double value, int factor)
{
    // hi + lo is the exact product; hi is the product rounded to a double.
    const double hi = value * factor;
    const double lo = std::fma(value, static_cast<double>(factor), -hi);
    const double nearest = std::nearbyint(hi);
    const double fraction = hi - nearest; // exact: nearest lies within half a unit of hi
    auto result = static_cast<std::int64_t>(nearest);
    if (fraction == 0.5 || fraction == -0.5) {
        // hi sits on a half: the tiny remainder lo decides, and only a true half goes to even.
        const double direction = fraction > 0 ? 1.0 : -1.0;
        const double toward = lo * direction; // > 0 moves away from nearest, past the half
        if (toward > 0) {
            result += static_cast<std::int64_t>(direction);
        } else if (toward == 0) {
            // nearbyint already chose the even neighbour of the exact half.
        }
    }
    return result;
}

int digitValue(char c, int base)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (base == 16 && c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (base == 16 && c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<std::int32_t> parseInt32(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) {
        return std::nullopt;
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0) {
            return std::nullopt;
        }
        magnitude = magnitude * base + digit;
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t toInt32(std::string_view text)
{
    auto value = parseInt32(text);
    if (!value) {
        throw Failure(notAnIntegerMessage(std::string(text)));
    }
    return *value;
}

std::string formatGeneral(double value)
{
    // The boost figures are whole tenths: written straight from the integer of tenths, which
    // is what "%.15g" prints for them, without the cost of a general conversion.
    const double tenths = value * 10;
    if (std::fabs(tenths) < 1e14 && std::nearbyint(tenths) == tenths
        && static_cast<double>(static_cast<long long>(tenths)) / 10 == value) {
        const long long whole = static_cast<long long>(tenths);
        const long long magnitude = whole < 0 ? -whole : whole;
        std::string text = (whole < 0 ? "-" : "") + std::to_string(magnitude / 10);
        if (magnitude % 10 != 0) {
            text += '.';
            text += static_cast<char>('0' + magnitude % 10);
        }
        return text;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

} // namespace rivet
