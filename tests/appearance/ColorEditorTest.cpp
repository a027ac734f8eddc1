#include "appearance/ColorEditor.h"

#include "common/Failure.h"

#include <gtest/gtest.h>

#include <functional>

using rivet::Channel;
using rivet::ColorEditor;

namespace {

class ColorEditorTest : public ::testing::Test
{
protected:
    // The editor as the window shows it after start-up, with nothing unsaved.
    void startUp()
    {
        editor.resetColorScheme(scheme);
        clearMark();
    }

    // Whether an edit since the last clearMark() enabled the save action.
    bool marked()
    {
        modified = editor.takeSaveMark() || modified;
        return modified;
    }

    void clearMark()
    {
        editor.takeSaveMark();
        modified = false;
    }

    std::vector<int> sliders() const
    {
        return {editor.slider(Channel::Red), editor.slider(Channel::Green), editor.slider(Channel::Blue)};
    }

    std::vector<std::string> fields() const
    {
        return {editor.field(Channel::Red), editor.field(Channel::Green), editor.field(Channel::Blue)};
    }

    static std::string failureOf(const std::function<void()>& edit)
    {
        try {
            edit();
        } catch (const rivet::Failure& failure) {
            return failure.what();
        }
        return "no failure";
    }

    std::string failureOfField(Channel channel, const std::string& text)
    {
        return failureOf([&] { editor.setField(scheme, channel, text); });
    }

    bool modified = false;
    rivet::ColorScheme scheme;
    ColorEditor editor;
};

using Ints = std::vector<int>;
using Texts = std::vector<std::string>;

} // namespace

TEST_F(ColorEditorTest, resetFillsFactoryColorsAndTakesTheFirstCell)
{
    // As the window is built: fields at 31, sliders at 0, a black summary.
    EXPECT_EQ(fields(), (Texts {"31", "31", "31"}));
    EXPECT_EQ(sliders(), (Ints {0, 0, 0}));

    editor.resetColorScheme(scheme);
    EXPECT_EQ(editor.gridCell(scheme, 0, 0), " ");
    EXPECT_EQ(editor.gridCell(scheme, 1, 0), "BASE");
    EXPECT_EQ(editor.gridCell(scheme, 4, 0), "JOINT");
    EXPECT_EQ(editor.gridCell(scheme, 0, 4), "LEGS");
    EXPECT_EQ(scheme.regionRowText(1), "HEAD,323628,162012,182412,121812");
    EXPECT_EQ(scheme.regionRowText(4), "LEGS,323628,162012,182412,121812");
    EXPECT_EQ(editor.currentColumn(), 1);
    EXPECT_EQ(editor.currentRow(), 1);
    EXPECT_EQ(sliders(), (Ints {32, 36, 28}));
    EXPECT_EQ(fields(), (Texts {"32", "36", "28"}));
    // The sliders passed through mixed colours on the way; the cell ends as its own colour.
    EXPECT_EQ(editor.gridCell(scheme, 1, 1), "323628");
    EXPECT_EQ(editor.lineColor(), "323628/162012/182412/121812");
    EXPECT_EQ(editor.copyBuffer(), "000000");
    EXPECT_EQ(editor.hint(), "各マス目はctrl+Cでコピー、\rctrl+Vでペーストできます。");
    EXPECT_TRUE(marked());
}

TEST_F(ColorEditorTest, movingASliderRewritesFieldCellAndSummary)
{
    startUp();
    editor.setSlider(scheme, Channel::Red, 5);
    EXPECT_EQ(fields(), (Texts {"5", "36", "28"}));
    EXPECT_EQ(editor.gridCell(scheme, 1, 1), "053628");
    EXPECT_EQ(editor.lineColor(), "053628/162012/182412/121812");
    EXPECT_TRUE(marked());

    // Clamped into 0..64, and a position that does not move raises nothing.
    editor.setSlider(scheme, Channel::Blue, 200);
    EXPECT_EQ(editor.slider(Channel::Blue), 64);
    EXPECT_EQ(editor.gridCell(scheme, 1, 1), "053664");
    clearMark();
    editor.setSlider(scheme, Channel::Blue, 64);
    editor.setSlider(scheme, Channel::Green, 36);
    EXPECT_FALSE(marked());
}

