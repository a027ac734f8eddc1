#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma text: the one text form of a list of short texts (catalogue lines, colour rows, the
// damage table, the parts-list viewer).
namespace rivet {

// Splits a comma text into its items. Blanks (codes 1..32) around items and commas are
// skipped; a double-quoted item may hold blanks, commas and doubled quotes; an unquoted item
// ends at the next blank or comma. At most maxItems items are taken; the rest of the text is
// not looked at.
std::vector<std::string> splitCommaText(std::string_view text, std::size_t maxItems = std::string::npos);

// The catalogue's name for the same split.
inline std::vector<std::string> splitCatalogueLine(std::string_view line)
{
    return splitCommaText(line);
}

// Joins items with single commas, quoting an item that holds a blank or control character,
// a double quote or a comma; a list of one empty item is written as two double quotes.
std::string joinCommaText(const std::vector<std::string>& items);

// Sets a grid row (or column) from a comma text: every cell is cleared, then filled from the
// first on; an empty item is stored as a single space; items beyond the last cell are dropped.
void assignCommaText(std::vector<std::string>& cells, std::string_view text);

} // namespace rivet
