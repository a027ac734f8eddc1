#include "appearance/ColorCodes.h"

#include "common/Failure.h"

#include <gtest/gtest.h>

using rivet::ColorChannels;
using rivet::formatColorCode;
using rivet::isColorCell;
using rivet::screenLevel;
using rivet::splitColorCode;

namespace {

std::string failureOf(const std::string& code)
{
    try {
        splitColorCode(code);
    } catch (const rivet::Failure& failure) {
        return failure.what();
    }
    return "no failure";
}

} // namespace

TEST(ColorCodes, screenLevelIsFourStepsWithin0To255)
{
    EXPECT_EQ(screenLevel(0), 0);
    EXPECT_EQ(screenLevel(32), 128);
    EXPECT_EQ(screenLevel(63), 252);
    EXPECT_EQ(screenLevel(64), 255);
    EXPECT_EQ(screenLevel(99), 255);
    EXPECT_EQ(screenLevel(-1), 0); // a hand-edited negative channel
}

TEST(ColorCodes, formatWritesAtLeastTwoDigitsPerChannel)
{
    EXPECT_EQ(formatColorCode(5, 36, 28), "053628");
    EXPECT_EQ(formatColorCode(0, 0, 0), "000000");
    EXPECT_EQ(formatColorCode(64, 64, 64), "646464");
    EXPECT_EQ(formatColorCode(100, 7, 0), "1000700");
    EXPECT_EQ(formatColorCode(-5, 0, 0), "-050000");
}

TEST(ColorCodes, splitReadsThreePairsAndIgnoresTheRest)
{
    EXPECT_EQ(splitColorCode("323628"), (ColorChannels {32, 36, 28}));
    EXPECT_EQ(splitColorCode("053628"), (ColorChannels {5, 36, 28}));
    EXPECT_EQ(splitColorCode("12345678"), (ColorChannels {12, 34, 56}));
    // A five-character code leaves a one-character blue pair.
    EXPECT_EQ(splitColorCode("12345"), (ColorChannels {12, 34, 5}));
}

TEST(ColorCodes, splitNamesThePairThatIsNoWholeNumber)
{
    EXPECT_EQ(failureOf("12a456"), "'a4' は整数ではありません");
    EXPECT_EQ(failureOf("HEAD"), "'HE' は整数ではありません");
    // A short code runs out of characters: the missing pair is empty.
    EXPECT_EQ(failureOf("1234"), "'' は整数ではありません");
    EXPECT_EQ(failureOf(""), "'' は整数ではありません");
    EXPECT_FALSE(rivet::tryColorChannels("1234").has_value());
    EXPECT_EQ(*rivet::tryColorChannels("162012"), (ColorChannels {16, 20, 12}));
}

TEST(ColorCodes, onlyWholeNumbersAreColorCells)
{
    EXPECT_TRUE(isColorCell("323628"));
    EXPECT_TRUE(isColorCell("000000"));
    EXPECT_TRUE(isColorCell(" 12"));
    EXPECT_TRUE(isColorCell("-5"));
    EXPECT_FALSE(isColorCell("HEAD"));
    EXPECT_FALSE(isColorCell("BASE"));
    EXPECT_FALSE(isColorCell(" "));
    EXPECT_FALSE(isColorCell(""));
    EXPECT_FALSE(isColorCell("1.5"));
    EXPECT_FALSE(isColorCell("323628 "));
    EXPECT_FALSE(isColorCell("99999999999")); // beyond 32 bits
}
