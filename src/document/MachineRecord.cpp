#include "document/MachineRecord.h"

#include "common/CommaText.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/IniFile.h"
#include "common/Numbers.h"

namespace rivet {

namespace {

const char* const kTextKeys[4] = {"machine", "pilot", "emblem", "picture"};
constexpr TextField kTextFields[4]
    = {TextField::MachineName, TextField::PilotName, TextField::Emblem, TextField::MachinePicture};

std::string cellKey(int column, int region)
{
    return "cell" + std::to_string(region) + std::to_string(column);
}

// A list of whole numbers as "1,2,3".
template <typename Values> std::string numberList(const Values& values)
{
    std::string text;
    for (const auto value : values) {
        text += (text.empty() ? "" : ",") + std::to_string(static_cast<int>(value));
    }
    return text;
}

template <typename Values> void readNumbers(const std::string& text, Values& values)
{
    const std::vector<std::string> items = splitCommaText(text);
    if (items.size() != values.size()) {
        throw Failure(kRangeCheckError);
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        values[i] = static_cast<typename Values::value_type>(toInt32(items[i]));
    }
}

std::string required(const IniFile& ini, const std::string& section, const std::string& key)
{
    if (!ini.hasKey(section, key)) {
        throw Failure(kRangeCheckError);
    }
    return ini.readString(section, key, "");
}

} // namespace

std::string toHex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

std::string fromHex(const std::string& hex)
{
    const auto digit = [](char c) {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        throw Failure(kRangeCheckError);
    };
    if (hex.size() % 2 != 0) {
        throw Failure(kRangeCheckError);
    }
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        bytes += static_cast<char>(digit(hex[i]) * 16 + digit(hex[i + 1]));
    }
    return bytes;
}

void writeMachineRecord(IniFile& ini, const std::string& section, const Machine& machine)
{
    for (int i = 0; i < 4; ++i) {
        ini.writeString(section, kTextKeys[i], toHex(machine.text(kTextFields[i])));
    }
    ini.writeString(section, "description", toHex(machine.description));
    ini.writeString(section, "positions", numberList(machine.selection.positions));
    ini.writeString(section, "options", numberList(machine.selection.options));
    ini.writeString(section, "settings", numberList(machine.pilot.values));
    for (int region = 1; region <= ColorScheme::kRegionCount; ++region) {
        for (int column = 0; column < ColorScheme::kCellCount; ++column) {
            ini.writeString(section, cellKey(column, region), toHex(machine.colors.cell(column, region)));
        }
    }
}

Machine readMachineRecord(const IniFile& ini, const std::string& section)
{
    Machine machine;
    for (int i = 0; i < 4; ++i) {
        machine.text(kTextFields[i]) = fromHex(required(ini, section, kTextKeys[i]));
    }
    machine.description = fromHex(required(ini, section, "description"));
    readNumbers(required(ini, section, "positions"), machine.selection.positions);
    readNumbers(required(ini, section, "options"), machine.selection.options);
    readNumbers(required(ini, section, "settings"), machine.pilot.values);
    for (int region = 1; region <= ColorScheme::kRegionCount; ++region) {
        for (int column = 0; column < ColorScheme::kCellCount; ++column) {
            machine.colors.cell(column, region) = fromHex(required(ini, section, cellKey(column, region)));
        }
    }
    return machine;
}

} // namespace rivet
