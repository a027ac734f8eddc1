#include "optimiser/Optimiser.h"
#include "optimiser/SearchSpace.h"
#include "support/FactoryCatalogue.h"

#include <gtest/gtest.h>

using namespace rivet;

namespace {

TEST(Optimiser, proposesOnlyMachinesTheWindowShowsAsProposed)
{
    struct Case
    {
        const char* what;
        std::array<std::string, kSelectorCount> parts; // cb1..cb11
        bool proposable;
    };
    const Case cases[] = {
        {"two-slot weapon alone on the right",
         {"", "", "AN-101", "LN-1001", "", "", "", "", "", "WX-S800-GF", ""},
         true},
        {"two-slot weapon alone on the left", {"", "", "", "LN-1001", "", "", "", "", "", "", "WX-S800/2"}, true},
        {"two-slot weapon beside another",
         {"", "", "", "LN-1001", "", "", "", "", "", "WX-S800-GF", "WM-S40/1"},
         false},
        {"two two-slot weapons", {"", "", "", "LN-1001", "", "", "", "", "", "WX-S800/2", "WX-S800-GF"}, false},
        {"ANKS arms without a D mark", {"", "", "ANKS-1A46J", "", "", "", "", "", "", "WM-S40/1", ""}, false},
        {"ANKS arms with a radar", {"", "", "ANKS-1A46J", "", "", "", "", "", "", "WM-S40/1", "RXA-01WE"}, true},
        {"ANKS arms with empty backs", {"", "", "ANKS-1A46J", "", "", "", "", "", "", "", ""}, true},
        {"KARASAWA on four legs", {"", "", "", "LF-205-SF", "", "", "", "WG-1-KARASAWA", "", "", ""}, false},
        {"KARASAWA on two legs", {"", "", "", "LN-1001", "", "", "", "WG-1-KARASAWA", "", "", ""}, true},
        {"caterpillar with a booster", {"", "", "", "LC-MOS18", "", "", "B-P320", "", "", "", ""}, false},
        {"weapon arms with a blade", {"", "", "AW-MG25/2", "", "", "", "", "", "LS-2001", "", ""}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isProposable(test::factoryTable(), test::selectionOf(c.parts)), c.proposable) << c.what;
    }
    // A selector without an item would be set to NO EQUIP by a rule that fires on it.
    Selection withoutItem = test::selectionOf({"", "", "", "LC-MOS18", "", "", "", "", "", "", ""});
    withoutItem.setPosition(BoosterSelector, -1);
    EXPECT_FALSE(isProposable(test::factoryTable(), withoutItem));
}

TEST(Optimiser, everyFigureReadFromOneSumIsBoundedByThatSum)
{
    // A figure of these kinds without its sum would still be searched right, but unbounded:
    // the search would examine every machine.
    for (Figure figure : allFigures()) {
        const FigureKind kind = describe(figure).kind;
        const bool oneSum = kind == FigureKind::Sum || kind == FigureKind::Spare || kind == FigureKind::EnergyUse;
        EXPECT_EQ(search::fieldOf(figure).has_value(), oneSum) << describe(figure).labelName;
    }
    EXPECT_EQ(search::fieldOf(Figure::SpareLoad), search::LoadSlackField);
    EXPECT_EQ(search::fieldOf(Figure::MoveEnergy), search::MoveUseField);
}

OptimiserRequest factoryRequest(Figure goal, Direction direction)
{
    OptimiserRequest request;
    request.start = test::startupSelection();
    request.goal = Goal {goal, direction};
    return request;
}

TEST(Optimiser, anImpossibleRequirementLeavesNoMachineAndBoundsEverythingAway)
{
    OptimiserRequest request = factoryRequest(Figure::Ap, Direction::Higher);
    request.requirements.push_back({Figure::Price, Requirement::Kind::AtMost, 100000});
    request.requirements.push_back({Figure::Ap, Requirement::Kind::AtLeast, 12000});
    SearchControl control;
    const OptimiserResult result = optimise(test::factoryTable(), request, &control);
    EXPECT_TRUE(result.machines.empty());
    EXPECT_GT(result.boundedAway, 1'000'000'000'000u);
    EXPECT_EQ(control.progress(), 1.0);
}

TEST(Optimiser, aCancelStopsTheSearchAndKeepsWhatWasCovered)
{
    // The thousand largest energy uses while moving, options free, take the search a while:
    // long enough to be cancelled once it has covered a part, as a dialog's cancel button would.
    OptimiserRequest request = factoryRequest(Figure::MoveEnergy, Direction::Higher);
    request.freeOptions = true;
    request.top = 1000;
    SearchControl control;
    int reports = 0;
    control.setProgressCallback([&](double share) {
        EXPECT_GE(share, 0.0);
        EXPECT_LE(share, 1.0);
        ++reports;
        if (share > 0) {
            control.cancel();
        }
    });
    const OptimiserResult result = optimise(test::factoryTable(), request, &control);
    EXPECT_TRUE(result.cancelled);
    EXPECT_GE(reports, 1);
    EXPECT_LT(control.progress(), 1.0);
    EXPECT_GT(result.candidates(), 0u) << "stopped in the middle of the search, not before it";

    SearchControl cancelledBefore;
    cancelledBefore.cancel();
    EXPECT_TRUE(optimise(test::factoryTable(), request, &cancelledBefore).cancelled);
}

} // namespace
