#pragma once

#include "catalogue/Part.h"

#include <cstdint>

// What the assembly rules, the back-weapon pairing and the thrust read of a part. The
// evaluation and the optimiser's search both ask here, so they cannot read a part differently.
namespace rivet {

// Caterpillar legs (leg type "C..."): they move on their own drive and take no booster.
bool isCaterpillar(const Part& legs);
// The thrust of caterpillar legs, whatever booster is fitted.
inline constexpr std::int32_t kCaterpillarThrust = 10000;

// Legs the KARASAWA rifle does not go with: four-legged ("F..."), caterpillar, and LN-SSVR.
bool forbidsKarasawa(const Part& legs);
bool isKarasawa(const Part& armWeapon);

// Arms from position 10 on carry their own weapons: no arm weapon and no blade.
bool isWeaponArms(int armsPosition);
// The ANKS-1A46J arms. The rule reads the text the arms selector shows, which a selector
// without an item does not have.
bool isAnksArms(const Part& arms, int armsPosition);

// A back weapon whose mount code begins with "2" takes both back slots; a "D" second in the
// code is the D mark.
bool isTwoSlotWeapon(const Part& backWeapon);
bool hasDMark(const Part& backWeapon);

} // namespace rivet
