#include "evaluation/AssemblyRules.h"
#include "support/FactoryCatalogue.h"

#include <gtest/gtest.h>

using namespace rivet;
using rivet::test::factoryTable;
using rivet::test::positionOf;
using rivet::test::selectionOf;

namespace {

Selection machine(const std::string& arms, const std::string& legs, const std::string& armWeapon,
                  const std::string& right, const std::string& left)
{
    return selectionOf(
        {"HD-01-SRVT", "XCA-00", arms, legs, "GPS-VVA", "COMDEX-C7", "B-P320", armWeapon, "LS-2001", right, left});
}

} // namespace

TEST(AssemblyRules, karasawaGoesWithFourLegsCaterpillarsAndLnSsvr)
{
    for (const char* legs : {"LF-205-SF", "LN-SSVR", "LC-UKI60"}) {
        const Selection corrected
            = applyAssemblyRules(factoryTable(), machine("AN-101", legs, "WG-1-KARASAWA", "", ""));
        EXPECT_EQ(corrected.position(ArmWeaponSelector), 0) << legs;
    }
    const Selection kept = applyAssemblyRules(factoryTable(), machine("AN-101", "LN-1001", "WG-1-KARASAWA", "", ""));
    EXPECT_EQ(kept.position(ArmWeaponSelector), positionOf(ArmWeaponSelector, "WG-1-KARASAWA"));
    const Selection rifle = applyAssemblyRules(factoryTable(), machine("AN-101", "LF-205-SF", "WG-RF35", "", ""));
    EXPECT_EQ(rifle.position(ArmWeaponSelector), 1);
}

TEST(AssemblyRules, weaponArmsDropArmWeaponAndBlade)
{
    Selection selection = machine("AN-891-S", "LN-1001", "WG-RF35", "", "");
    EXPECT_EQ(selection.position(ArmsSelector), 9);
    EXPECT_EQ(applyAssemblyRules(factoryTable(), selection), selection);
    selection.setPosition(ArmsSelector, 10);
    const Selection corrected = applyAssemblyRules(factoryTable(), selection);
    EXPECT_EQ(corrected.position(ArmWeaponSelector), 0);
    EXPECT_EQ(corrected.position(BladeSelector), 0);
}

TEST(AssemblyRules, anksArmsNeedADMarkOnTheBack)
{
    const Selection dropped = applyAssemblyRules(factoryTable(), machine("ANKS-1A46J", "LN-1001", "", "WM-S40/1", ""));
    EXPECT_EQ(dropped.position(RightBackSelector), 0);
    EXPECT_EQ(dropped.position(LeftBackSelector), 0);
    const Selection kept
        = applyAssemblyRules(factoryTable(), machine("ANKS-1A46J", "LN-1001", "", "RXA-01WE", "WM-S40/1"));
    EXPECT_EQ(kept.position(RightBackSelector), positionOf(RightBackSelector, "RXA-01WE"));
    EXPECT_EQ(kept.position(LeftBackSelector), positionOf(LeftBackSelector, "WM-S40/1"));
}

TEST(AssemblyRules, rulesReadThePositionsFromBeforeAnyRuleRan)
{
    // Caterpillars with KARASAWA on weapon arms: both rules fire from the original positions.
    Selection selection = machine("AN-101", "LC-MOS18", "WG-1-KARASAWA", "", "");
    selection.setPosition(ArmsSelector, 12);
    const Selection corrected = applyAssemblyRules(factoryTable(), selection);
    EXPECT_EQ(corrected.position(BoosterSelector), 0);
    EXPECT_EQ(corrected.position(ArmWeaponSelector), 0);
    EXPECT_EQ(corrected.position(BladeSelector), 0);
    EXPECT_EQ(applyAssemblyRules(factoryTable(), corrected), corrected);
}

TEST(BackWeaponPairing, aTwoSlotWeaponStandsAlone)
{
    Selection selection = machine("AN-101", "LN-1001", "", "WX-S800-GF", "WM-S40/1");
    selection = pairBackWeapons(factoryTable(), selection, BackSide::Right);
    EXPECT_EQ(selection.position(LeftBackSelector), 0) << "choosing the two-slot weapon empties the left side";

    selection.setPosition(LeftBackSelector, positionOf(LeftBackSelector, "WM-S40/1"));
    selection = pairBackWeapons(factoryTable(), selection, BackSide::Left);
    EXPECT_EQ(selection.position(RightBackSelector), 0) << "choosing on the left empties the two-slot right side";

    selection.setPosition(LeftBackSelector, positionOf(LeftBackSelector, "WX-S800/2"));
    selection.setPosition(RightBackSelector, 0);
    selection = pairBackWeapons(factoryTable(), selection, BackSide::Right);
    EXPECT_EQ(selection.position(LeftBackSelector), 0) << "NO EQUIP on the right still empties a two-slot left";

    Selection ordinary = machine("AN-101", "LN-1001", "", "WM-S40/1", "WM-S40/2");
    EXPECT_EQ(pairBackWeapons(factoryTable(), ordinary, BackSide::Right), ordinary);
}

TEST(BackWeaponPairing, onlyTheChangeEventPairs)
{
    // Rules alone keep two-slot weapons on both sides (a loaded file may hold them).
    const Selection both = machine("AN-101", "LN-1001", "", "WX-S800-GF", "WX-S800/2");
    EXPECT_EQ(applyAssemblyRules(factoryTable(), both), both);
}
