// The INI dialect of ".asm" files and the settings file, read and written.
//
// Lines the program does not touch are written back as they were (only line ends become
// CR LF); a value written under a key reads back exactly, unless the dialect's reading changes
// it (blanks at either end, one pair of enclosing quotes, more than 2047 bytes); writing one
// key or erasing one section changes what no other key reads.
#include "FuzzSupport.h"

#include "common/Failure.h"
#include "common/IniFile.h"
#include "common/ShiftJis.h"
#include "common/TextFile.h"

#include <map>
#include <optional>

using namespace rivet;
using rivet::fuzz::shown;

namespace {

// What a key reads: its value, kMissing when there is no such key, nothing when the value is
// not Shift-JIS. A value read back never holds a line break, so kMissing cannot be a value.
using Reading = std::optional<std::string>;
const char* const kMissing = "\n";

const std::vector<std::string> kSections = {"asm", "color", "acmemo", "common"};
const std::vector<std::string> kKeys = {"ACname", "head", "HEAD", "0", "7", "longlist"};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A value the dialect gives back unchanged.
bool keepsItsForm(const std::string& value)
{
    if (value.find_first_of("\r\n") != std::string::npos) {
        return false;
    }
    if (!value.empty() && (isBlank(value.front()) || isBlank(value.back()))) {
        return false;
    }
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return false;
    }
    const auto bytes = sjis::encode(value);
    return bytes && bytes->size() <= 2047;
}

// A name the dialect can hold: a section name without "]", a key without "=" that does not
// look like a section header; neither on more than one line.
bool isSectionName(const std::string& name)
{
    const auto bytes = sjis::encode(name);
    return bytes && bytes->find_first_of("]\r\n") == std::string::npos;
}

bool isKeyName(const std::string& name)
{
    const auto bytes = sjis::encode(name);
    if (!bytes || bytes->find_first_of("=\r\n") != std::string::npos) {
        return false;
    }
    const std::size_t first = bytes->find_first_not_of(" \t");
    return first == std::string::npos || (*bytes)[first] != '[';
}

Reading reading(const IniFile& ini, const std::string& section, const std::string& key)
{
    try {
        return ini.readString(section, key, kMissing);
    } catch (const Failure& failure) {
        FUZZ_CHECK(std::string(failure.what()).find("Shift-JIS") != std::string::npos,
                   "reading fails with " + shown(failure.what()));
        return std::nullopt;
    }
}

std::map<std::pair<std::string, std::string>, Reading>
everything(const IniFile& ini, const std::vector<std::string>& sections, const std::vector<std::string>& keys)
{
    std::map<std::pair<std::string, std::string>, Reading> result;
    for (const auto& section : sections) {
        for (const auto& key : keys) {
            result[{section, key}] = reading(ini, section, key);
        }
    }
    return result;
}

// Every reading but those of the key just written (in any case) is as it was.
void checkOthersUnchanged(const std::map<std::pair<std::string, std::string>, Reading>& before,
                          const std::map<std::pair<std::string, std::string>, Reading>& after,
                          const std::string& section, const std::optional<std::string>& key, const std::string& what)
{
    for (const auto& [name, value] : before) {
        const bool same = fuzz::foldedName(name.first) == fuzz::foldedName(section)
            && (!key || fuzz::foldedName(name.second) == fuzz::foldedName(*key));
        if (!same) {
            FUZZ_CHECK(after.at(name) == value, what + " changed " + shown(name.first) + "/" + shown(name.second));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(fuzz::asText(data, size));
    const IniFile ini = IniFile::fromBytes(bytes, "fuzz.ini");
    const std::string written = ini.toBytes();
    FUZZ_CHECK(written == joinCrLf(splitTextLines(bytes)), "lines not written back as they were");
    FUZZ_CHECK(IniFile::fromBytes(written).toBytes() == written, "writing back is not stable");

    // Names and a value taken from the input itself, where the dialect can hold them.
    std::vector<std::string> sections = kSections;
    std::vector<std::string> keys = kKeys;
    std::string value = "へっぽこ１号,323628 #ap";
    const std::vector<std::string> lines = splitTextLines(bytes);
    for (std::size_t i = 0; i < lines.size() && i < 3; ++i) {
        const auto text = sjis::decode(lines[i]);
        if (!text) {
            continue;
        }
        if (i == 0 && isSectionName(*text)) {
            sections.push_back(*text);
        } else if (i == 1 && isKeyName(*text)) {
            keys.push_back(*text);
        } else if (i == 2 && keepsItsForm(*text)) {
            value = *text;
        }
    }

    const auto before = everything(ini, sections, keys);
    for (const auto& [name, reading] : before) {
        const auto& [section, key] = name;
        const int a = ini.readInteger(section, key, 7);
        const int b = ini.readInteger(section, key, -7);
        FUZZ_CHECK(a == b || (a == 7 && b == -7), "an integer reading depends on the default");
        FUZZ_CHECK(ini.hasKey(section, key) == (reading != Reading(kMissing)), "hasKey disagrees with reading");
    }

    for (const auto& section : sections) {
        for (const auto& key : keys) {
            IniFile changed = ini;
            changed.writeString(section, key, value);
            FUZZ_CHECK(changed.readString(section, key, "") == value,
                       shown(section) + "/" + shown(key) + " does not read back " + shown(value));
            checkOthersUnchanged(before, everything(changed, sections, keys), section, key,
                                 "writing " + shown(section) + "/" + shown(key));
            FUZZ_CHECK(IniFile::fromBytes(changed.toBytes()).readString(section, key, "") == value,
                       "the written file does not read back");

            for (const int number : {0, -1, 2147483647, -2147483647 - 1}) {
                changed.writeInteger(section, key, number);
                FUZZ_CHECK(changed.readInteger(section, key, 12345) == number, "an integer does not read back");
            }
        }
        IniFile erased = ini;
        erased.eraseSection(section);
        for (const auto& key : keys) {
            FUZZ_CHECK(!erased.hasKey(section, key), "an erased section still has " + shown(key));
        }
        checkOthersUnchanged(before, everything(erased, sections, keys), section, std::nullopt,
                             "erasing " + shown(section));
    }
    return 0;
}
