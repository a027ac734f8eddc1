// "rivet-cli optimise" in-process on the factory catalogue.
#include "StartedHome.h"
#include "support/Bytes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace rivet::test;
using Json = nlohmann::json;

namespace {

class OptimiseCli : public StartedHome
{
};

TEST_F(OptimiseCli, jsonListsTheBestMachinesWithTheirGoalNumbers)
{
    const CliResult result = runCli({"optimise", "--goal", "ed13", "--top", "2", "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    // One machine a line between the list's head and its counts.
    EXPECT_EQ(result.out.find("{\"goal\": {\"name\": \"ed13\", \"direction\": \"max\"}, \"machines\": [\n"
                              "{\"file\": null, \"selectors\": [{\"name\": \"cb1\", \"position\": "),
              0u);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 4);
    const Json list = Json::parse(result.out);
    ASSERT_EQ(list["machines"].size(), 2u);
    const Json& best = list["machines"][0];
    // Just under the warning limit, at the lowest price: LN-SSVR with the weakest booster.
    EXPECT_EQ(best["selectors"][3], Json({{"name", "cb4"}, {"position", 6}, {"text", "LN-SSVR"}}));
    EXPECT_EQ(best["figures"][12]["text"], "62.9");
    EXPECT_EQ(best["figures"][12]["warning"], false);
    EXPECT_EQ(best["value"], 62.9);
    // Every machine the rules leave standing, counted once (and once with its mirror image, the
    // back weapons changing sides): examined or bounded away.
    EXPECT_EQ(list["candidates"], 3663541324800u);
    EXPECT_EQ(list["candidates"], list["examined"].get<std::uint64_t>() + list["bounded"].get<std::uint64_t>());
    EXPECT_TRUE(list["seconds"].is_number());
}

TEST_F(OptimiseCli, savesTheBestMachineWithTheStartsNamesForEvalToReadBack)
{
    const std::string start = garageFile("start.asm", {"[asm]", "ACname=テスト機", "leg=1", "opt4=1"});
    const std::string saved = home.garageDir() + "best.asm";
    const CliResult best = runCli(
        {"optimise", "--goal", "ed1", "--keep", "cb4,cb9", "--require", "ed2<=300000", "--json", "-o", saved, start});
    ASSERT_EQ(best.code, 0) << best.err;
    const Json proposed = Json::parse(best.out)["machines"][0];
    EXPECT_EQ(proposed["selectors"][3], Json({{"name", "cb4"}, {"position", 1}, {"text", "LN-1001"}}));
    EXPECT_EQ(proposed["options"][3]["checked"], true) << "options kept";

    const CliResult reread = runCli({"eval", "--json", saved});
    ASSERT_EQ(reread.code, 0) << reread.err;
    const Json again = Json::parse(reread.out);
    EXPECT_EQ(again["selectors"], proposed["selectors"]);
    EXPECT_EQ(again["options"], proposed["options"]);
    EXPECT_EQ(again["figures"], proposed["figures"]);
    EXPECT_NE(readBytes(saved).find(sjisBytes("ACname=テスト機")), std::string::npos);

    const CliResult listed = runCli({"optimise", "--goal", "ed16", start});
    ASSERT_EQ(listed.code, 0) << listed.err;
    EXPECT_EQ(listed.out.find("目標 ed16 安定性 (max)\n#1  "), 0u);
    EXPECT_NE(listed.out.find("候補 "), std::string::npos);
}

TEST_F(OptimiseCli, noSoundMachineFailsAndBadArgumentsAreUsageErrors)
{
    const CliResult none = runCli({"optimise", "--goal", "ed1", "--require", "ed1>=20000"});
    EXPECT_EQ(none.code, 1);
    EXPECT_EQ(none.err, "条件を満たす機体がありません\n");
    EXPECT_TRUE(none.out.empty());

    const std::vector<std::vector<std::string>> bad = {
        {"optimise"},
        {"optimise", "--goal", "ed17"},
        {"optimise", "--goal", "ed1:up"},
        {"optimise", "--goal", "ed1", "--keep", "cb1,cb12"},
        {"optimise", "--goal", "ed1", "--require", "ed1=5"},
        {"optimise", "--goal", "ed1", "--require", "ed0>=5"},
        {"optimise", "--goal", "ed1", "--require", "ed1>=lots"},
        {"optimise", "--goal", "ed1", "--options", "some"},
        {"optimise", "--goal", "ed1", "--top", "0"},
        {"optimise", "--goal", "ed1", "a.asm", "b.asm"},
        {"optimise", "--goal", "ed1", "-o", ""},
        {"optimise", "--goal", "ed1", "--json", "-o", "-"},
    };
    for (const auto& arguments : bad) {
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.code, 2) << arguments[arguments.size() - 2] << " " << arguments.back();
        EXPECT_NE(result.err.find("usage: rivet-cli optimise"), std::string::npos);
    }
}

} // namespace
