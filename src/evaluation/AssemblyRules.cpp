#include "evaluation/AssemblyRules.h"

namespace rivet {

namespace {

// Character at a 1-based position of a code; nothing past its end.
char codeAt(const std::string& code, std::size_t position)
{
    return position <= code.size() ? code[position - 1] : '\0';
}

} // namespace

Selection applyAssemblyRules(const PartsTable& table, const Selection& selection)
{
    const Part& legs = selectedPart(table, selection, LegsSelector);
    const Part& armWeapon = selectedPart(table, selection, ArmWeaponSelector);
    const Part& rightBack = selectedPart(table, selection, RightBackSelector);
    const Part& leftBack = selectedPart(table, selection, LeftBackSelector);
    const char legKind = codeAt(legs.legType, 1);
    // The arms rule reads the text the arms selector shows, which is the part's name.
    const int armsPosition = selection.position(ArmsSelector);
    const std::string armsText = armsPosition >= 0 ? selectedPart(table, selection, ArmsSelector).name : std::string();

    Selection corrected = selection;
    if ((legKind == 'F' || legKind == 'C' || legs.name == "LN-SSVR") && armWeapon.name == "WG-1-KARASAWA") {
        corrected.setPosition(ArmWeaponSelector, 0);
    }
    if (legKind == 'C') {
        corrected.setPosition(BoosterSelector, 0);
    }
    if (armsPosition >= 10) {
        corrected.setPosition(ArmWeaponSelector, 0);
        corrected.setPosition(BladeSelector, 0);
    }
    if (armsText == "ANKS-1A46J" && codeAt(rightBack.shoulder, 2) != 'D' && codeAt(leftBack.shoulder, 2) != 'D') {
        corrected.setPosition(RightBackSelector, 0);
        corrected.setPosition(LeftBackSelector, 0);
    }
    return corrected;
}

Selection pairBackWeapons(const PartsTable& table, const Selection& selection, BackSide changed)
{
    const int own = changed == BackSide::Right ? RightBackSelector : LeftBackSelector;
    const int other = changed == BackSide::Right ? LeftBackSelector : RightBackSelector;
    Selection paired = selection;
    if (codeAt(selectedPart(table, selection, own).shoulder, 1) == '2'
        || codeAt(selectedPart(table, selection, other).shoulder, 1) == '2') {
        paired.setPosition(other, 0);
    }
    return paired;
}

} // namespace rivet
