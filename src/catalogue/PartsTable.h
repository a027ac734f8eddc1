#pragma once

#include "catalogue/Part.h"
#include "catalogue/Slots.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace rivet {

inline constexpr int kPartsTableSize = 212;

// A slot's stretch of the parts table: NO EQUIP first, then the parts, then the end marker.
struct SlotGroup
{
    int first;
    int size;
};

inline constexpr std::array<SlotGroup, kSlotCount> kSlotGroups = {{
    {0, 17},
    {17, 7},
    {24, 21},
    {45, 31},
    {76, 11},
    {87, 13},
    {100, 11},
    {111, 51},
    {162, 28},
    {190, 7},
    {197, 15},
}};

// Catalogue file of each slot, by slot number.
inline constexpr std::array<const char*, kSlotCount> slotFileNames = {
    "head.dat",    "core.dat",       "arm.dat",       "leg.dat",   "generator.dat", "fcs.dat",
    "booster.dat", "backweapon.dat", "armweapon.dat", "blade.dat", "option.dat",
};

// The program-wide table of parts: filled once at start, read-only afterwards. Entry k of a
// slot group is item k of the slot's selector.
class PartsTable
{
public:
    const Part* entry(int index) const;
    void store(int index, Part part);

    // Item k of a slot's selector; nullptr when k lies outside the group or holds nothing.
    const Part* part(int slot, int item) const;
    // Option n (1..13); nullptr when the option catalogue has no such row.
    const Part* option(int n) const;

    // The items a slot's selector offers: "NO EQUIP", then the names up to the entry named
    // "end" (exact and case-sensitive, so a part named "end" ends the list early).
    std::vector<std::string> selectorItems(int slot) const;
    // How many items that selector offers (NO EQUIP included).
    int itemCount(int slot) const;

private:
    int countItems(int slot) const;

    std::array<std::unique_ptr<Part>, kPartsTableSize> m_entries;
    // Item counts per slot, kept up to date by store(): the evaluation asks for them often.
    std::array<int, kSlotCount> m_itemCounts {};
};

} // namespace rivet
