#include "evaluation/AssemblyRules.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/MachineTotals.h"
#include "support/FactoryCatalogue.h"

#include <gtest/gtest.h>

using namespace rivet;
using rivet::test::factoryTable;
using rivet::test::selectionOf;

namespace {

struct Expected
{
    const char* text;
    const char* verdict; // nullptr where the figure has no verdict label
    bool warning;
};

void expectFigures(const Selection& selection, const std::vector<Expected>& expected)
{
    const Selection corrected = applyAssemblyRules(factoryTable(), selection);
    const MachineTotals totals = computeTotals(factoryTable(), corrected);
    const auto figures = figureTexts(totals, selectedPart(factoryTable(), corrected, LegsSelector));
    ASSERT_EQ(expected.size(), figures.size());
    for (std::size_t i = 0; i < figures.size(); ++i) {
        SCOPED_TRACE(describe(figureAt(i)).labelName);
        EXPECT_EQ(figures[i].text, expected[i].text);
        EXPECT_EQ(figures[i].warning, expected[i].warning);
        if (expected[i].verdict) {
            EXPECT_EQ(figures[i].verdict, std::optional<std::string>(expected[i].verdict));
        } else {
            EXPECT_FALSE(figures[i].verdict.has_value());
        }
    }
}

Selection firstExample()
{
    return selectionOf({"HD-01-SRVT", "XCA-00", "AN-101", "LN-1001", "GPS-VVA", "COMDEX-C7", "B-P320", "WG-RF35",
                        "LS-2001", "WM-S40/1", ""});
}

// The figures of a machine that is nothing but a booster of that thrust and weight.
MachineTotals boosterOnlyTotals(int boost, int weight)
{
    Part booster;
    booster.boost = boost;
    booster.weight = weight;
    PartsTable table;
    table.store(kSlotGroups[BoosterSlot].first, noEquipPart(BoosterSlot));
    table.store(kSlotGroups[BoosterSlot].first + 1, booster);
    table.store(kSlotGroups[BoosterSlot].first + 2, endMarkerPart());
    Selection selection;
    selection.positions.fill(0);
    selection.setPosition(BoosterSelector, 1);
    return computeTotals(table, selection);
}

} // namespace

TEST(Figures, theStandardMachine)
{
    expectFigures(firstExample(),
                  {{"8431", nullptr, false},
                   {"218500", "安いぜ！", false},
                   {"5732", nullptr, false},
                   {"754/4520", "", false},
                   {"1004/2770", "", false},
                   {"8/8", "", false},
                   {"3376/6000", "普通", false},
                   {"4458/6000", "普通", false},
                   {"27/1624", "紙飛行機並み", false},
                   {"31/1559", "紙飛行機並み", false},
                   {"29977", nullptr, false},
                   {"26109", nullptr, false},
                   {"39.7", "やや推力不足", false},
                   {"26.5", "やや推力不足", false},
                   {"33.1", "やや推力不足", false},
                   {"1018", nullptr, false}});
}

TEST(Figures, screensAndStabilisersChangeDefenceAndStability)
{
    Selection selection = firstExample();
    for (int n : {4, 8, 9, 13}) {
        selection.setOption(n, true);
    }
    const MachineTotals t = computeTotals(factoryTable(), selection);
    const auto f = figureTexts(t, selectedPart(factoryTable(), selection, LegsSelector));
    EXPECT_EQ(f[1].text, "387600");
    EXPECT_EQ(f[5].text, "2/8");
    EXPECT_EQ(f[8].text, "23/1868");
    EXPECT_EQ(f[9].text, "27/1793");
    EXPECT_EQ(f[10].text, "35190");
    EXPECT_EQ(f[11].text, "29977");
    EXPECT_EQ(f[15].text, "1818") << "only the bonus of SP-ABS applies";
    selection.setOption(4, false);
    EXPECT_EQ(computeTotals(factoryTable(), selection).totalStability, 1018 + 1600);
}

TEST(Figures, theStartUpMachine)
{
    expectFigures(rivet::test::startupSelection(),
                  {{"8231", nullptr, false},
                   {"227100", "安いぜ！", false},
                   {"5868", nullptr, false},
                   {"154/4130", "", false},
                   {"1004/2770", "", false},
                   {"8/8", "", false},
                   {"3517/6000", "普通", false},
                   {"4820/6000", "普通", false},
                   {"28/1596", "紙飛行機並み", false},
                   {"32/1536", "紙飛行機並み", false},
                   {"28221", nullptr, false},
                   {"24693", nullptr, false},
                   {"38.8", "やや推力不足", false},
                   {"25.9", "やや推力不足", false},
                   {"32.3", "推力不足", false},
                   {"904", nullptr, false}});
}

