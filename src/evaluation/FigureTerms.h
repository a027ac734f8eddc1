#pragma once

#include "catalogue/Part.h"
#include "catalogue/Slots.h"

#include <array>
#include <cstdint>

// What each part adds to the sums the figures are made of. computeTotals and the figures'
// breakdowns both read these, so a breakdown always adds up to the figure it explains.
namespace rivet {

// The sums a selector's part takes part in, besides the price, to which every part adds.
struct SlotShare
{
    Selector selector;
    bool armour; // AP and both defences: head, core, arms, legs
    bool usesEnergy; // its energy in both energy uses (the legs have columns of their own)
    bool onLegs; // its weight is carried by the legs
    bool onCore; // its weight is carried by the core
    bool boosted; // its weight is moved by the thrust
};

// clang-format off
inline constexpr std::array<SlotShare, kSelectorCount> kSlotShares = {{
    // selector          armour usesEnergy onLegs onCore boosted
    {HeadSelector,       true,  true,      true,  false, true},
    {CoreSelector,       true,  true,      true,  false, true},
    {ArmsSelector,       true,  true,      true,  true,  true},
    {LegsSelector,       true,  false,     false, false, true},
    {GeneratorSelector,  false, false,     true,  false, false},
    {FcsSelector,        false, true,      true,  false, true},
    {BoosterSelector,    false, true,      true,  false, true},
    {ArmWeaponSelector,  false, true,      true,  true,  true},
    {BladeSelector,      false, true,      true,  true,  true},
    {RightBackSelector,  false, true,      true,  false, true},
    {LeftBackSelector,   false, true,      true,  false, true},
}};
// clang-format on

constexpr const SlotShare& shareOf(Selector selector)
{
    return kSlotShares[selectorIndex(selector)];
}

// Where the thrust of the boost figures comes from: the booster's boost, or the drive of
// caterpillar legs, whatever booster is fitted.
struct Thrust
{
    Selector source;
    std::int32_t value;
};
Thrust thrustOf(const Part& legs, const Part& booster);

// The stabiliser option that counts: SP-ABS (4) when ticked, else SP-ABS/Re (13) when ticked,
// else 0. The two bonuses never add up.
int countedStabiliser(bool stabiliser, bool stabiliserRe);
// The stability option box n adds when it is the one that counts.
std::int32_t stabiliserBonusOf(int n);

} // namespace rivet
