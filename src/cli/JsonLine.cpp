#include "cli/JsonLine.h"

#include "common/ErrorText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>

namespace rivet::cli {

namespace {

// The length of the UTF-8 sequence at text[at], 0 when the bytes there are no valid one
// (RFC 3629: no overlong forms, no surrogates, nothing beyond U+10FFFF).
std::size_t sequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

void write(std::string& out, const Json& value, const std::vector<std::string>& oneALine, bool linesHere)
{
    if (value.is_object()) {
        out += '{';
        bool first = true;
        for (const auto& [name, member] : value.items()) {
            out += first ? "" : ", ";
            out += Json(validUtf8(name)).dump() + ": ";
            write(out, member, oneALine, std::find(oneALine.begin(), oneALine.end(), name) != oneALine.end());
            first = false;
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        bool first = true;
        for (const Json& element : value) {
            out += linesHere ? (first ? "\n" : ",\n") : (first ? "" : ", ");
            write(out, element, oneALine, false);
            first = false;
        }
        out += linesHere ? "\n]" : "]";
    } else if (value.is_string()) {
        out += Json(validUtf8(value.get_ref<const std::string&>())).dump();
    } else {
        out += value.dump();
    }
}

} // namespace

std::string jsonLine(const Json& value, const std::vector<std::string>& oneALine)
{
    std::string out;
    write(out, value, oneALine, false);
    return out;
}

Json jsonNumber(std::optional<double> value)
{
    if (!value) {
        return nullptr;
    }
    // Far below 2^53, where every whole double is exact.
    constexpr double kWholeLimit = 1e15;
    if (std::trunc(*value) == *value && std::fabs(*value) < kWholeLimit) {
        return static_cast<std::int64_t>(*value);
    }
    return *value;
}

Json jsonText(const std::optional<std::string>& text)
{
    return text ? Json(*text) : Json(nullptr);
}

std::string validUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = sequenceLength(text, at);
        if (length == 0) {
            out += formatText("\\x%02X", static_cast<unsigned int>(static_cast<unsigned char>(text[at])));
            ++at;
        } else {
            out.append(text, at, length);
            at += length;
        }
    }
    return out;
}

} // namespace rivet::cli
