#pragma once

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

// Reads a catalogue file for the viewer. Lines end as the catalogue loader ends them, and
// empty lines are skipped as it skips them, so rows and selector items stay aligned. The grid
// has two columns more than the header line has items; items beyond the last column are
// dropped. Fails with the I/O message ("ファイルが見つかりません", "I/O エラー (%d)").
PartsListing loadPartsListing(const std::string& path);

} // namespace rivet
