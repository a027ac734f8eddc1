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

    int position(Selector selector) const { return positions.at(selectorIndex(selector)); }
    void setPosition(Selector selector, int item) { positions.at(selectorIndex(selector)) = item; }
    bool option(int n) const { return options.at(optionIndex(n)); }
    void setOption(int n, bool ticked) { options.at(optionIndex(n)) = ticked; }

    bool operator==(const Selection& other) const { return positions == other.positions && options == other.options; }
};

// The part a selector stands on. A selector without an item, or one whose
// position lies outside its slot group, counts as its NO EQUIP entry, so no rule and no
// figure ever reads outside the group.
const Part& selectedPart(const PartsTable& table, const Selection& selection, Selector selector);

// Option n when its box is ticked and the catalogue has it; nullptr otherwise.
const Part* tickedOption(const PartsTable& table, const Selection& selection, int n);

} // namespace rivet
