#include "evaluation/AssemblyRules.h"

namespace rivet {

namespace {

constexpr int kArms = 3;
constexpr int kLegs = 4;
constexpr int kBooster = 7;
constexpr int kArmWeapon = 8;
constexpr int kBlade = 9;
constexpr int kRightBack = 10;
constexpr int kLeftBack = 11;

// Character at a 1-based position of a code; nothing past its end.
char codeAt(const std::string& code, std::size_t position)
{
    return position <= code.size() ? code[position - 1] : '\0';
}

} // namespace

Selection applyAssemblyRules(const PartsTable& table, const Selection& selection)
{
    const Tparts& legs = selectedPart(table, selection, kLegs);
    const Tparts& armWeapon = selectedPart(table, selection, kArmWeapon);
    const Tparts& rightBack = selectedPart(table, selection, kRightBack);
    const Tparts& leftBack = selectedPart(table, selection, kLeftBack);
    const char legKind = codeAt(legs.legType, 1);
    // The arms rule reads the text the arms selector shows, which is the part's name.
    const int armsPosition = selection.position(kArms);
    const std::string armsText = armsPosition >= 0 ? selectedPart(table, selection, kArms).name : std::string();

    Selection corrected = selection;
    if ((legKind == 'F' || legKind == 'C' || legs.name == "LN-SSVR") && armWeapon.name == "WG-1-KARASAWA") {
        corrected.setPosition(kArmWeapon, 0);
    }
    if (legKind == 'C') {
        corrected.setPosition(kBooster, 0);
    }
    if (armsPosition >= 10) {
        corrected.setPosition(kArmWeapon, 0);
        corrected.setPosition(kBlade, 0);
    }
    if (armsText == "ANKS-1A46J" && codeAt(rightBack.shoulder, 2) != 'D' && codeAt(leftBack.shoulder, 2) != 'D') {
        corrected.setPosition(kRightBack, 0);
        corrected.setPosition(kLeftBack, 0);
    }
    return corrected;
}

Selection pairBackWeapons(const PartsTable& table, const Selection& selection, BackSide changed)
{
    const int own = changed == BackSide::Right ? kRightBack : kLeftBack;
    const int other = changed == BackSide::Right ? kLeftBack : kRightBack;
    Selection paired = selection;
    if (codeAt(selectedPart(table, selection, own).shoulder, 1) == '2'
        || codeAt(selectedPart(table, selection, other).shoulder, 1) == '2') {
        paired.setPosition(other, 0);
    }
    return paired;
}

} // namespace rivet
