// rivet-cli compare and preview, in-process on the factory catalogue.
#include "StartedHome.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace rivet::test;

namespace {

std::size_t count(const std::string& text, const std::string& what)
{
    std::size_t found = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++found;
    }
    return found;
}

class CompareCli : public StartedHome
{
protected:
    // The first machine of the evaluation's reference cases, and the start-up machine.
    const std::string first = garageFile("first.asm", {"[asm]", "leg=1", "bwpl=0"});
    const std::string startup = garageFile("startup.asm", {"[asm]", "leg=4", "bwpl=41"});
};

} // namespace

TEST_F(CompareCli, compareJsonGivesBothTextsTheDifferenceAndTheBetterMachine)
{
    const CliResult result = runCli({"compare", "--json", first, startup});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out.find("{\"base\": \"" + first + "\", \"other\": \"" + startup
                              + "\", \"figures\": [{\"name\": \"ed1\", \"caption\": \"AP\", \"base\": \"8431\", "
                                "\"other\": \"8231\", \"difference\": -200, \"better\": \"base\"}, "),
              0u);
    EXPECT_NE(result.out.find("{\"name\": \"ed5\", \"caption\": \"コア余剰積載量\", \"base\": \"1004/2770\", "
                              "\"other\": \"1004/2770\", \"difference\": 0, \"better\": null}"),
              std::string::npos);
    EXPECT_NE(result.out.find("{\"name\": \"ed13\", \"caption\": \"地上ブースト速度\", \"base\": \"39.7\", "
                              "\"other\": \"38.8\", \"difference\": -0.9, \"better\": \"base\"}"),
              std::string::npos);
    EXPECT_NE(result.out.find("{\"name\": \"ed3\", \"caption\": \"体重\", \"base\": \"5732\", \"other\": \"5868\", "
                              "\"difference\": 136, \"better\": \"base\"}"),
              std::string::npos);
    EXPECT_EQ(count(result.out, "\"caption\": "), 16u);
    const std::string parts = "], \"parts\": [{\"name\": \"cb4\", \"base\": \"LN-1001\", \"other\": \"LN-1001-PX-0\"}, "
                              "{\"name\": \"cb11\", \"base\": \"NO EQUIP\", \"other\": \"RXA-01WE\"}]}\n";
    EXPECT_EQ(result.out.substr(result.out.size() - parts.size()), parts);

    const CliResult table = runCli({"compare", first, startup});
    ASSERT_EQ(table.code, 0);
    EXPECT_NE(table.out.find("  AP                ：        8431        8231        -200  base\n"), std::string::npos);
    EXPECT_NE(table.out.find("  cb4   脚            LN-1001 → LN-1001-PX-0\n"), std::string::npos);
}

TEST_F(CompareCli, previewJsonListsEveryItemAsChoosingItWouldLeaveTheMachine)
{
    const CliResult result = runCli({"preview", "--json", first, "cb4"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out.find("{\"file\": \"" + first
                              + "\", \"selector\": \"cb4\", \"items\": [{\"position\": 0, \"text\": \"NO EQUIP\", "
                                "\"selectors\": [1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 0], \"figures\": [{\"name\": \"ed1\", "
                                "\"text\": \"5196\", \"warning\": false, \"difference\": -3235}, "),
              0u);
    EXPECT_EQ(count(result.out, "\"position\": "), 30u);
    EXPECT_EQ(count(result.out, "\"warning\": "), 30u * 16u);
    // The legs shown change nothing.
    EXPECT_NE(result.out.find("{\"position\": 1, \"text\": \"LN-1001\", \"selectors\": [1, 1, 1, 1, 1, 1, 1, 1, 1, 1, "
                              "0], \"figures\": [{\"name\": \"ed1\", \"text\": \"8431\", \"warning\": false, "
                              "\"difference\": 0}"),
              std::string::npos);
    // Caterpillars drop the booster; the figure shows their code, the difference the speed.
    const std::size_t tracks = result.out.find("\"text\": \"LC-UKI60\"");
    ASSERT_NE(tracks, std::string::npos);
    EXPECT_EQ(result.out.find("\"selectors\": [1, 1, 1, 26, 1, 1, 0, 1, 1, 1, 0]", tracks),
              tracks + std::string("\"text\": \"LC-UKI60\", ").size());
    EXPECT_NE(
        result.out.find("{\"name\": \"ed13\", \"text\": \"07\", \"warning\": false, \"difference\": -6.7}", tracks),
        std::string::npos);
    EXPECT_EQ(result.out.substr(result.out.size() - 3), "]}\n");
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1);

    const CliResult back = runCli({"preview", "--json", startup, "cb10"});
    ASSERT_EQ(back.code, 0) << back.err;
    // A two-slot weapon chosen on the right empties the left side (RXA-01WE at 41).
    const std::size_t twoSlot = back.out.find("\"text\": \"WX-S800-GF\"");
    ASSERT_NE(twoSlot, std::string::npos);
    EXPECT_NE(back.out.find(", 0], \"figures\"", twoSlot), std::string::npos);
}

TEST_F(CompareCli, failuresAndUsage)
{
    EXPECT_EQ(runCli({"compare", first}).code, 2);
    EXPECT_EQ(runCli({"compare", "--html", first, startup}).code, 2);
    EXPECT_EQ(runCli({"preview", first}).code, 2);
    const CliResult badSelector = runCli({"preview", first, "cb12"});
    EXPECT_EQ(badSelector.code, 2);
    EXPECT_NE(badSelector.err.find("usage: rivet-cli preview"), std::string::npos);
    const CliResult missing = runCli({"compare", first, home.garageDir() + "none.asm"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "ファイルが見つかりません.\n" + home.garageDir() + "none.asm\n") << "names which of the two";
    EXPECT_TRUE(missing.out.empty());
    EXPECT_EQ(runCli({"preview", home.garageDir() + "none.asm", "cb1"}).code, 1);
}
