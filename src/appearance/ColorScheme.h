#pragma once

#include <array>
#include <string>

namespace rivet {

// The machine's sixteen colours as the colour grid holds them: one row per body region
// (1 HEAD .. 4 LEGS), each of five cells: the region's name, which is also the key the row
// is saved under, then the colour codes of the layers BASE, OPTIONAL, DETAIL and JOINT. A
// cell keeps exactly the text it was given (a hand-edited file may hold anything) until a
// channel edit rewrites it from the sliders.
struct ColorScheme
{
    static constexpr int kRegionCount = 4;
    static constexpr int kCellCount = 5; // the region's name, then the four layers

    std::array<std::array<std::string, kCellCount>, kRegionCount> rows {};

    // Cell `column` (0 the name, 1..4 the layers) of region 1..4; outside, the failure
    // "範囲チェックエラー".
    const std::string& cell(int column, int region) const;
    std::string& cell(int column, int region);

    // The region's row as one comma text, name first: "HEAD,323628,162012,182412,121812".
    std::string regionRowText(int region) const;
    // Sets the region's row from a comma text as a grid row takes it: every cell cleared,
    // then filled from the first, an empty item stored as a single space, items past the
    // fifth dropped.
    void setRegionRow(int region, const std::string& commaText);

    bool operator==(const ColorScheme& other) const { return rows == other.rows; }
    bool operator!=(const ColorScheme& other) const { return !(*this == other); }
};

} // namespace rivet
