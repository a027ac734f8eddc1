#pragma once

#include "catalogue/PartsTable.h"

#include <array>

namespace rivet {

// The parts the player has chosen: the item position of each selector cb1..cb11 (index 0 is
// cb1; -1 when the selector has no item) and the ticks of the option boxes 1..13 (index 0 is
// option 1).
struct Selection
{
    std::array<int, kSelectorCount> positions {};
    std::array<bool, kOptionCount> options {};

    int position(int selector) const { return positions.at(static_cast<std::size_t>(selector - 1)); }
    void setPosition(int selector, int item) { positions.at(static_cast<std::size_t>(selector - 1)) = item; }
    bool option(int n) const { return options.at(static_cast<std::size_t>(n - 1)); }
    void setOption(int n, bool ticked) { options.at(static_cast<std::size_t>(n - 1)) = ticked; }

    bool operator==(const Selection& other) const { return positions == other.positions && options == other.options; }
};

// The part selector cb<selector> stands on. A selector without an item, or one whose
// position lies outside its slot group, counts as its NO EQUIP entry, so no rule and no
// figure ever reads outside the group.
const Part& selectedPart(const PartsTable& table, const Selection& selection, int selector);

// Option n when its box is ticked and the catalogue has it; nullptr otherwise.
const Part* tickedOption(const PartsTable& table, const Selection& selection, int n);

} // namespace rivet
