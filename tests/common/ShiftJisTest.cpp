#include "common/ShiftJis.h"
#include "common/Failure.h"

#include <gtest/gtest.h>

namespace sjis = rivet::sjis;

TEST(ShiftJis, decodesAndEncodesJapaneseText)
{
    const std::string bytes = "\x8B\x40\x91\xCC"; // 機体
    EXPECT_EQ(sjis::decode(bytes), std::optional<std::string>("機体"));
    EXPECT_EQ(sjis::encode("機体"), std::optional<std::string>(bytes));
    // Code page 932: 0x5C is the backslash, 0x7E the tilde, 0x8160 the wave dash.
    EXPECT_EQ(sjis::decode("\x5C\x7E"), std::optional<std::string>("\\~"));
    EXPECT_EQ(sjis::encode("～"), std::optional<std::string>("\x81\x60"));
}

TEST(ShiftJis, everyCharacterSurvivesARoundTrip)
{
    int characters = 0;
    auto check = [&](const std::string& bytes) {
        auto text = sjis::decode(bytes);
        if (!text) {
            return; // an unassigned code
        }
        auto back = sjis::encode(*text);
        ASSERT_TRUE(back.has_value()) << std::hex << int(static_cast<unsigned char>(bytes[0]));
        // Duplicate codes (NEC-selected and IBM extensions) come back as their canonical
        // code, which decodes to the same character.
        EXPECT_EQ(sjis::decode(*back), text);
        ++characters;
    };
    for (int single = 0x20; single <= 0xDF; ++single) {
        if (single < 0x80 || single >= 0xA1) {
            check(std::string(1, static_cast<char>(single)));
        }
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead < 0xE0) {
            continue;
        }
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) {
                continue;
            }
            check(std::string {static_cast<char>(lead), static_cast<char>(trail)});
        }
    }
    EXPECT_GT(characters, 7000);
}

TEST(ShiftJis, invalidBytesAreReportedWithTheirOffset)
{
    std::size_t offset = 0;
    EXPECT_FALSE(sjis::decode("ab\x80", &offset).has_value());
    EXPECT_EQ(offset, 2u);
    EXPECT_FALSE(sjis::decode("\x82", &offset).has_value()) << "a lead byte without its trail byte";
}

TEST(ShiftJis, charactersWithoutACodeAreNamed)
{
    std::string bad;
    EXPECT_FALSE(sjis::encode("機体😀", &bad).has_value());
    EXPECT_EQ(bad, "😀");
    EXPECT_THROW(sjis::encodeOrFail("한국"), rivet::Failure);
}

TEST(ShiftJis, widthsCountShiftJisBytes)
{
    EXPECT_EQ(sjis::byteWidth("HD-01-SRVT"), 10);
    EXPECT_EQ(sjis::byteWidth("へっぽこ１号"), 12);
    EXPECT_EQ(sjis::byteWidth("ｱｲｳ"), 3) << "half-width katakana are one byte";
    EXPECT_EQ(sjis::padRight("へっぽこ１号", 15), "へっぽこ１号   ");
    EXPECT_EQ(sjis::padRight("0123456789ABCDEF", 15), "0123456789ABCDEF") << "never cut";
}

TEST(ShiftJis, cuttingNeverSplitsACharacter)
{
    const std::string bytes = "a\x8B\x40\x91\xCC"; // a機体
    EXPECT_EQ(sjis::cutBytes(bytes, 2), "a");
    EXPECT_EQ(sjis::cutBytes(bytes, 3), "a\x8B\x40");
    EXPECT_EQ(sjis::cutBytes(bytes, 10), bytes);
}
