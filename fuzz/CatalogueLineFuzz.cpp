// One catalogue line, read as a part of every slot.
//
// The outcome is foretold from the line's fields and the slot's column kinds alone: the first
// missing column fails with its 0-based index, the first integer column that does not convert
// fails naming its text, and otherwise the part is filled. A filled part, written back as a
// line in the catalogue's usual form (texts quoted, numbers in decimal), reads as the same part.
#include "FuzzSupport.h"

#include "catalogue/CatalogueLoader.h"
#include "common/CommaText.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/Numbers.h"

#include <tuple>

using namespace rivet;
using rivet::fuzz::shown;

namespace {

// The columns of each slot's file: 'T' a text, 'N' an integer.
const char* const kColumnKinds[kSlotCount] = {
    "TNNNNNNT", // head
    "TNNNNNNNNT", // core
    "TNNNNNNT", // arms
    "TNNNNNNNNNNTT", // legs
    "TNNNNNT", // generator
    "TNNNT", // FCS
    "TNNNNNT", // booster
    "TNNNTTNNT", // back weapon
    "TNNNTNNT", // arm weapon
    "TNNNT", // blade
    "TNNT", // option
};

auto fieldsOf(const Part& p)
{
    return std::tie(p.slot, p.name, p.price, p.weight, p.energy, p.ap, p.shellDefence, p.beamDefence, p.slots,
                    p.loadCapacity, p.moveEnergy, p.restEnergy, p.stability, p.speed, p.genOutput, p.genCapacity,
                    p.redZone, p.boost, p.chargeDrain, p.legType, p.shoulder, p.attack, p.sight, p.range,
                    p.description);
}

std::string quoted(const std::string& text)
{
    std::string result = "\"";
    for (const char c : text) {
        result += c == '"' ? "\"\"" : std::string(1, c);
    }
    return result + "\"";
}

// The failure message the line must give for the slot, or "" when it must load.
std::string foretoldFailure(const std::vector<std::string>& fields, const std::string& kinds)
{
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (i >= fields.size()) {
            return formatText("リストのインデックスが範囲を超えています (%d)", static_cast<int>(i));
        }
        if (kinds[i] == 'N' && !parseInt32(fields[i])) {
            return notAnIntegerMessage(fields[i]);
        }
    }
    return {};
}

void checkSlot(int slot, const std::string& line, const std::vector<std::string>& fields)
{
    const std::string kinds = kColumnKinds[slot];
    const std::string expected = foretoldFailure(fields, kinds);
    Part part;
    try {
        parsePartLine(part, slot, line);
    } catch (const Failure& failure) {
        FUZZ_CHECK(failure.what() == expected,
                   "slot " + std::to_string(slot) + ", line " + shown(line) + " fails with " + shown(failure.what())
                       + " instead of " + shown(expected));
        // Columns before the failing one stay assigned; the name is always the first.
        FUZZ_CHECK(fields.empty() || part.name == fields[0], "the failing line lost its name: " + shown(line));
        return;
    }
    FUZZ_CHECK(expected.empty(),
               "slot " + std::to_string(slot) + ", line " + shown(line) + " loads but must fail with "
                   + shown(expected));
    FUZZ_CHECK(part.name == fields[0] && part.description == fields[kinds.size() - 1]
                   && part.price == *parseInt32(fields[1]) && part.slot == 0,
               "slot " + std::to_string(slot) + ": fields misplaced for " + shown(line));

    std::string canonical;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        canonical += (i > 0 ? " , " : "");
        canonical += kinds[i] == 'T' ? quoted(fields[i]) : std::to_string(*parseInt32(fields[i]));
    }
    canonical += ",\"ignored extra field\"";
    Part again;
    parsePartLine(again, slot, canonical);
    FUZZ_CHECK(fieldsOf(again) == fieldsOf(part),
               "slot " + std::to_string(slot) + ": " + shown(line) + " written back as " + shown(canonical)
                   + " reads differently");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string line(fuzz::asText(data, size));
    const std::vector<std::string> fields = splitCatalogueLine(line);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        checkSlot(slot, line, fields);
    }
    // Slots that do not exist leave the part alone.
    for (const int slot : {-1, kSlotCount}) {
        Part part;
        part.name = "untouched";
        parsePartLine(part, slot, line);
        FUZZ_CHECK(part.name == "untouched", "slot " + std::to_string(slot) + " changed the part");
    }
    return 0;
}
