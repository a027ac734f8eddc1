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
        int index;
        Number base;
        Number other;
        Number difference;
        Better better;
    };
    const Case cases[] = {
        {0, 8431, 8231, -200, Better::Base}, // AP: more is better
        {1, 218500, 227100, 8600, Better::Base}, // price: less is better
        {2, 5868, 5732, -136, Better::Other}, // weight
        {5, 8, 2, -6, Better::Base}, // free slots
        {6, 3376, 3517, 141, Better::Base}, // energy use at rest
        {8, 27, 23, -4, Better::Other}, // a lower coefficient is harder to damage
        {9, 31, 31, 0, Better::Neither},
        {10, 29977, std::nullopt, std::nullopt, Better::Neither}, // unbounded durability
        {12, 39.7, 38.8, -0.9, Better::Base}, // decimal noise rounded away
        {13, 26.5, 39.7, 13.2, Better::Other},
        {14, 33.1, 33.1, 0, Better::Neither},
        {15, 904, 1818, 914, Better::Other},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(figureLabelName(c.index));
        const Number difference = figureDifference(c.index, c.base, c.other);
        ASSERT_EQ(difference.has_value(), c.difference.has_value());
        if (difference) {
            EXPECT_EQ(*difference, *c.difference);
        }
        EXPECT_EQ(betterOf(c.index, c.base, c.other), c.better);
    }
}

TEST(FigureNumbers, aSearchGoalMayCountAFigureTheOtherWayRound)
{
    // Looking for the heaviest machine, the lighter proposal is the worse one.
    EXPECT_EQ(favouredBy(-136, betterDirection(2)), Better::Other);
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
    EXPECT_EQ(figureNumber(totals, 12), Number(102.7));
    EXPECT_EQ(figureNumber(totals, 3), Number(totals.spareLoad));

    MachineTotals empty;
    EXPECT_FALSE(figureNumber(empty, 12).has_value());
    EXPECT_FALSE(figureNumber(empty, 14).has_value());
    EXPECT_EQ(figureNumber(empty, 0), Number(0));
}

} // namespace
