// The document's change path: what each kind of change does to the machine and to the save
// action.
#include "document/MachineDocument.h"
#include "common/Failure.h"
#include "support/FactoryCatalogue.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <random>

using namespace rivet;
using rivet::test::positionOf;

namespace {

class Document : public ::testing::Test
{
protected:
    Document()
        : document(rivet::test::factoryTable())
    {
        document.startNew();
    }

    MachineDocument document;
};

} // namespace

// The drop-down and the parts-list viewer build the same machine: a two-slot weapon picked
// for one side empties the other.
TEST_F(Document, aTwoSlotWeaponPickedInThePartsListEmptiesTheOtherSide)
{
    const int twoSlot = positionOf(RightBackSelector, "WX-S800-GF");
    ASSERT_NE(document.position(LeftBackSelector), 0);
    document.pickPart(RightBackSelector, twoSlot);
    EXPECT_EQ(document.position(RightBackSelector), twoSlot);
    EXPECT_EQ(document.position(LeftBackSelector), 0);

    MachineDocument chosen(rivet::test::factoryTable());
    chosen.startNew();
    chosen.choosePart(RightBackSelector, twoSlot);
    EXPECT_EQ(chosen.machine(), document.machine());
}

namespace {

// One random change of any kind the player can make.
void randomChange(MachineDocument& document, std::mt19937& random)
{
    const auto pick = [&random](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    const Selector selector = selectorAt(static_cast<std::size_t>(pick(kSelectorCount)));
    const int item = pick(document.itemCount(selector));
    try {
        switch (pick(11)) {
        case 0:
            document.choosePart(selector, item);
            break;
        case 1:
            document.pickPart(selector, item);
            break;
        case 2:
            document.tickOption(1 + pick(kOptionCount), pick(2) == 1);
            break;
        case 3: {
            Selection proposal = document.machine().selection;
            proposal.setPosition(selector, item);
            document.setSelection(proposal);
            break;
        }
        case 4:
            document.setText(static_cast<TextField>(pick(4)), "名前" + std::to_string(pick(3)));
            break;
        case 5:
            document.setDescription(pick(2) ? "一行\n二行" : "説明" + std::to_string(pick(9)));
            break;
        case 6:
            document.pressColorCell(pick(5), pick(5));
            break;
        case 7:
            document.setChannelSlider(static_cast<Channel>(pick(3)), pick(70));
            break;
        case 8: // a field may be left blank, which stops the edit part way
            document.setChannelField(static_cast<Channel>(pick(3)), pick(4) ? std::to_string(pick(99)) : "");
            break;
        case 9:
            document.pressGridKey(pick(2) ? ColorEditor::kKeyC : ColorEditor::kKeyV, true);
            document.releaseGridKey();
            break;
        default:
            document.setPilotSetting(1 + pick(PilotSettings::kSettingCount), pick(201) - 100);
            if (pick(2)) {
                document.endStep();
            }
            break;
        }
    } catch (const Failure&) {
    }
}

} // namespace

TEST_F(Document, everyChangeUndoesToTheStartAndRedoesToTheEnd)
{
    rivet::test::TempHome home;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        document.startNew();
        const Machine start = document.machine();
        for (int i = 0; i < 60; ++i) {
            randomChange(document, random);
            if (i == 30 && seed % 2 == 0) {
                document.setFileName(home.path() + "random.asm");
                document.save();
            }
        }
        const Machine end = document.machine();
        const MachineEvaluation endFigures = document.evaluation();
        while (document.canUndo()) {
            document.undo();
        }
        EXPECT_EQ(document.machine(), start);
        EXPECT_EQ(document.saveEnabled(), document.machine() != document.savedCopy());
        while (document.canRedo()) {
            document.redo();
        }
        EXPECT_EQ(document.machine(), end);
        EXPECT_EQ(document.evaluation().selection, endFigures.selection);
        EXPECT_EQ(document.saveEnabled(), end != document.savedCopy());
    }
}

TEST_F(Document, stepsAreNamedMergedAndGiveBackTheForgottenFile)
{
    rivet::test::TempHome home;
    const std::string file = home.path() + "named.asm";
    document.setFileName(file);
    document.save();

    document.choosePart(LegsSelector, positionOf(LegsSelector, "LN-1001"));
    EXPECT_EQ(document.undoName(), "脚 LN-1001");
    EXPECT_TRUE(document.saveEnabled());
    document.undo();
    EXPECT_FALSE(document.saveEnabled()) << "back at the saved machine";
    EXPECT_EQ(document.redoName(), "脚 LN-1001");

    // Typing in one field is one step, and its undo gives back the file the typing forgot.
    for (const char* text : {"a", "ab", "abc"}) {
        document.setText(TextField::MachineName, text);
    }
    EXPECT_EQ(document.currentFile(), kNoFile);
    EXPECT_EQ(document.undoName(), "機体名");
    EXPECT_FALSE(document.canRedo()) << "a new step drops what was undone";
    document.undo();
    EXPECT_EQ(document.machine().machineName, "へっぽこ１号");
    EXPECT_EQ(document.currentFile(), file);
    document.redo();
    EXPECT_EQ(document.machine().machineName, "abc");
    EXPECT_EQ(document.currentFile(), kNoFile);

    // One drag of a pilot setting is one step; the next drag is another.
    document.setPilotSetting(2, 10);
    document.setPilotSetting(2, 20);
    document.endStep();
    document.setPilotSetting(2, 30);
    document.undo();
    EXPECT_EQ(document.machine().pilot.value(2), 20);
    EXPECT_EQ(document.undoName(), "射撃頻度");

    // The edits of one colour cell are one step; the sliders follow its undo.
    document.setChannelSlider(Channel::Red, 5);
    document.setChannelField(Channel::Green, "7");
    EXPECT_EQ(document.undoName(), "機体色 HEAD BASE");
    document.undo();
    EXPECT_EQ(document.machine().colors.cell(1, 1), "323628");
    EXPECT_EQ(document.colorEditor().slider(Channel::Red), 32);
    EXPECT_EQ(document.colorEditor().field(Channel::Green), "36");
}

TEST_F(Document, aThousandStepsAreKept)
{
    for (int i = 0; i < 1100; ++i) {
        document.setPilotSetting(2, i % 100);
        document.endStep();
    }
    EXPECT_EQ(document.historySteps(), MachineHistory::kLimit);
    document.open("/nonexistent/fresh.asm");
    EXPECT_FALSE(document.canUndo()) << "an open starts a fresh history";
}