TEST(Figures, fourLeggedMachineShowsItsTypeSpeedButJudgesTheComputedOne)
{
    const Selection selection = selectionOf(
        {"HD-GRY-NX", "XCA-00", "AN-101", "LF-205-SF", "GPS-VVA", "COMDEX-C7", "B-PT000", "", "", "", ""});
    const MachineTotals t = computeTotals(factoryTable(), selection);
    EXPECT_DOUBLE_EQ(t.groundBoostSpeed, 102.7);
    const auto f = figureTexts(t, selectedPart(factoryTable(), selection, LegsSelector));
    EXPECT_EQ(f[12].text, "26");
    EXPECT_TRUE(f[12].warning);
    EXPECT_EQ(f[12].verdict, std::optional<std::string>("MAX:63オーバー"));
    EXPECT_EQ(f[13].text, "68.5");
    EXPECT_EQ(f[13].verdict, std::optional<std::string>("MAX:49オーバー"));
    EXPECT_TRUE(f[13].warning);
    EXPECT_EQ(f[14].text, "85.6");
    EXPECT_EQ(f[14].verdict, std::optional<std::string>("MAX:63オーバー"));
}

TEST(Figures, caterpillarsUseTheirOwnThrustAndShowTheirCode)
{
    const Selection selection = selectionOf(
        {"HD-01-SRVT", "XCA-00", "AN-101", "LC-MOS18", "GPS-VVA", "COMDEX-C7", "B-PT000", "", "", "", ""});
    const Selection corrected = applyAssemblyRules(factoryTable(), selection);
    EXPECT_EQ(corrected.position(BoosterSelector), 0) << "the booster is removed";
    const MachineTotals t = computeTotals(factoryTable(), selection);
    EXPECT_EQ(t.thrust, 10000) << "whatever the booster selector holds";
    EXPECT_EQ(figureTexts(t, selectedPart(factoryTable(), selection, LegsSelector))[12].text, "06");
}

TEST(Figures, boostQuotientsHeldAsDoublesRoundDown)
{
    // 9800 × 22 / 8000 = 26.95 and 23400 × 22 / 8000 = 64.35, both held just below.
    EXPECT_DOUBLE_EQ(boosterOnlyTotals(9800, 8000).groundBoostSpeed, 26.9);
    EXPECT_DOUBLE_EQ(boosterOnlyTotals(23400, 8000).groundBoostSpeed, 64.3);
}

TEST(Figures, risingFiguresAreTheGroundSpeedsQuotientsRoundedOnce)
{
    // A thrust of t moving 220 gives the ground speed t / 10. 32.7 × 5 / 6 lies just above
    // 27.25 and 18.9 × 5 / 6 just below 15.75; rounding 32.7 × 5 to a double first would make
    // both exact halves.
    struct Case
    {
        int thrust;
        double ground, rise, acceleration;
    };
    for (const Case& c : {Case {327, 32.7, 21.8, 27.3}, Case {171, 17.1, 11.4, 14.3}, Case {189, 18.9, 12.6, 15.7}}) {
        const MachineTotals t = boosterOnlyTotals(c.thrust, 220);
        EXPECT_EQ(t.groundBoostSpeed, c.ground) << c.thrust;
        EXPECT_EQ(t.riseBoostSpeed, c.rise) << c.thrust;
        EXPECT_EQ(t.riseBoostAcceleration, c.acceleration) << c.thrust;
    }
}

TEST(Figures, divisionsByZeroGiveSoundTexts)
{
    // Nothing fitted but a generator: nothing to move, and the defence coefficients are not 0.
    PartsTable table;
    Selection selection;
    selection.positions.fill(-1);
    const MachineTotals empty = computeTotals(factoryTable(), selection);
    EXPECT_EQ(empty.boostMass, 0);
    const auto f = figureTexts(empty, selectedPart(factoryTable(), selection, LegsSelector));
    EXPECT_EQ(f[12].text, "0");
    EXPECT_EQ(f[13].text, "0");
    EXPECT_EQ(f[14].text, "0");
    EXPECT_EQ(f[12].verdict, std::optional<std::string>("推力不足"));

    MachineTotals zero;
    zero.totalAp = 5000;
    zero.shellCoefficient = 0;
    zero.shellDurability = std::nullopt;
    EXPECT_EQ(figureTexts(zero, noEquipPart(LegsSlot))[10].text, "∞");
}

TEST(Figures, selectorWithoutItemOrOutOfRangeCountsAsNoEquip)
{
    Selection selection = firstExample();
    selection.setPosition(HeadSelector, -1);
    selection.setPosition(LegsSelector, 500);
    selection.setPosition(LeftBackSelector, 50); // past the end marker of the back-weapon group
    const MachineTotals t = computeTotals(factoryTable(), selection);
    EXPECT_EQ(t.legLoadCapacity, 0);
    EXPECT_EQ(t.totalAp, 8431 - 816 - 3235);
}
