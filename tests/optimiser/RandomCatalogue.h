#pragma once

#include "catalogue/PartsTable.h"

#include <array>
#include <cstdint>

namespace rivet::test {

// How a random catalogue is drawn: parts per slot (not counting NO EQUIP; the back-weapon
// group serves both back selectors), option rows, and what kind of numbers.
struct CatalogueShape
{
    std::array<int, kSlotCount> parts {};
    int options = 13;
    bool coarse = false; // numbers from a few values, so that machines tie
    bool heavyArmour = false; // defence totals around the coefficients' zero
    bool negatives = false; // a few negative numbers
};

// A small catalogue with random numbers whose parts make the assembly rules fire: four-legged,
// caterpillar and LN-SSVR legs, ANKS-1A46J arms, the KARASAWA rifle, weapon arms from position
// 10 on (when there are that many arms), one- and two-slot back weapons with and without the
// D mark.
PartsTable randomCatalogue(std::uint32_t seed, const CatalogueShape& shape);

} // namespace rivet::test
