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
        {"optimise", "--goal", "ed1", "--keep", "cb6", "--equip", "cb6"},
        {"optimise", "--goal", "ed1", "--equip", "cb12"},
        {"optimise", "--goal", "ed1", "--then", "ed17"},
        {"optimise", "--then", "ed1"},
        {"optimise", "--pareto", "ed1"},
        {"optimise", "--pareto", "ed1,ed2,ed3"},
        {"optimise", "--pareto", "ed1,ed2", "--goal", "ed3"},
        {"optimise", "--pareto", "ed1,ed2", "--top", "3"},
    };
    for (const auto& arguments : bad) {
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.code, 2) << arguments[arguments.size() - 2] << " " << arguments.back();
        EXPECT_NE(result.err.find("usage: rivet-cli optimise"), std::string::npos);
    }
}

TEST_F(OptimiseCli, equippedSlotsKeepAPartAndTheSecondGoalBreaksTies)
{
    const CliResult result
        = runCli({"optimise", "--goal", "ed13", "--then", "ed16", "--equip", "cb6,cb9", "--top", "3", "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    const Json list = Json::parse(result.out);
    EXPECT_EQ(list["then"], Json({{"name", "ed16"}, {"direction", "max"}}));
    const Json& machines = list["machines"];
    ASSERT_EQ(machines.size(), 3u);
    for (const Json& machine : machines) {
        EXPECT_NE(machine["selectors"][5]["text"], "NO EQUIP");
        EXPECT_NE(machine["selectors"][8]["text"], "NO EQUIP");
    }
    // Of equal speeds, the steadier machine first.
    for (std::size_t i = 1; i < machines.size(); ++i) {
        if (machines[i]["value"] == machines[i - 1]["value"]) {
            EXPECT_LE(machines[i]["thenValue"].get<double>(), machines[i - 1]["thenValue"].get<double>());
        }
    }
}

TEST_F(OptimiseCli, tradeOffListsEveryUnbeatenMachineBestFirstInTheFirstFigure)
{
    const CliResult result = runCli({"optimise", "--pareto", "ed13,ed2", "--keep", "cb1,cb2,cb3,cb4", "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    const Json list = Json::parse(result.out);
    EXPECT_EQ(list["goals"],
              Json::parse(R"([{"name": "ed13", "direction": "max"}, {"name": "ed2", "direction": "min"}])"));
    EXPECT_EQ(list.size(), 2u) << "goals and machines, nothing else";
    const Json& machines = list["machines"];
    ASSERT_GE(machines.size(), 3u);
    for (std::size_t i = 1; i < machines.size(); ++i) {
        // Slower, and so cheaper: neither beats the other in both.
        EXPECT_LT(machines[i]["values"][0].get<double>(), machines[i - 1]["values"][0].get<double>());
        EXPECT_LT(machines[i]["values"][1].get<double>(), machines[i - 1]["values"][1].get<double>());
        EXPECT_EQ(machines[i].count("value"), 0u);
    }
}

TEST_F(OptimiseCli, repairChangesTheFewestSelectorsAndSaysWhy)
{
    // A heavy two-slot weapon puts the spare load below 0.
    const std::string heavy = garageFile("heavy.asm", {"[asm]", "bwpr=37", "bwpl=0"});
    const CliResult json = runCli({"optimise", "--repair", "--json", heavy});
    ASSERT_EQ(json.code, 0) << json.err;
    const Json list = Json::parse(json.out);
    EXPECT_TRUE(list["goal"].is_null());
    const Json& repaired = list["machines"][0];
    EXPECT_EQ(repaired["changes"], 1);
    EXPECT_EQ(repaired.count("value"), 0u);
    EXPECT_EQ(repaired["selectors"][9]["text"], "NO EQUIP") << "the cheapest of the one-change repairs";

    const CliResult kept = runCli({"optimise", "--repair", "--keep", "cb10", "--goal", "ed1", heavy});
    ASSERT_EQ(kept.code, 0) << kept.err;
    EXPECT_EQ(kept.out.find("警告を消す 目標 ed1 AP (max)\n#1  "), 0u);
    EXPECT_NE(kept.out.find("(余剰積載量 (基準違反)"), std::string::npos) << kept.out;
}

} // namespace
