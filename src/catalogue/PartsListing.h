#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace rivet {

// One slot's catalogue file as the parts-list viewer shows it: the caption (the file's first
// line), the column headers (row 0), "NO EQUIP" (row 1) and one row per part line (rows 2
// onward), so that row r is item r - 1 of the slot's selector.
struct PartsListing
{
    std::string caption;
    int columnCount = 0;
    std::vector<std::vector<std::string>> rows; // every row has columnCount cells
};

// The largest listing the viewer lays out. A real catalogue file has some 25 columns, at most
// a few dozen parts (the parts table holds 212 entries in all) and a few kilobytes of text;
// these limits are ten times and more above that, yet keep the viewer quick: every cell
// becomes a grid cell whose text is measured and drawn, so a header line of a million commas
// or one endless cell would freeze it.
inline constexpr int kMaxListingColumns = 256;
inline constexpr int kMaxListingRows = 1024;
inline constexpr std::size_t kMaxListingTextBytes = 256 * 1024;

// Reads a catalogue file for the viewer. Lines end as the catalogue loader ends them, and
// empty lines are skipped as it skips them, so rows and selector items stay aligned. The grid
// has two columns more than the header line has items; items beyond the last column are
// dropped. Fails with the I/O message ("ファイルが見つかりません", "I/O エラー (%d)"), or
// naming the file when it holds more text, or the grid would have more columns or rows, than
// the limits above allow.
PartsListing loadPartsListing(const std::string& path);

} // namespace rivet
