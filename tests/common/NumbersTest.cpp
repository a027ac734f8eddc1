#include "common/Numbers.h"
#include "common/Failure.h"

#include <gtest/gtest.h>

using rivet::evenRound;
using rivet::evenRoundProduct;
using rivet::parseInt32;

TEST(EvenRound, exactHalvesGoToEven)
{
    EXPECT_EQ(evenRound(65, 2), 32); // 32.5
    EXPECT_EQ(evenRound(63, 2), 32); // 31.5
    EXPECT_EQ(evenRound(61, 2), 30); // 30.5
    EXPECT_EQ(evenRound(-65, 2), -32);
    EXPECT_EQ(evenRound(-63, 2), -32);
    EXPECT_EQ(evenRound(7, 3), 2);
    EXPECT_EQ(evenRound(-7, 3), -2);
    EXPECT_EQ(evenRound(5, -2), -2);
}

TEST(EvenRound, defenceCoefficientsOfTheWorkedTotals)
{
    EXPECT_EQ(evenRound(2994 - 1369, 50), 32);
    EXPECT_EQ(evenRound(2994 - 1419, 50), 32);
    EXPECT_EQ(evenRound(2994 - 1469, 50), 30);
}

TEST(EvenRound, productOfADoubleIsTakenExactly)
{
    // 26.95 and 64.35 as doubles lie just below; their exact products with 10 round down.
    EXPECT_EQ(evenRoundProduct(9800.0 * 22 / 8000, 10), 269);
    EXPECT_EQ(evenRoundProduct(23400.0 * 22 / 8000, 10), 643);
    EXPECT_EQ(evenRoundProduct(0.25, 10), 2); // exact half, to even
    EXPECT_EQ(evenRoundProduct(0.35, 10), 3); // 0.35 is held just below
    EXPECT_EQ(evenRoundProduct(-0.25, 10), -2);
    // 102.65 is held just above; the product rounded to a double would be the half 1026.5.
    EXPECT_EQ(evenRoundProduct(102.65, 10), 1027);
}

TEST(StrictInteger, acceptsTheCatalogueForms)
{
    EXPECT_EQ(parseInt32("123"), 123);
    EXPECT_EQ(parseInt32("   42"), 42);
    EXPECT_EQ(parseInt32("-7"), -7);
    EXPECT_EQ(parseInt32("+7"), 7);
    EXPECT_EQ(parseInt32("$1F"), 31);
    EXPECT_EQ(parseInt32("x10"), 16);
    EXPECT_EQ(parseInt32("X10"), 16);
    EXPECT_EQ(parseInt32("0x10"), 16);
    EXPECT_EQ(parseInt32("0Xff"), 255);
    EXPECT_EQ(parseInt32("-$10"), -16);
    EXPECT_EQ(parseInt32("2147483647"), 2147483647);
    EXPECT_EQ(parseInt32("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(parseInt32("007"), 7);
}

TEST(StrictInteger, refusesEverythingElse)
{
    for (const char* text : {"", " ", "12 ", "1.5", "12a", "2147483648", "-2147483649", "$", "0x", "x", "--1", "１２",
                             "\t12", "1e3", "0x7FFFFFFFF"}) {
        EXPECT_FALSE(parseInt32(text).has_value()) << "'" << text << "'";
    }
}

TEST(StrictInteger, failureNamesTheText)
{
    try {
        rivet::toInt32("1.5");
        FAIL() << "no failure";
    } catch (const rivet::Failure& failure) {
        EXPECT_STREQ(failure.what(), "'1.5' は整数ではありません");
    }
}

TEST(GeneralDecimal, boostFigureForms)
{
    EXPECT_EQ(rivet::formatGeneral(39.7), "39.7");
    EXPECT_EQ(rivet::formatGeneral(33.0), "33");
    EXPECT_EQ(rivet::formatGeneral(102.7), "102.7");
    EXPECT_EQ(rivet::formatGeneral(0.0), "0");
    EXPECT_EQ(rivet::formatGeneral(269.0 / 10), "26.9");
}
