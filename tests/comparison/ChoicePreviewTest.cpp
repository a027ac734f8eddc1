#include "comparison/ChoicePreview.h"
#include "support/FactoryCatalogue.h"

#include <gtest/gtest.h>

using namespace rivet;
using rivet::test::factoryTable;
using rivet::test::positionOf;
using rivet::test::selectionOf;

namespace {

MachineEvaluation machine(const std::string& legs, const std::string& right, const std::string& left)
{
    return evaluateSelection(factoryTable(),
                             selectionOf({"HD-01-SRVT", "XCA-00", "AN-101", legs, "GPS-VVA", "COMDEX-C7", "B-P320",
                                          "WG-RF35", "LS-2001", right, left}));
}

std::vector<Selector> changedSelectors(const ChoicePreview& preview)
{
    std::vector<Selector> selectors;
    for (const PartDifference& part : preview.comparison.parts) {
        selectors.push_back(part.selector);
    }
    return selectors;
}

} // namespace

TEST(ChoicePreview, showsWhatTheRulesAndThePairingChangeAlongWithTheChoice)
{
    const MachineEvaluation current = machine("LN-1001", "WM-S40/1", "WM-S40/2");
    struct Case
    {
        const char* what;
        Selector selector;
        std::string item;
        std::vector<Selector> alongWith;
    };
    const Case cases[] = {
        {"caterpillar legs drop the booster", LegsSelector, "LC-UKI60", {BoosterSelector}},
        {"a two-slot weapon empties the other side", RightBackSelector, "WX-S800-GF", {LeftBackSelector}},
        {"an ordinary weapon changes only its own side", LeftBackSelector, "WM-S40/1", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ChoicePreview preview
            = previewChoice(factoryTable(), current, c.selector, positionOf(c.selector, c.item));
        EXPECT_EQ(changedSelectors(preview), c.alongWith);
        EXPECT_EQ(preview.machine.selection.position(c.selector), positionOf(c.selector, c.item));
        for (Selector selector : c.alongWith) {
            EXPECT_EQ(preview.machine.selection.position(selector), 0);
            EXPECT_EQ(preview.comparison.parts.front().other, "NO EQUIP");
        }
        EXPECT_FALSE(preview.changesNothing());
    }

    // Four-legged legs do not carry the KARASAWA: choosing it takes the rifle shown off too.
    const ChoicePreview refused = previewChoice(factoryTable(), machine("LF-205-SF", "", ""), ArmWeaponSelector,
                                                positionOf(ArmWeaponSelector, "WG-1-KARASAWA"));
    EXPECT_FALSE(refused.equipped());
    EXPECT_EQ(changedSelectors(refused), std::vector<Selector> {ArmWeaponSelector});
    EXPECT_EQ(refused.comparison.parts.front().base, "WG-RF35");

    // The caterpillars' figure shows their code, the difference the computed speed (33 with
    // the thrust 10000 against 39.7).
    const ChoicePreview tracks = previewChoice(factoryTable(), machine("LN-1001", "WM-S40/1", ""), LegsSelector,
                                               positionOf(LegsSelector, "LC-UKI60"));
    const FigureComparison& speed = tracks.comparison.figures[Figure::GroundBoostSpeed];
    EXPECT_EQ(speed.base, "39.7");
    EXPECT_EQ(speed.other, "07");
    EXPECT_EQ(speed.difference, -6.7);
    EXPECT_EQ(speed.better, Better::Base);
}

TEST(ChoicePreview, theItemAlreadyShownChangesNothing)
{
    // The file may hold two-slot weapons on both sides; choosing the one shown raises no change
    // event, so the pairing does not empty the other side.
    const MachineEvaluation current = machine("LN-1001", "WX-S800-GF", "WX-S800/2");
    const ChoicePreview same
        = previewChoice(factoryTable(), current, RightBackSelector, positionOf(RightBackSelector, "WX-S800-GF"));
    EXPECT_TRUE(same.changesNothing());
    EXPECT_EQ(same.machine.selection, current.selection);
    EXPECT_EQ(same.comparison.figures[Figure::Price].difference, 0.0);

    const std::vector<ChoicePreview> list = previewList(factoryTable(), current, LegsSelector);
    ASSERT_EQ(static_cast<int>(list.size()), factoryTable().itemCount(LegsSlot));
    for (const ChoicePreview& preview : list) {
        EXPECT_EQ(preview.changesNothing(), preview.item == current.selection.position(LegsSelector)) << preview.item;
    }
    EXPECT_TRUE(previewChoice(factoryTable(), current, LegsSelector, 999).changesNothing());
}

TEST(MachineComparison, listsTheDifferingPartsAndOptions)
{
    MachineEvaluation base = machine("LN-1001", "WM-S40/1", "");
    Selection otherSelection = base.selection;
    otherSelection.setPosition(LegsSelector, positionOf(LegsSelector, "LN-1001-PX-0"));
    otherSelection.setOption(4, true);
    const MachineEvaluation other = evaluateSelection(factoryTable(), otherSelection);
    const MachineComparison comparison = compareMachines(factoryTable(), base, other);
    ASSERT_EQ(comparison.parts.size(), 1u);
    EXPECT_EQ(comparison.parts[0].selector, LegsSelector);
    EXPECT_EQ(comparison.parts[0].base, "LN-1001");
    EXPECT_EQ(comparison.parts[0].other, "LN-1001-PX-0");
    ASSERT_EQ(comparison.options.size(), 1u);
    EXPECT_EQ(comparison.options[0].name, "SP-ABS");
    EXPECT_EQ(comparison.figures[Figure::Stability].base, "1018");
    EXPECT_EQ(comparison.figures[Figure::Stability].better, Better::Other); // the stabiliser outweighs the lighter legs
    EXPECT_EQ(differenceText(comparison.figures[Figure::GroundBoostSpeed].difference), "+0.6");
    EXPECT_EQ(differenceText(std::nullopt), "");
    EXPECT_EQ(differenceText(800.0), "+800");
}

TEST(ChoicePreview, namesTheFiguresTheChoiceWouldTurnIntoWarnings)
{
    const MachineEvaluation current = machine("LF-205-SF", "", "");
    const int strongest = positionOf(BoosterSelector, "B-PT000");
    const ChoicePreview over = previewChoice(factoryTable(), current, BoosterSelector, strongest);
    EXPECT_EQ(over.warnings,
              (std::vector<Figure> {Figure::GroundBoostSpeed, Figure::RiseBoostSpeed, Figure::RiseBoostAcceleration}));
    // No generator: what the machine uses is short of output, which stands against it too; a
    // machine short of output already is not made so by the choice.
    const ChoicePreview none = previewChoice(factoryTable(), machine("LN-1001", "WM-S40/1", ""), GeneratorSelector, 0);
    EXPECT_EQ(none.warnings, (std::vector<Figure> {Figure::RestEnergy, Figure::MoveEnergy}));
    const ChoicePreview hungry
        = previewChoice(factoryTable(), machine("LN-1001", "P77-ST", "P77-ST"), GeneratorSelector, 0);
    EXPECT_TRUE(hungry.warnings.empty());
}
