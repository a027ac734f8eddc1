#include "evaluation/Selection.h"

namespace rivet {

namespace {

const Part& emptySlot(int slot)
{
    static const std::array<Part, kSlotCount> entries = [] {
        std::array<Part, kSlotCount> parts;
        for (int s = 0; s < kSlotCount; ++s) {
            parts[static_cast<std::size_t>(s)] = noEquipPart(s);
        }
        return parts;
    }();
    return entries.at(slotIndex(slot));
}

} // namespace

const Part& selectedPart(const PartsTable& table, const Selection& selection, Selector selector)
{
    const int slot = slotOfSelector(selector);
    const int item = selection.position(selector);
    // Items past the end marker are not offered by the selector; the end marker itself is not
    // a part either.
    if (item >= 1 && item < table.itemCount(slot)) {
        if (const Part* part = table.part(slot, item)) {
            return *part;
        }
    }
    return emptySlot(slot);
}

int shownPosition(const PartsTable& table, const Selection& selection, Selector selector)
{
    const int item = selection.position(selector);
    return item >= 0 && item < table.itemCount(slotOfSelector(selector)) ? item : -1;
}

Selection shownSelection(const PartsTable& table, const Selection& selection)
{
    Selection shown = selection;
    for (Selector selector : allSelectors()) {
        shown.setPosition(selector, shownPosition(table, selection, selector));
    }
    return shown;
}

const Part* tickedOption(const PartsTable& table, const Selection& selection, int n)
{
    if (!selection.option(n)) {
        return nullptr;
    }
    return table.option(n);
}

} // namespace rivet
