#include "catalogue/PartsTable.h"

namespace rivet {

Part noEquipPart(int slot)
{
    Part part;
    part.slot = slot;
    part.name = "NO EQUIP";
    part.legType = "0";
    part.description = "no";
    return part;
}

Part endMarkerPart()
{
    Part part;
    part.name = "end";
    return part;
}

const Part* PartsTable::entry(int index) const
{
    if (index < 0 || index >= kPartsTableSize) {
        return nullptr;
    }
    return m_entries[static_cast<std::size_t>(index)].get();
}

void PartsTable::store(int index, Part part)
{
    m_entries.at(static_cast<std::size_t>(index)) = std::make_unique<Part>(std::move(part));
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SlotGroup group = kSlotGroups[slotIndex(slot)];
        if (index >= group.first && index < group.first + group.size) {
            m_itemCounts[slotIndex(slot)] = countItems(slot);
        }
    }
}

const Part* PartsTable::part(int slot, int item) const
{
    if (slot < 0 || slot >= kSlotCount) {
        return nullptr;
    }
    const SlotGroup group = kSlotGroups[slotIndex(slot)];
    if (item < 0 || item >= group.size) {
        return nullptr;
    }
    return entry(group.first + item);
}

const Part* PartsTable::option(int n) const
{
    if (n < 1 || n > kOptionCount) {
        return nullptr;
    }
    if (n >= itemCount(OptionSlot)) {
        return nullptr; // past the last row of a short option catalogue
    }
    return part(OptionSlot, n);
}

int PartsTable::itemCount(int slot) const
{
    if (slot < 0 || slot >= kSlotCount) {
        return 0;
    }
    return m_itemCounts[slotIndex(slot)];
}

int PartsTable::countItems(int slot) const
{
    const SlotGroup group = kSlotGroups[slotIndex(slot)];
    if (!entry(group.first)) {
        return 0;
    }
    int count = 1;
    while (count < group.size) {
        const Part* p = entry(group.first + count);
        if (!p || p->name == "end") {
            break;
        }
        ++count;
    }
    return count;
}

std::vector<std::string> PartsTable::selectorItems(int slot) const
{
    std::vector<std::string> items {"NO EQUIP"};
    if (slot < 0 || slot >= kSlotCount) {
        return items;
    }
    const SlotGroup group = kSlotGroups[slotIndex(slot)];
    for (int i = 1; i < group.size; ++i) {
        const Part* p = entry(group.first + i);
        if (!p || p->name == "end") {
            break;
        }
        items.push_back(p->name);
    }
    return items;
}

} // namespace rivet
