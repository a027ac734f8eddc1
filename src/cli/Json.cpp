#include "cli/Json.h"

#include "common/ErrorText.h"
#include "common/Numbers.h"

namespace rivet::cli {

std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
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
            if (static_cast<unsigned char>(c) < 0x20) {
                out += formatText("\\u%04x", static_cast<unsigned int>(static_cast<unsigned char>(c)));
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string jsonStringOrNull(const std::optional<std::string>& text)
{
    return text ? jsonString(*text) : std::string("null");
}

std::string jsonBool(bool value)
{
    return value ? "true" : "false";
}

std::string jsonNumber(const std::optional<double>& value)
{
    return value ? formatGeneral(*value) : std::string("null");
}

} // namespace rivet::cli
