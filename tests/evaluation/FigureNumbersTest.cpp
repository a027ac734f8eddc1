#include "evaluation/FigureNumbers.h"
#include "evaluation/MachineTotals.h"
#include "support/FactoryCatalogue.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace rivet;

namespace {

using Number = std::optional<double>;

TEST(FigureNumbers, differencesAndDirectionsFollowEachFiguresSense)
{
    struct Case
    {
        Figure figure;
        Number base;
        Number other;
        Number difference;
        Better better;
    };
    const Case cases[] = {
        {Figure::Ap, 8431, 8231, -200, Better::Base}, // AP: more is better
        {Figure::Price, 218500, 227100, 8600, Better::Base}, // price: less is better
        {Figure::Weight, 5868, 5732, -136, Better::Other}, // weight
        {Figure::FreeSlots, 8, 2, -6, Better::Base}, // free slots
        {Figure::RestEnergy, 3376, 3517, 141, Better::Base}, // energy use at rest
        {Figure::ShellCoefficient, 27, 23, -4, Better::Other}, // a lower coefficient is harder to damage
        {Figure::BeamCoefficient, 31, 31, 0, Better::Neither},
        {Figure::ShellDurability, 29977, std::nullopt, std::nullopt, Better::Neither}, // unbounded durability
        {Figure::GroundBoostSpeed, 39.7, 38.8, -0.9, Better::Base}, // decimal noise rounded away
        {Figure::RiseBoostSpeed, 26.5, 39.7, 13.2, Better::Other},
        {Figure::RiseBoostAcceleration, 33.1, 33.1, 0, Better::Neither},
        {Figure::Stability, 904, 1818, 914, Better::Other},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(describe(c.figure).labelName);
        const Number difference = figureDifference(c.figure, c.base, c.other);
        ASSERT_EQ(difference.has_value(), c.difference.has_value());
        if (difference) {
            EXPECT_EQ(*difference, *c.difference);
        }
        EXPECT_EQ(betterOf(c.figure, c.base, c.other), c.better);
    }
}

TEST(FigureNumbers, aSearchGoalMayCountAFigureTheOtherWayRound)
{
    // Looking for the heaviest machine, the lighter proposal is the worse one.
    EXPECT_EQ(favouredBy(-136, describe(Figure::Weight).better), Better::Other);
    EXPECT_EQ(favouredBy(-136, Direction::Higher), Better::Base);
    EXPECT_EQ(favouredBy(0, Direction::Higher), Better::Neither);
    EXPECT_EQ(favouredBy(std::nullopt, Direction::Lower), Better::Neither);
}

TEST(FigureNumbers, groundSpeedIsTheComputedOneAndEmptyMachinesHaveNoBoostNumbers)
{
    // Four-legged legs show their code ("26"), but the number is the computed speed.
    const Selection fourLegged = test::selectionOf(
        {"HD-GRY-NX", "XCA-00", "AN-101", "LF-205-SF", "GPS-VVA", "COMDEX-C7", "B-PT000", "", "", "", ""});
    const MachineTotals totals = computeTotals(test::factoryTable(), fourLegged);
    EXPECT_EQ(figureNumber(totals, Figure::GroundBoostSpeed), Number(102.7));
    EXPECT_EQ(figureNumber(totals, Figure::SpareLoad), Number(totals.spareLoad));

    MachineTotals empty;
    EXPECT_FALSE(figureNumber(empty, Figure::GroundBoostSpeed).has_value());
    EXPECT_FALSE(figureNumber(empty, Figure::RiseBoostAcceleration).has_value());
    EXPECT_EQ(figureNumber(empty, Figure::Ap), Number(0));
}

} // namespace

TEST(FigureTable, namesReachTheirFiguresAndSelectorsAndNothingElse)
{
    for (Figure figure : allFigures()) {
        EXPECT_EQ(figureNamed(describe(figure).labelName), figure);
    }
    for (Selector selector : allSelectors()) {
        EXPECT_EQ(selectorNamed(selectorName(selector)), selector);
    }
    EXPECT_EQ(figureNamed("ed13"), Figure::GroundBoostSpeed);
    EXPECT_EQ(selectorNamed("cb10"), RightBackSelector);
    for (const char* name : {"", "ed", "ed0", "ed17", "ED1", "ed1 ", "lbS2", "cb1"}) {
        EXPECT_FALSE(figureNamed(name)) << name;
    }
    for (const char* name : {"", "cb", "cb0", "cb12", "CB1", "cb01", "ed1"}) {
        EXPECT_FALSE(selectorNamed(name)) << name;
    }
}
