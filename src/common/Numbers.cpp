#include "common/Numbers.h"

#include "common/ErrorText.h"
#include "common/Failure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace rivet {

namespace {

// A finite positive double as mantissa × 2^exponent with a whole-number mantissa.
struct Dyadic
{
    std::int64_t mantissa;
    int exponent;
};

Dyadic dyadicOf(double value)
{
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    return {static_cast<std::int64_t>(std::ldexp(fraction, 53)), exponent - 53};
}

// |candidate × divisor − value × multiplier| in units of 2^unit, exactly. Mantissas have 53
// bits and the factors 10 bits at most, and the candidates lie near value × multiplier / divisor,
// so the exponents differ by a dozen at most and every term fits 128 bits.
unsigned __int128 distance(Dyadic candidate, int divisor, Dyadic value, int multiplier, int unit)
{
    const auto scaled = static_cast<unsigned __int128>(candidate.mantissa) * static_cast<unsigned>(divisor)
        << (candidate.exponent - unit);
    const auto target = static_cast<unsigned __int128>(value.mantissa) * static_cast<unsigned>(multiplier)
        << (value.exponent - unit);
    return scaled > target ? scaled - target : target - scaled;
}

bool hasEvenMantissa(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return (bits & 1) == 0;
}

} // namespace

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

double nearestQuotient(double value, int multiplier, int divisor)
{
    if (value < 0) {
        return -nearestQuotient(-value, multiplier, divisor);
    }
    // The extended-precision estimate is at most a unit or so off; where long double is no
    // wider than double it is a few units off. Either way the walk below finds the nearest.
    const auto estimate
        = static_cast<double>(static_cast<long double>(value) * multiplier / static_cast<long double>(divisor));
    if (value == 0 || estimate == 0 || !std::isfinite(estimate)) {
        return estimate;
    }
    const Dyadic exact = dyadicOf(value);
    // Negative when a lies nearer the exact quotient than b, 0 on a tie.
    auto compare = [&](double a, double b) {
        const Dyadic da = dyadicOf(a);
        const Dyadic db = dyadicOf(b);
        const int unit = std::min({da.exponent, db.exponent, exact.exponent});
        const auto toA = distance(da, divisor, exact, multiplier, unit);
        const auto toB = distance(db, divisor, exact, multiplier, unit);
        return toA < toB ? -1 : (toA > toB ? 1 : 0);
    };
    double best = estimate;
    for (const double direction : {HUGE_VAL, -HUGE_VAL}) {
        for (;;) {
            const double next = std::nextafter(best, direction);
            const int order = compare(next, best);
            if (order > 0 || (order == 0 && !hasEvenMantissa(next))) {
                break;
            }
            best = next;
        }
    }
    return best;
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
