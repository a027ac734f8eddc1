// A whole catalogue file, loaded as every slot's file and shown as the parts-list viewer
// shows it.
//
// The loader either fills the slot's group (NO EQUIP first, one part per non-empty line after
// the two header lines, the end marker last) or fails with one of the catalogue's messages.
// The viewer, which reads the same file its own way, shows one row per selector item, so a
// picked row is the selector's item (rows and items stay aligned).
#include "FuzzSupport.h"

#include "catalogue/CatalogueLoader.h"
#include "catalogue/PartsListing.h"
#include "common/CommaText.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/TextFile.h"

#include <optional>

using namespace rivet;
using rivet::fuzz::shown;

namespace {

// The fixed message is the first line; the file and line follow it.
bool isCatalogueMessage(const std::string& failure)
{
    const std::string message = failure.substr(0, failure.find('\n'));
    return message == kRangeCheckError || message.rfind("リストのインデックスが範囲を超えています (", 0) == 0
        || message.find("' は整数ではありません") != std::string::npos
        || message.find("は Shift-JIS のテキストとして読めません") != std::string::npos;
}

void checkSlot(int slot, const fuzz::MemoryFile& file, const std::optional<std::vector<std::string>>& lines,
               const std::optional<PartsListing>& listing)
{
    const SlotGroup group = kSlotGroups[static_cast<std::size_t>(slot)];
    PartsTable table;
    int end = 0;
    try {
        end = loadSlotCatalogue(table, slot, file.folder(), file.name());
    } catch (const Failure& failure) {
        FUZZ_CHECK(isCatalogueMessage(failure.what()), "slot " + std::to_string(slot) + ": " + shown(failure.what()));
        FUZZ_CHECK(table.entry(group.first) && table.entry(group.first)->name == "NO EQUIP",
                   "a failed load lost the NO EQUIP entry");
        return;
    }
    FUZZ_CHECK(lines.has_value(), "the loader read a file that does not decode");

    std::vector<std::string> partLines;
    for (std::size_t k = 2; k < lines->size(); ++k) {
        if (!(*lines)[k].empty()) {
            partLines.push_back((*lines)[k]);
        }
    }
    FUZZ_CHECK(end == static_cast<int>(partLines.size()) + 1 && end <= group.size - 1,
               "slot " + std::to_string(slot) + ": end marker at " + std::to_string(end) + " for "
                   + std::to_string(partLines.size()) + " part lines");
    FUZZ_CHECK(table.entry(group.first)->name == "NO EQUIP" && table.entry(group.first + end)->name == "end",
               "the group is not framed by NO EQUIP and the end marker");

    // The selector offers NO EQUIP and the parts up to one named "end".
    int items = 1;
    while (items < end && table.entry(group.first + items)->name != "end") {
        ++items;
    }
    FUZZ_CHECK(table.itemCount(slot) == items,
               "slot " + std::to_string(slot) + ": selector offers " + std::to_string(table.itemCount(slot))
                   + " items, not " + std::to_string(items));

    // The viewer's row r is selector item r - 1 and names the same part.
    FUZZ_CHECK(listing.has_value(), "the viewer cannot show a file the loader read");
    FUZZ_CHECK(listing->rows.size() == partLines.size() + 2, "the viewer's rows do not follow the selector items");
    for (std::size_t k = 0; k < partLines.size(); ++k) {
        const std::string& name = table.entry(group.first + 1 + static_cast<int>(k))->name;
        FUZZ_CHECK(listing->rows[k + 2][0] == (name.empty() ? " " : name),
                   "row " + std::to_string(k + 2) + " shows " + shown(listing->rows[k + 2][0]) + " for part "
                       + shown(name));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::MemoryFile file;
    const std::string_view bytes = fuzz::asText(data, size);
    file.replace(bytes);

    std::optional<std::vector<std::string>> lines;
    try {
        lines = readCatalogueLines(file.path());
    } catch (const Failure&) {
    }

    std::optional<PartsListing> listing;
    try {
        listing = loadPartsListing(file.path());
    } catch (const Failure& failure) {
        FUZZ_CHECK(!lines, "the viewer refuses a file that decodes: " + shown(failure.what()));
    }
    if (listing) {
        FUZZ_CHECK(lines.has_value(), "the viewer shows a file that does not decode");
        std::size_t partLines = 0;
        for (std::size_t k = 2; k < lines->size(); ++k) {
            partLines += (*lines)[k].empty() ? 0u : 1u;
        }
        FUZZ_CHECK(listing->rows.size() == partLines + 2 && listing->rows[1][0] == "NO EQUIP",
                   "the viewer's rows are not header, NO EQUIP and one per part line");
        const std::size_t headerItems = lines->size() > 1 ? splitCommaText((*lines)[1]).size() : 0;
        FUZZ_CHECK(listing->columnCount == static_cast<int>(headerItems) + 2, "the viewer's column count");
        for (const auto& row : listing->rows) {
            FUZZ_CHECK(row.size() == static_cast<std::size_t>(listing->columnCount), "a row of the wrong width");
        }
    }

    // The line rule: a line ends at CR (with a LF right after it), a lone LF does not end a
    // line, and Ctrl-Z ends the file.
    const std::vector<std::string> raw = splitCatalogueBytes(bytes);
    std::string rejoined;
    for (const std::string& line : raw) {
        FUZZ_CHECK(line.find_first_of("\r\x1A") == std::string::npos, "a line holds a CR or Ctrl-Z");
        rejoined += line + "\r\n";
    }
    FUZZ_CHECK(splitCatalogueBytes(rejoined) == raw, "lines written back with CR LF read differently");

    for (int slot = 0; slot < kSlotCount; ++slot) {
        checkSlot(slot, file, lines, listing);
    }
    return 0;
}
