#include "appearance/PilotLogic.h"

#include "common/Failure.h"

#include <gtest/gtest.h>

using rivet::logicDisplayText;
using rivet::PilotLogic;

namespace {

std::vector<std::string> texts(const PilotLogic& logic)
{
    std::vector<std::string> result;
    for (int n = 1; n <= PilotLogic::kSettingCount; ++n) {
        result.push_back(logic.displayText(n));
    }
    return result;
}

using Texts = std::vector<std::string>;

} // namespace

TEST(PilotLogic, displayTexts)
{
    EXPECT_EQ(logicDisplayText(1, 2), "2");
    EXPECT_EQ(logicDisplayText(2, 75), "75%");
    EXPECT_EQ(logicDisplayText(6, 0), "0%");
    EXPECT_EQ(logicDisplayText(7, -30), "S30");
    EXPECT_EQ(logicDisplayText(7, 40), "L40");
    EXPECT_EQ(logicDisplayText(7, 0), "MID");
    EXPECT_THROW(logicDisplayText(0, 1), rivet::Failure);
    EXPECT_THROW(logicDisplayText(8, 1), rivet::Failure);
}

TEST(PilotLogic, startsAtTheStartValuesInDisplayForm)
{
    bool modified = false;
    PilotLogic logic([&] { modified = true; });
    EXPECT_EQ(logic.value(1), 0);
    EXPECT_EQ(logic.value(4), 50);
    EXPECT_EQ(logic.value(7), 0);
    EXPECT_EQ(texts(logic), (Texts {"0", "50%", "50%", "50%", "50%", "50%", "MID"}));
    EXPECT_FALSE(modified);
}

TEST(PilotLogic, slidersClampAndShowTheirValue)
{
    bool modified = false;
    PilotLogic logic([&] { modified = true; });
    logic.setValue(1, 5);
    EXPECT_EQ(logic.value(1), 3);
    EXPECT_EQ(logic.displayText(1), "3");
    EXPECT_TRUE(modified);

    logic.setValue(7, -1000);
    EXPECT_EQ(logic.displayText(7), "S100");
    logic.setValue(7, 1000);
    EXPECT_EQ(logic.displayText(7), "L100");
    logic.setValue(7, 0);
    EXPECT_EQ(logic.displayText(7), "MID");
    logic.setValue(3, -4);
    EXPECT_EQ(logic.displayText(3), "0%");
    EXPECT_EQ(logic.displayText(2), "50%");
}

TEST(PilotLogic, onlyARealMoveMarksModifiedButTheRangeRefreshAlwaysDoes)
{
    bool modified = false;
    PilotLogic logic([&] { modified = true; });
    logic.setValue(2, 50);
    logic.setValue(1, -3); // clamps to 0, where it already stands
    logic.setValue(7, 0);
    EXPECT_FALSE(modified);

    logic.rangeChange();
    EXPECT_TRUE(modified);
    EXPECT_EQ(logic.displayText(7), "MID");

    // Moving back to the old value leaves the assembly modified.
    logic.setValue(5, 60);
    modified = false;
    logic.setValue(5, 50);
    EXPECT_TRUE(modified);
    EXPECT_EQ(logic.displayText(5), "50%");
}

TEST(PilotLogic, loadingZeroesShowsZeroTexts)
{
    PilotLogic logic;
    for (int n = 1; n <= PilotLogic::kSettingCount; ++n) {
        logic.setValue(n, 0);
    }
    logic.rangeChange();
    EXPECT_EQ(texts(logic), (Texts {"0", "0%", "0%", "0%", "0%", "0%", "MID"}));
}
