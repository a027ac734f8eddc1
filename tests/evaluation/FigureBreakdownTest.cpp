#include "evaluation/FigureBreakdown.h"
#include "support/FactoryCatalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

using namespace rivet;
using rivet::test::factoryTable;
using rivet::test::selectionOf;

namespace {

struct Machine
{
    const char* name;
    Selection selection;
};

Selection withOptions(Selection selection, std::initializer_list<int> ticked)
{
    for (int n : ticked) {
        selection.setOption(n, true);
    }
    return selection;
}

Selection startupWith(Selector selector, const char* part)
{
    Selection selection = rivet::test::startupSelection();
    selection.setPosition(selector, rivet::test::positionOf(selector, part));
    return selection;
}

std::vector<Machine> machines()
{
    Selection hungry = startupWith(RightBackSelector, "P77-ST");
    hungry.setPosition(LeftBackSelector, rivet::test::positionOf(LeftBackSelector, "P77-ST"));
    return {
        {"start-up", rivet::test::startupSelection()},
        {"screens and both stabilisers", withOptions(rivet::test::startupSelection(), {4, 8, 9, 13, 2, 5})},
        {"stabiliser re only", withOptions(rivet::test::startupSelection(), {13})},
        {"caterpillar", startupWith(LegsSelector, "LC-UKI60")},
        {"four legs over the limits",
         selectionOf(
             {"HD-GRY-NX", "XCA-00", "AN-101", "LF-205-SF", "GPS-VVA", "COMDEX-C7", "B-PT000", "", "", "", ""})},
        {"overloaded legs", startupWith(LegsSelector, "LN-501")},
        {"generator too weak", hungry},
        {"nothing fitted", Selection {}},
    };
}

double sumOf(const std::vector<BreakdownTerm>& terms)
{
    return std::accumulate(terms.begin(), terms.end(), 0.0,
                           [](double sum, const BreakdownTerm& term) { return sum + term.value; });
}

// What the terms of a figure add up to: the number itself, or for a coefficient the defence
// total it is worked out from; the boost figures and durabilities name their operands.
std::optional<double> termsTotal(Figure figure, const MachineTotals& t)
{
    switch (describe(figure).kind) {
    case FigureKind::Coefficient:
        return describe(figure).defence == Defence::Shell ? t.shellDefenceTotal : t.beamDefenceTotal;
    case FigureKind::Durability:
    case FigureKind::Boost:
        return std::nullopt;
    default:
        return t.*describe(figure).whole;
    }
}

} // namespace

TEST(FigureBreakdown, everyFigureOfEveryKindIsAccountedFor)
{
    for (const Machine& machine : machines()) {
        const MachineEvaluation evaluation = evaluateSelection(factoryTable(), machine.selection);
        const MachineTotals& t = evaluation.totals;
        for (Figure f : allFigures()) {
            SCOPED_TRACE(std::string(machine.name) + " " + describe(f).labelName);
            const FigureBreakdown b = explainFigure(factoryTable(), evaluation, f);
            EXPECT_EQ(b.text, evaluation.figures[f].text);
            EXPECT_EQ(b.warning, figureWarns(t, f));
            EXPECT_FALSE(b.steps.empty());
            for (const BreakdownTerm& term : b.terms) {
                EXPECT_NE(term.value, 0) << term.source;
            }
            if (const auto total = termsTotal(f, t)) {
                EXPECT_EQ(sumOf(b.terms), *total);
                // What counts for the number first, each side largest first.
                for (std::size_t i = 1; i < b.terms.size(); ++i) {
                    const double before = b.terms[i - 1].value;
                    const double after = b.terms[i].value;
                    EXPECT_TRUE((before > 0 && after < 0) || std::abs(before) >= std::abs(after))
                        << b.terms[i - 1].source << " before " << b.terms[i].source;
                }
            } else if (describe(f).kind == FigureKind::Boost && t.thrust != 0) {
                ASSERT_EQ(b.terms.size(), 2u);
                EXPECT_EQ(b.terms[0].value, t.thrust);
                EXPECT_EQ(b.terms[1].value, t.boostMass);
            }
        }
    }
}

TEST(FigureBreakdown, namesWhatWeighsInEachRule)
{
    struct Case
    {
        const char* machine;
        Figure figure;
        const char* source; // a term that must be there
        double value;
        bool warning;
        const char* step; // a part of one of the steps
    };
    const Case cases[] = {
        {"screens and both stabilisers", Figure::Stability, "chk4", 800, false, "重ねても加わらない"},
        {"stabiliser re only", Figure::Stability, "chk13", 1600, false, "合計 2504"},
        {"screens and both stabilisers", Figure::ShellCoefficient, "chk8", 1835 - 1596, false, "15 % 増し → 1835"},
        {"caterpillar", Figure::GroundBoostSpeed, "cb4", 10000, false, "コード 07 を表示、判定は計算値 32"},
        {"four legs over the limits", Figure::RiseBoostSpeed, "cb7", 23400, true, "上限 49 を"},
        {"overloaded legs", Figure::SpareLoad, "cb4", 3520, true, "重いもの：腕 "},
        {"generator too weak", Figure::RestEnergy, "cb10", 2480, true, "消費の多いもの：右肩武器 P77-ST 2480"},
        {"start-up", Figure::ShellDurability, "ed9", 28, false, "AP 8231 × 96"},
    };
    const auto all = machines();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.machine) + " " + describe(c.figure).labelName);
        const auto machine
            = std::find_if(all.begin(), all.end(), [&](const Machine& m) { return m.name == std::string(c.machine); });
        ASSERT_NE(machine, all.end());
        const FigureBreakdown b
            = explainFigure(factoryTable(), evaluateSelection(factoryTable(), machine->selection), c.figure);
        EXPECT_TRUE(std::any_of(b.terms.begin(), b.terms.end(),
                                [&](const BreakdownTerm& t) { return t.source == c.source && t.value == c.value; }));
        EXPECT_EQ(b.warning, c.warning);
        EXPECT_TRUE(std::any_of(b.steps.begin(), b.steps.end(), [&](const std::string& s) {
            return s.find(c.step) != std::string::npos;
        })) << ::testing::PrintToString(b.steps);
    }
}
