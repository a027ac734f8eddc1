#include "appearance/ColourEditor.h"

#include "common/Failure.h"

#include <gtest/gtest.h>

using rivet::Channel;
using rivet::ColourEditor;

namespace {

class ColourEditorTest : public ::testing::Test
{
protected:
    ColourEditorTest()
        : editor([this] { modified = true; })
    {
    }

    // The editor as the window shows it after start-up, with nothing unsaved.
    void startUp()
    {
        editor.resetColorScheme();
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

    std::string failureOfField(Channel channel, const std::string& text)
    {
        try {
            editor.setField(channel, text);
        } catch (const rivet::Failure& failure) {
            return failure.what();
        }
        return "no failure";
    }

    bool modified = false;
    ColourEditor editor;
};

using Ints = std::vector<int>;
using Texts = std::vector<std::string>;

} // namespace

TEST_F(ColourEditorTest, resetFillsFactoryColoursAndTakesTheFirstCell)
{
    // As the window is built: fields at 31, sliders at 0, a black summary.
    EXPECT_EQ(fields(), (Texts {"31", "31", "31"}));
    EXPECT_EQ(sliders(), (Ints {0, 0, 0}));

    editor.resetColorScheme();
    EXPECT_EQ(editor.cell(0, 0), " ");
    EXPECT_EQ(editor.cell(1, 0), "BASE");
    EXPECT_EQ(editor.cell(4, 0), "JOINT");
    EXPECT_EQ(editor.cell(0, 4), "LEGS");
    EXPECT_EQ(editor.regionRowText(1), "HEAD,323628,162012,182412,121812");
    EXPECT_EQ(editor.regionRowText(4), "LEGS,323628,162012,182412,121812");
    EXPECT_EQ(editor.currentColumn(), 1);
    EXPECT_EQ(editor.currentRow(), 1);
    EXPECT_EQ(sliders(), (Ints {32, 36, 28}));
    EXPECT_EQ(fields(), (Texts {"32", "36", "28"}));
    // The sliders passed through mixed colours on the way; the cell ends as its own colour.
    EXPECT_EQ(editor.cell(1, 1), "323628");
    EXPECT_EQ(editor.lineColor(), "323628/162012/182412/121812");
    EXPECT_EQ(editor.copyBuffer(), "000000");
    EXPECT_EQ(editor.hint(), "各マス目はctrl+Cでコピー、\rctrl+Vでペーストできます。");
    EXPECT_TRUE(modified);
}

TEST_F(ColourEditorTest, movingASliderRewritesFieldCellAndSummary)
{
    startUp();
    editor.setSlider(Channel::Red, 5);
    EXPECT_EQ(fields(), (Texts {"5", "36", "28"}));
    EXPECT_EQ(editor.cell(1, 1), "053628");
    EXPECT_EQ(editor.lineColor(), "053628/162012/182412/121812");
    EXPECT_TRUE(modified);

    // Clamped into 0..64, and a position that does not move raises nothing.
    editor.setSlider(Channel::Blue, 200);
    EXPECT_EQ(editor.slider(Channel::Blue), 64);
    EXPECT_EQ(editor.cell(1, 1), "053664");
    modified = false;
    editor.setSlider(Channel::Blue, 64);
    editor.setSlider(Channel::Green, 36);
    EXPECT_FALSE(modified);
}

TEST_F(ColourEditorTest, aFieldAbove64IsClampedAndShowsTheClampedValue)
{
    startUp();
    editor.setField(Channel::Red, "99");
    EXPECT_EQ(editor.slider(Channel::Red), 64);
    EXPECT_EQ(editor.field(Channel::Red), "64");
    EXPECT_EQ(editor.cell(1, 1), "643628");
    EXPECT_EQ(editor.lineColor(), "643628/162012/182412/121812");

    // Already at 64: the slider does not move, so the field keeps what was typed.
    editor.setField(Channel::Red, "70");
    EXPECT_EQ(editor.field(Channel::Red), "70");
    EXPECT_EQ(editor.slider(Channel::Red), 64);
    EXPECT_EQ(editor.cell(1, 1), "643628");
}

TEST_F(ColourEditorTest, aFieldThatIsNoWholeNumberChangesNothing)
{
    startUp();
    EXPECT_EQ(failureOfField(Channel::Red, "1.5"), "'1.5' は整数ではありません");
    EXPECT_EQ(failureOfField(Channel::Green, ""), "'' は整数ではありません");
    EXPECT_EQ(sliders(), (Ints {32, 36, 28}));
    EXPECT_EQ(editor.cell(1, 1), "323628");
    EXPECT_EQ(fields(), (Texts {"1.5", "", "28"}));

    // Moving the blue slider rewrites every field and the cell again.
    editor.setSlider(Channel::Blue, 10);
    EXPECT_EQ(fields(), (Texts {"32", "36", "10"}));
    EXPECT_EQ(editor.cell(1, 1), "323610");
}

TEST_F(ColourEditorTest, aBlankFieldStopsTheRippleOfAnEarlierSlider)
{
    startUp();
    EXPECT_THROW(editor.setField(Channel::Blue, ""), rivet::Failure);
    // The red slider writes its field first, whose change then trips over the blank blue field:
    // the red move stays, the cell keeps its colour.
    EXPECT_EQ(failureOfSlider(), "'' は整数ではありません");
    EXPECT_EQ(editor.slider(Channel::Red), 10);
    EXPECT_EQ(editor.field(Channel::Red), "10");
    EXPECT_EQ(editor.cell(1, 1), "323628");
}
