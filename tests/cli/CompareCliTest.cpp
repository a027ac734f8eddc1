// rivet-cli compare and preview, in-process on the factory catalogue.
#include "StartedHome.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace rivet::test;
using Json = nlohmann::json;

namespace {

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
    const Json comparison = Json::parse(result.out);
    EXPECT_EQ(comparison["base"], first);
    EXPECT_EQ(comparison["other"], startup);
    const Json& figures = comparison["figures"];
    ASSERT_EQ(figures.size(), 16u);
    const auto figure = [](const char* name, const char* caption, const char* base, const char* other,
                           const Json& difference, const Json& better) {
        return Json({{"name", name},
                     {"caption", caption},
                     {"base", base},
                     {"other", other},
                     {"difference", difference},
                     {"better", better}});
    };
    EXPECT_EQ(figures[0], figure("ed1", "AP", "8431", "8231", -200, "base"));
    EXPECT_EQ(figures[2], figure("ed3", "体重", "5732", "5868", 136, "base"));
    EXPECT_EQ(figures[4], figure("ed5", "コア余剰積載量", "1004/2770", "1004/2770", 0, nullptr));
    EXPECT_EQ(figures[12], figure("ed13", "地上ブースト速度", "39.7", "38.8", -0.9, "base"));
    EXPECT_EQ(comparison["parts"], Json::parse(R"([{"name": "cb4", "base": "LN-1001", "other": "LN-1001-PX-0"},
                                                   {"name": "cb11", "base": "NO EQUIP", "other": "RXA-01WE"}])"));

    const CliResult table = runCli({"compare", first, startup});
    ASSERT_EQ(table.code, 0);
    EXPECT_NE(table.out.find("  AP                ：        8431        8231        -200  base\n"), std::string::npos);
    EXPECT_NE(table.out.find("  cb4   脚            LN-1001 → LN-1001-PX-0\n"), std::string::npos);
}

TEST_F(CompareCli, previewJsonListsEveryItemAsChoosingItWouldLeaveTheMachine)
{
    const CliResult result = runCli({"preview", "--json", first, "cb4"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1);
    const Json preview = Json::parse(result.out);
    EXPECT_EQ(preview["file"], first);
    EXPECT_EQ(preview["selector"], "cb4");
    const Json& items = preview["items"];
    ASSERT_EQ(items.size(), 30u);
    for (const Json& item : items) {
        EXPECT_EQ(item["figures"].size(), 16u);
    }
    EXPECT_EQ(items[0]["text"], "NO EQUIP");
    EXPECT_EQ(items[0]["selectors"], Json({1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(items[0]["figures"][0],
              Json({{"name", "ed1"}, {"text", "5196"}, {"warning", false}, {"difference", -3235}}));
    // The legs shown change nothing.
    EXPECT_EQ(items[1]["text"], "LN-1001");
    EXPECT_EQ(items[1]["figures"][0]["difference"], 0);
    // Caterpillars drop the booster; the figure shows their code, the difference the speed.
    const auto tracks
        = std::find_if(items.begin(), items.end(), [](const Json& item) { return item["text"] == "LC-UKI60"; });
    ASSERT_NE(tracks, items.end());
    EXPECT_EQ((*tracks)["selectors"], Json({1, 1, 1, 26, 1, 1, 0, 1, 1, 1, 0}));
    EXPECT_EQ((*tracks)["figures"][12],
              Json({{"name", "ed13"}, {"text", "07"}, {"warning", false}, {"difference", -6.7}}));

    const CliResult back = runCli({"preview", "--json", startup, "cb10"});
    ASSERT_EQ(back.code, 0) << back.err;
    // A two-slot weapon chosen on the right empties the left side (RXA-01WE at 41).
    const Json backItems = Json::parse(back.out)["items"];
    const auto twoSlot = std::find_if(backItems.begin(), backItems.end(),
                                      [](const Json& item) { return item["text"] == "WX-S800-GF"; });
    ASSERT_NE(twoSlot, backItems.end());
    EXPECT_EQ((*twoSlot)["selectors"][10], 0);
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
