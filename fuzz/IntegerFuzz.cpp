// Strict conversion of catalogue and grid numbers, checked against the rule written out a
// second way: leading spaces, an optional sign, then decimal digits, or hexadecimal digits
// after "$", "x" or "0x" (either case); the value must fit 32 bits and nothing may follow.
// The damage calculator's lenient reading is the same with 0 for a refusal.
#include "FuzzSupport.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/Numbers.h"
#include "evaluation/DamageTable.h"

#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <optional>

using namespace rivet;
using rivet::fuzz::shown;

namespace {

std::optional<long long> byTheRule(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    text.remove_prefix(start);
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (text.substr(0, prefix.size()) == prefix) {
            base = 16;
            text.remove_prefix(prefix.size());
            break;
        }
    }
    // from_chars takes no sign or prefix of its own, so what is left must be bare digits.
    if (text.empty() || text.front() == '+' || text.front() == '-') {
        return std::nullopt;
    }
    unsigned long long magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    if (magnitude > (negative ? 2147483648ULL : 2147483647ULL)) {
        return std::nullopt;
    }
    return negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(fuzz::asText(data, size));
    const std::optional<std::int32_t> value = parseInt32(text);
    const std::optional<long long> expected = byTheRule(text);
    FUZZ_CHECK(value.has_value() == expected.has_value() && (!value || *value == *expected),
               shown(text) + " converts to " + (value ? std::to_string(*value) : "nothing") + ", the rule says "
                   + (expected ? std::to_string(*expected) : "nothing"));

    FUZZ_CHECK(lenientInteger(text) == value.value_or(0), shown(text) + ": the lenient reading differs");

    try {
        const std::int32_t strict = toInt32(text);
        FUZZ_CHECK(value && strict == *value, shown(text) + ": toInt32 accepts what parseInt32 refuses");
    } catch (const Failure& failure) {
        FUZZ_CHECK(!value, shown(text) + ": toInt32 refuses what parseInt32 accepts");
        FUZZ_CHECK(failure.what() == notAnIntegerMessage(text), shown(text) + " fails with " + shown(failure.what()));
    }

    if (value) {
        // Every form the tool itself writes reads back.
        char hex[32];
        std::snprintf(hex, sizeof hex, "%s$%" PRIX64, *value < 0 ? "-" : "",
                      static_cast<std::uint64_t>(*value < 0 ? -static_cast<std::int64_t>(*value) : *value));
        FUZZ_CHECK(parseInt32(std::to_string(*value)) == value, shown(text) + ": decimal form does not read back");
        FUZZ_CHECK(parseInt32(hex) == value, shown(text) + ": hexadecimal form " + hex + " does not read back");
    }
    return 0;
}
