#include "evaluation/Verdicts.h"

#include <gtest/gtest.h>

using namespace rivet;

TEST(Verdicts, priceBands)
{
    EXPECT_EQ(priceVerdict(250000).text, "安いぜ！");
    EXPECT_EQ(priceVerdict(250001).text, "50万AC!");
    EXPECT_EQ(priceVerdict(500000).text, "50万AC!");
    EXPECT_EQ(priceVerdict(1000000).text, "通常AC");
    EXPECT_EQ(priceVerdict(1000001).text, "高すぎ");
    EXPECT_FALSE(priceVerdict(2000000).warning);
}

TEST(Verdicts, loadAndSlotsWarnOnlyBelowZero)
{
    EXPECT_EQ(loadVerdict(0), (Verdict {"", false}));
    EXPECT_EQ(loadVerdict(-1), (Verdict {"(基準違反)", true}));
    EXPECT_EQ(slotVerdict(8, 8), (Verdict {"", false}));
    EXPECT_EQ(slotVerdict(8, 9), (Verdict {"(空き不足)", true}));
}

TEST(Verdicts, energyBandsAtRestAndMoving)
{
    const struct
    {
        int surplus;
        int scale;
        const char* text;
    } cases[] = {
        {-8, 383, "出力不足"},   {-7, 383, "低回復"},        {1789, 383, "低回復"},      {1790, 383, "普通"},
        {4195, 383, "普通"},     {4196, 383, "高回復"},      {5382, 383, "高回復"},      {5383, 383, "鬼の回復"},
        {5992, 383, "鬼の回復"}, {5993, 383, "MAXオーバー"}, {-8, 191, "出力不足"},      {898, 191, "低回復"},
        {899, 191, "普通"},      {2085, 191, "普通"},        {2086, 191, "高回復"},      {2679, 191, "高回復"},
        {2680, 191, "鬼の回復"}, {2992, 191, "鬼の回復"},    {2993, 191, "MAXオーバー"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(energyVerdict(c.surplus, c.scale).text, c.text) << c.surplus << "/" << c.scale;
    }
}

TEST(Verdicts, defenceBands)
{
    EXPECT_EQ(shellVerdict(10).text, "鬼の防御力");
    EXPECT_EQ(shellVerdict(11).text, "硬め");
    EXPECT_EQ(shellVerdict(18).text, "標準");
    EXPECT_EQ(shellVerdict(24).text, "紙飛行機並み");
    EXPECT_EQ(shellVerdict(50).text, "紙飛行機並み");
    EXPECT_EQ(shellVerdict(51).text, "");
    EXPECT_EQ(shellVerdict(-1).text, "");
    EXPECT_EQ(beamVerdict(17).text, "鬼の防御力");
    EXPECT_EQ(beamVerdict(21).text, "硬め");
    EXPECT_EQ(beamVerdict(24).text, "標準");
    EXPECT_EQ(beamVerdict(25).text, "紙飛行機並み");
}

TEST(Verdicts, boostAtAndBelowItsLimit)
{
    EXPECT_EQ(boostVerdict(63, 63), (Verdict {"MAX:63オーバー", true}));
    EXPECT_EQ(boostVerdict(49, 49), (Verdict {"MAX:49オーバー", true}));
    EXPECT_EQ(boostVerdict(48.1, 63).text, "標準推力");
    EXPECT_EQ(boostVerdict(48, 63).text, "やや推力不足");
    EXPECT_EQ(boostVerdict(33.1, 63).text, "やや推力不足");
    EXPECT_EQ(boostVerdict(33, 63).text, "推力不足");
    EXPECT_FALSE(boostVerdict(0, 63).warning);
}
