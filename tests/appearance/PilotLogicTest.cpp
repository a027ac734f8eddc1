#include "appearance/PilotLogic.h"

#include "common/Failure.h"

#include <gtest/gtest.h>

using rivet::logicDisplayText;
using rivet::PilotSettings;

namespace {

std::vector<std::string> texts(const PilotSettings& settings)
{
    std::vector<std::string> result;
    for (int n = 1; n <= PilotSettings::kSettingCount; ++n) {
        result.push_back(settings.displayText(n));
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
    const PilotSettings settings;
    EXPECT_EQ(settings.value(1), 0);
    EXPECT_EQ(settings.value(4), 50);
    EXPECT_EQ(settings.value(7), 0);
    EXPECT_EQ(texts(settings), (Texts {"0", "50%", "50%", "50%", "50%", "50%", "MID"}));
}

TEST(PilotLogic, slidersClampAndShowTheirValue)
{
    PilotSettings settings;
    EXPECT_TRUE(settings.setValue(1, 5));
    EXPECT_EQ(settings.value(1), 3);
    EXPECT_EQ(settings.displayText(1), "3");

    settings.setValue(7, -1000);
    EXPECT_EQ(settings.displayText(7), "S100");
    settings.setValue(7, 1000);
    EXPECT_EQ(settings.displayText(7), "L100");
    settings.setValue(7, 0);
    EXPECT_EQ(settings.displayText(7), "MID");
    settings.setValue(3, -4);
    EXPECT_EQ(settings.displayText(3), "0%");
    EXPECT_EQ(settings.displayText(2), "50%");
}

TEST(PilotLogic, onlyARealMoveCounts)
{
    PilotSettings settings;
    EXPECT_FALSE(settings.setValue(2, 50));
    EXPECT_FALSE(settings.setValue(1, -3)) << "clamps to 0, where it already stands";
    EXPECT_FALSE(settings.setValue(7, 0));
    EXPECT_TRUE(settings.setValue(5, 60));
    EXPECT_TRUE(settings.setValue(5, 50));
    EXPECT_EQ(settings.displayText(5), "50%");
}

TEST(PilotLogic, loadingZeroesShowsZeroTexts)
{
    PilotSettings settings;
    for (int n = 1; n <= PilotSettings::kSettingCount; ++n) {
        settings.setValue(n, 0);
    }
    EXPECT_EQ(texts(settings), (Texts {"0", "0%", "0%", "0%", "0%", "0%", "MID"}));
}
