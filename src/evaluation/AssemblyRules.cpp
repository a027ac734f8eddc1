#include "evaluation/AssemblyRules.h"

#include "evaluation/PartTraits.h"

namespace rivet {

Selection applyAssemblyRules(const PartsTable& table, const Selection& selection)
{
    const Part& legs = selectedPart(table, selection, LegsSelector);
    const Part& arms = selectedPart(table, selection, ArmsSelector);
    const Part& armWeapon = selectedPart(table, selection, ArmWeaponSelector);
    const Part& rightBack = selectedPart(table, selection, RightBackSelector);
    const Part& leftBack = selectedPart(table, selection, LeftBackSelector);
    const int armsPosition = selection.position(ArmsSelector);

    Selection corrected = selection;
    if (forbidsKarasawa(legs) && isKarasawa(armWeapon)) {
        corrected.setPosition(ArmWeaponSelector, 0);
    }
    if (isCaterpillar(legs)) {
        corrected.setPosition(BoosterSelector, 0);
    }
    if (isWeaponArms(armsPosition)) {
        corrected.setPosition(ArmWeaponSelector, 0);
        corrected.setPosition(BladeSelector, 0);
    }
    if (isAnksArms(arms, armsPosition) && !hasDMark(rightBack) && !hasDMark(leftBack)) {
        corrected.setPosition(RightBackSelector, 0);
        corrected.setPosition(LeftBackSelector, 0);
    }
    return corrected;
}

Selection pairBackWeapons(const PartsTable& table, const Selection& selection, BackSide changed)
{
    const Selector own = changed == BackSide::Right ? RightBackSelector : LeftBackSelector;
    const Selector other = changed == BackSide::Right ? LeftBackSelector : RightBackSelector;
    Selection paired = selection;
    if (isTwoSlotWeapon(selectedPart(table, selection, own))
        || isTwoSlotWeapon(selectedPart(table, selection, other))) {
        paired.setPosition(other, 0);
    }
    return paired;
}

} // namespace rivet
