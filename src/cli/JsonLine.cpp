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

// The text as a JSON string, escaped as the library escapes it (its UTF-8 kept as it is):
// quotes and backslashes, the short escapes, other control characters as \u00xx; a byte
// that breaks UTF-8 first becomes the four characters "\xHH", as validUtf8 writes it.
void appendQuoted(std::string& out, std::string_view text)
{
    out += '"';
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = sequenceLength(text, at);
        if (length > 1) {
            out.append(text, at, length);
            at += length;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[at++]);
        if (length == 0) {
            out += formatText("\\\\x%02X", static_cast<unsigned int>(c));
            continue;
        }
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                out += formatText("\\u%04x", static_cast<unsigned int>(c));
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}

void write(std::string& out, const Json& value, const std::vector<std::string>& oneALine, bool linesHere)
{
    if (value.is_object()) {
        out += '{';
        bool first = true;
        for (const auto& [name, member] : value.items()) {
            out += first ? "" : ", ";
            appendQuoted(out, name);
            out += ": ";
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
        appendQuoted(out, value.get_ref<const std::string&>());
    } else if (value.is_boolean()) {
        out += value.get<bool>() ? "true" : "false";
    } else if (value.is_null()) {
        out += "null";
    } else if (value.is_number_unsigned()) {
        out += std::to_string(value.get<std::uint64_t>());
    } else if (value.is_number_integer()) {
        out += std::to_string(value.get<std::int64_t>());
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
