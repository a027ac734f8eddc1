// Comma text, split and joined.
//
// Joining writes n items with n - 1 commas and a comma at the end of a text gives no item, so
// a trailing empty item of a list of two or more is the one thing a join and split loses
// (a single empty item is written as "" and survives). Everything else must come back: items
// with blanks, commas, quotes and control characters are quoted by the join.
#include "FuzzSupport.h"

#include "common/CommaText.h"

using namespace rivet;
using rivet::fuzz::shown;

namespace {

std::vector<std::string> withoutLostItem(std::vector<std::string> items)
{
    if (items.size() > 1 && items.back().empty()) {
        items.pop_back();
    }
    return items;
}

void checkJoinSplit(const std::vector<std::string>& items)
{
    const std::string joined = joinCommaText(items);
    const std::vector<std::string> back = splitCommaText(joined);
    FUZZ_CHECK(back == withoutLostItem(items),
               shown(items) + " joined as " + shown(joined) + " splits to " + shown(back));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz::asText(data, size);

    // Any text: what was split comes back through a join.
    const std::vector<std::string> items = splitCommaText(text);
    checkJoinSplit(items);

    // Any list of items, NUL-separated so that every other byte can stand in an item.
    checkJoinSplit(fuzz::pieces(text, '\0'));

    // A grid row of five cells, as the colour rows are: reading the row as comma text and
    // assigning that to the row again keeps every cell, except that an empty cell before
    // other cells comes back as the single space an empty item is stored as (both show as a
    // blank cell); from then on the row is stable.
    std::vector<std::string> cells(5);
    assignCommaText(cells, text);
    std::vector<std::string> once(5);
    assignCommaText(once, joinCommaText(cells));
    for (std::size_t k = 0; k < cells.size(); ++k) {
        FUZZ_CHECK(once[k] == cells[k] || (cells[k].empty() && once[k] == " "),
                   shown(text) + " gives the row " + shown(cells) + ", read back as " + shown(once));
    }
    std::vector<std::string> twice(5);
    assignCommaText(twice, joinCommaText(once));
    FUZZ_CHECK(twice == once, shown(once) + " read back as " + shown(twice));
    return 0;
}
