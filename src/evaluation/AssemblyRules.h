#pragma once

#include "evaluation/Selection.h"

namespace rivet {

// Corrects combinations the game forbids by resetting the conflicting selectors to NO EQUIP.
// Every rule looks at the positions as they were before any rule ran:
// 1. the KARASAWA rifle goes with four-legged and caterpillar legs and with LN-SSVR;
// 2. caterpillar legs drop the booster;
// 3. weapon arms (arms position 10 and later) drop the arm weapon and the blade;
// 4. ANKS-1A46J arms drop both back weapons unless one of them carries the D mark.
Selection applyAssemblyRules(const PartsTable& table, const Selection& selection);

// Which back-weapon selector the player just changed.
enum class BackSide { Right, Left };

// A two-slot back weapon stands alone: when the player changes one side, the other side is
// emptied if either side now holds a weapon whose mount code begins with "2".
Selection pairBackWeapons(const PartsTable& table, const Selection& selection, BackSide changed);

// The player's choice of item `item` for a selector, before the evaluation: the item put in
// place and, for a back weapon, the pairing. The selector and the parts-list viewer choose
// alike, so a two-slot weapon picked in the viewer empties the other side too.
Selection choosePart(const PartsTable& table, const Selection& selection, Selector selector, int item);

} // namespace rivet
