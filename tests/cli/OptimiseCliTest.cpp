// "rivet-cli optimise" in-process on the factory catalogue.
#include "StartedHome.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>

using namespace rivet::test;

namespace {

// The part of a machine's JSON object from its selectors to the end of its figures.
std::string partsAndFigures(const std::string& json, std::size_t from = 0)
{
    const std::size_t start = json.find("\"selectors\"", from);
    const std::size_t end = json.find("}]", json.find("\"figures\"", start));
    return start == std::string::npos || end == std::string::npos ? std::string() : json.substr(start, end + 2 - start);
}

class OptimiseCli : public StartedHome
{
};

TEST_F(OptimiseCli, jsonListsTheBestMachinesWithTheirGoalNumbers)
{
    const CliResult result = runCli({"optimise", "--goal", "ed13", "--top", "2", "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out.find("{\"goal\": {\"name\": \"ed13\", \"direction\": \"max\"}, \"machines\": [\n"
                              "{\"file\": null, \"selectors\": [{\"name\": \"cb1\", \"position\": "),
              0u);
    // Just under the warning limit, at the lowest price: LN-SSVR with the weakest booster.
    EXPECT_NE(result.out.find("{\"name\": \"cb4\", \"position\": 6, \"text\": \"LN-SSVR\"}"), std::string::npos);
    EXPECT_NE(result.out.find("{\"name\": \"ed13\", \"text\": \"62.9\", \"warning\": false"), std::string::npos);
    EXPECT_NE(result.out.find("}], \"value\": 62.9},\n{\"file\": null"), std::string::npos) << "two machines";
    // Every machine the rules leave standing, counted once: examined or bounded away.
    EXPECT_NE(result.out.find("\n], \"candidates\": 7163876551680, \"examined\": "), std::string::npos);
    EXPECT_NE(result.out.find(", \"seconds\": "), std::string::npos);
}

TEST_F(OptimiseCli, savesTheBestMachineWithTheStartsNamesForEvalToReadBack)
{
    const std::string start = garageFile("start.asm", {"[asm]", "ACname=テスト機", "leg=1", "opt4=1"});
    const std::string saved = home.garageDir() + "best.asm";
    const CliResult best = runCli(
        {"optimise", "--goal", "ed1", "--keep", "cb4,cb9", "--require", "ed2<=300000", "--json", "-o", saved, start});
    ASSERT_EQ(best.code, 0) << best.err;
    EXPECT_NE(best.out.find("{\"name\": \"cb4\", \"position\": 1, \"text\": \"LN-1001\"}"), std::string::npos);
    EXPECT_NE(best.out.find("{\"name\": \"chk4\", \"checked\": true"), std::string::npos) << "options kept";

    const CliResult reread = runCli({"eval", "--json", saved});
    ASSERT_EQ(reread.code, 0) << reread.err;
    ASSERT_NE(partsAndFigures(best.out), "") << "the machine's parts and figures are found";
    EXPECT_EQ(partsAndFigures(reread.out), partsAndFigures(best.out));
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
    };
    for (const auto& arguments : bad) {
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.code, 2) << arguments.back();
        EXPECT_NE(result.err.find("usage: rivet-cli optimise"), std::string::npos);
    }
}

} // namespace
