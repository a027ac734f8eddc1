#include "common/Numbers.h"
#include "common/Failure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

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

namespace {

// Reference for nearestQuotient by long division: the double nearest to
// numerator / denominator × 2^exponent, ties to even.
double nearestDoubleOfRatio(unsigned __int128 numerator, unsigned __int128 denominator, int exponent)
{
    // Scale until the whole quotient has exactly 53 bits; the remainder then decides.
    int shift = 0;
    while (numerator / denominator >= (static_cast<unsigned __int128>(1) << 53)) {
        denominator <<= 1;
        ++shift;
    }
    while (numerator / denominator < (static_cast<unsigned __int128>(1) << 52)) {
        numerator <<= 1;
        --shift;
    }
    unsigned __int128 quotient = numerator / denominator;
    const unsigned __int128 twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 == 1)) {
        ++quotient;
    }
    return std::ldexp(static_cast<double>(static_cast<std::uint64_t>(quotient)), exponent + shift);
}

// For positive values and factors only.
double exactReference(double value, int multiplier, int divisor)
{
    int exponent = 0;
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(std::frexp(value, &exponent), 53));
    return nearestDoubleOfRatio(static_cast<unsigned __int128>(mantissa) * static_cast<unsigned>(multiplier),
                                static_cast<unsigned>(divisor), exponent - 53);
}

} // namespace

TEST(NearestQuotient, roundsTheExactQuotientOnce)
{
    // Rounding 32.7 × 5 to a double first gives exactly 163.5 and so the half 27.25.
    EXPECT_GT(rivet::nearestQuotient(32.7, 5, 6), 27.25);
    EXPECT_LT(rivet::nearestQuotient(18.9, 5, 6), 15.75);
    EXPECT_GT(rivet::nearestQuotient(17.1, 5, 6), 14.25);
    EXPECT_EQ(rivet::nearestQuotient(-32.7, 5, 6), -rivet::nearestQuotient(32.7, 5, 6));
    EXPECT_EQ(rivet::nearestQuotient(0.0, 5, 6), 0.0);
    EXPECT_EQ(rivet::nearestQuotient(3.0, 1, 2), 1.5);
    // (2^52 + 1) × 3 / 2 and (2^52 + 3) × 3 / 2 lie halfway between two doubles: to the even one.
    EXPECT_EQ(rivet::nearestQuotient(4503599627370497.0, 3, 2), 6755399441055746.0);
    EXPECT_EQ(rivet::nearestQuotient(4503599627370499.0, 3, 2), 6755399441055748.0);

    for (int tenths = 1; tenths <= 2000; ++tenths) {
        const double groundSpeed = tenths / 10.0;
        for (int multiplier : {4, 5}) {
            ASSERT_EQ(rivet::nearestQuotient(groundSpeed, multiplier, 6), exactReference(groundSpeed, multiplier, 6))
                << groundSpeed << " x " << multiplier;
        }
    }
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> values(0.1, 200.0);
    std::uniform_int_distribution<int> factors(1, 1000);
    for (int i = 0; i < 100000; ++i) {
        const double value = values(random);
        const int multiplier = factors(random);
        const int divisor = factors(random);
        ASSERT_EQ(rivet::nearestQuotient(value, multiplier, divisor), exactReference(value, multiplier, divisor))
            << value << " x " << multiplier << " / " << divisor;
    }
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