TEST_F(ColorEditorTest, aFieldAbove64IsClampedAndShowsTheClampedValue)
{
    startUp();
    editor.setField(scheme, Channel::Red, "99");
    EXPECT_EQ(editor.slider(Channel::Red), 64);
    EXPECT_EQ(editor.field(Channel::Red), "64");
    EXPECT_EQ(editor.gridCell(scheme, 1, 1), "643628");
    EXPECT_EQ(editor.lineColor(), "643628/162012/182412/121812");

    // Already at 64: the slider does not move, so the field keeps what was typed.
    editor.setField(scheme, Channel::Red, "70");
    EXPECT_EQ(editor.field(Channel::Red), "70");
    EXPECT_EQ(editor.slider(Channel::Red), 64);
    EXPECT_EQ(editor.gridCell(scheme, 1, 1), "643628");
}

TEST_F(ColorEditorTest, aFieldThatIsNoWholeNumberChangesNothing)
{
    startUp();
    EXPECT_EQ(failureOfField(Channel::Red, "1.5"), "'1.5' は整数ではありません");
    EXPECT_EQ(sliders(), (Ints {32, 36, 28}));
    EXPECT_EQ(editor.gridCell(scheme, 1, 1), "323628");
    EXPECT_EQ(failureOfField(Channel::Red, ""), "'' は整数ではありません");
    EXPECT_EQ(sliders(), (Ints {32, 36, 28}));
    EXPECT_EQ(editor.gridCell(scheme, 1, 1), "323628");
    EXPECT_EQ(fields(), (Texts {"", "36", "28"}));

    // A blue move first rewrites the blank red field, whose change reads the blue field before
    // it was rewritten: the blue slider springs back.
    editor.setSlider(scheme, Channel::Blue, 10);
    EXPECT_EQ(sliders(), (Ints {32, 36, 28}));
    EXPECT_EQ(fields(), (Texts {"32", "36", "28"}));
    EXPECT_EQ(editor.gridCell(scheme, 1, 1), "323628");

    // With every field whole again, a move goes through.
    editor.setSlider(scheme, Channel::Blue, 10);
    EXPECT_EQ(fields(), (Texts {"32", "36", "10"}));
    EXPECT_EQ(editor.gridCell(scheme, 1, 1), "323610");
}

TEST_F(ColorEditorTest, aBlankFieldStopsTheRippleOfAnEarlierSlider)
{
    startUp();
    EXPECT_THROW(editor.setField(scheme, Channel::Blue, ""), rivet::Failure);
    // The red slider writes its field first, whose change then trips over the blank blue field:
    // the red move stays, the cell keeps its colour.
    EXPECT_EQ(failureOf([&] { editor.setSlider(scheme, Channel::Red, 10); }), "'' は整数ではありません");
    EXPECT_EQ(editor.slider(Channel::Red), 10);
    EXPECT_EQ(editor.field(Channel::Red), "10");
    EXPECT_EQ(editor.gridCell(scheme, 1, 1), "323628");
}

TEST_F(ColorEditorTest, pasteBeforeAnyCopyGivesBlack)
{
    startUp();
    editor.keyDown(scheme, ColorEditor::kKeyV, true);
    EXPECT_EQ(editor.gridCell(scheme, 1, 1), "000000");
    // The sliders follow when the key is released.
    EXPECT_EQ(sliders(), (Ints {32, 36, 28}));
    editor.keyUp(scheme);
    EXPECT_EQ(sliders(), (Ints {0, 0, 0}));
    EXPECT_EQ(fields(), (Texts {"0", "0", "0"}));
    EXPECT_EQ(editor.gridCell(scheme, 1, 1), "000000");
    EXPECT_EQ(editor.lineColor(), "000000/162012/182412/121812");
}

TEST_F(ColorEditorTest, copyBaseOfHeadToJointOfLegs)
{
    startUp();
    editor.keyDown(scheme, ColorEditor::kKeyC, true);
    editor.keyUp(scheme);
    EXPECT_EQ(editor.copyBuffer(), "323628");
    editor.moveCurrent(4, 4);
    editor.keyUp(scheme);
    EXPECT_EQ(sliders(), (Ints {12, 18, 12}));
    clearMark();

    // Shift or Alt with Ctrl is no paste.
    editor.keyDown(scheme, ColorEditor::kKeyV, false);
    editor.keyUp(scheme);
    EXPECT_EQ(editor.gridCell(scheme, 4, 4), "121812");
    EXPECT_FALSE(marked());

    editor.keyDown(scheme, ColorEditor::kKeyV, true);
    editor.keyUp(scheme);
    EXPECT_EQ(editor.gridCell(scheme, 4, 4), "323628");
    EXPECT_EQ(sliders(), (Ints {32, 36, 28}));
    EXPECT_EQ(editor.lineColor(), "323628/162012/182412/323628");
    EXPECT_TRUE(marked());
    // The copy buffer outlives the paste.
    EXPECT_EQ(editor.copyBuffer(), "323628");
}

TEST_F(ColorEditorTest, selectingMarksModifiedOnlyForADifferentColor)
{
    startUp();
    editor.mouseDown(scheme, 1, 3); // BASE of ARMS: the same factory colour
    EXPECT_EQ(editor.currentColumn(), 1);
    EXPECT_EQ(editor.currentRow(), 3);
    EXPECT_FALSE(marked());

    editor.mouseDown(scheme, 2, 3); // OPTIONAL of ARMS
    EXPECT_TRUE(marked());
    EXPECT_EQ(sliders(), (Ints {16, 20, 12}));
    EXPECT_EQ(fields(), (Texts {"16", "20", "12"}));
    EXPECT_EQ(editor.gridCell(scheme, 2, 3), "162012");
    EXPECT_EQ(editor.gridCell(scheme, 1, 3), "323628");

    // Headers and the corner select nothing.
    clearMark();
    editor.mouseDown(scheme, 0, 2);
    editor.mouseDown(scheme, 3, 0);
    editor.mouseDown(scheme, 0, 0);
    EXPECT_EQ(editor.currentColumn(), 2);
    EXPECT_EQ(editor.currentRow(), 3);
    EXPECT_FALSE(marked());
}

TEST_F(ColorEditorTest, cursorMovesStayWithinTheColorCells)
{
    startUp();
    editor.moveCurrent(0, 0);
    EXPECT_EQ(editor.currentColumn(), 1);
    EXPECT_EQ(editor.currentRow(), 1);
    editor.moveCurrent(7, 9);
    EXPECT_EQ(editor.currentColumn(), 4);
    EXPECT_EQ(editor.currentRow(), 4);
    // Moving alone leaves the sliders for the key release.
    EXPECT_EQ(sliders(), (Ints {32, 36, 28}));
}

TEST_F(ColorEditorTest, regionRowsFollowTheCommaTextRules)
{
    startUp();
    scheme.setRegionRow(4, "LEGS,101010,202020,303030,404040,505050,606060");
    EXPECT_EQ(scheme.regionRowText(4), "LEGS,101010,202020,303030,404040");

    scheme.setRegionRow(3, "ARMS,,121212");
    EXPECT_EQ(editor.gridCell(scheme, 0, 3), "ARMS");
    EXPECT_EQ(editor.gridCell(scheme, 1, 3), " ");
    EXPECT_EQ(editor.gridCell(scheme, 2, 3), "121212");
    EXPECT_EQ(editor.gridCell(scheme, 3, 3), "");
    EXPECT_EQ(scheme.regionRowText(3), "ARMS,\" \",121212,,");

    // The first item always lands in the header column.
    scheme.setRegionRow(2, "323628,162012");
    EXPECT_EQ(editor.gridCell(scheme, 0, 2), "323628");
    EXPECT_EQ(editor.gridCell(scheme, 1, 2), "162012");

    // Setting rows raises nothing: the controls still show the current cell as it was.
    EXPECT_FALSE(marked());
    EXPECT_EQ(sliders(), (Ints {32, 36, 28}));
    EXPECT_THROW(scheme.setRegionRow(0, "x"), rivet::Failure);
    EXPECT_THROW(scheme.regionRowText(5), rivet::Failure);
}

TEST_F(ColorEditorTest, loadedRowsReachTheControlsThroughLoadCellChannels)
{
    startUp();
    scheme.setRegionRow(1, "HEAD,162012,162012,182412,121812");
    editor.loadCellChannels(scheme);
    editor.refreshLineColor(scheme);
    EXPECT_EQ(sliders(), (Ints {16, 20, 12}));
    EXPECT_EQ(fields(), (Texts {"16", "20", "12"}));
    EXPECT_EQ(editor.lineColor(), "162012/162012/182412/121812");

    // A hand-edited cell beyond the sliders' range is taken in clamped and normalised.
    scheme.setRegionRow(2, "CORE,999999,162012,182412,121812");
    editor.mouseDown(scheme, 1, 2);
    EXPECT_EQ(sliders(), (Ints {64, 64, 64}));
    EXPECT_EQ(fields(), (Texts {"64", "64", "64"}));
    EXPECT_EQ(editor.gridCell(scheme, 1, 2), "646464");

    // A cell that cannot be split stops the selection after the summary.
    scheme.setRegionRow(3, "ARMS,damaged,162012,182412,121812");
    clearMark();
    EXPECT_EQ(failureOf([&] { editor.mouseDown(scheme, 1, 3); }), "'da' は整数ではありません");
    EXPECT_EQ(editor.lineColor(), "damaged/162012/182412/121812");
    EXPECT_EQ(editor.gridCell(scheme, 1, 3), "damaged");
    EXPECT_FALSE(marked());
}
