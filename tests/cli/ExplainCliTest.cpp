// rivet-cli explain, in-process on the factory catalogue.
#include "StartedHome.h"
#include "evaluation/Figure.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

using namespace rivet::test;
using Json = nlohmann::ordered_json; // keeps the members in the order written

namespace {

class ExplainCli : public StartedHome
{
protected:
    const std::string startup = garageFile("startup.asm", {"[asm]", "leg=4", "bwpl=41", "opt4=1"});
};

std::vector<Json> jsonLines(const std::string& text)
{
    std::vector<Json> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(Json::parse(line));
    }
    return lines;
}

} // namespace

TEST_F(ExplainCli, jsonGivesEveryFigureItsTermsAndTheSumsAddUp)
{
    const CliResult result = runCli({"explain", "--json", startup});
    ASSERT_EQ(result.code, 0) << result.err;
    const std::vector<Json> figures = jsonLines(result.out);
    ASSERT_EQ(figures.size(), 16u);
    for (const Json& figure : figures) {
        std::vector<std::string> keys;
        for (const auto& [key, value] : figure.items()) {
            keys.push_back(key);
        }
        EXPECT_EQ(keys, (std::vector<std::string> {"name", "caption", "text", "number", "terms", "limit", "warning"}));
        for (const Json& term : figure["terms"]) {
            EXPECT_EQ(term.size(), 3u);
            EXPECT_TRUE(term["source"].is_string() && term["part"].is_string() && term["value"].is_number());
        }
    }
    using rivet::Figure;
    for (Figure sum :
         {Figure::Ap, Figure::Price, Figure::Weight, Figure::SpareLoad, Figure::RestEnergy, Figure::Stability}) {
        const Json& figure = figures[rivet::figureIndex(sum)];
        double total = 0;
        for (const Json& term : figure["terms"]) {
            total += term["value"].get<double>();
        }
        EXPECT_EQ(total, figure["number"].get<double>()) << figure["name"];
    }
    EXPECT_EQ(figures[15]["number"], 1704);
    EXPECT_EQ(figures[15]["terms"][1], Json({{"source", "chk4"}, {"part", "SP-ABS"}, {"value", 800}}));
    EXPECT_EQ(figures[3]["limit"], 0);
    EXPECT_EQ(figures[12]["limit"], 63);
    EXPECT_EQ(figures[0]["limit"], nullptr);
    EXPECT_EQ(figures[12]["terms"][0], Json({{"source", "cb7"}, {"part", "B-P320"}, {"value", 9800}}));
}

TEST_F(ExplainCli, oneFigureByNameAndTheReadableForm)
{
    const CliResult one = runCli({"explain", "--json", startup, "ed9"});
    ASSERT_EQ(one.code, 0) << one.err;
    EXPECT_EQ(jsonLines(one.out).size(), 1u);
    EXPECT_EQ(Json::parse(one.out)["text"], "28/1596");

    const CliResult table = runCli({"explain", startup, "ed9"});
    ASSERT_EQ(table.code, 0);
    EXPECT_NE(table.out.find("  ed9  実弾防御係数      ：28/1596 紙飛行機並み\n"), std::string::npos) << table.out;
    EXPECT_NE(table.out.find("      (2994 − 防御 1596) ÷ 50 = 27.96 → 28\n"), std::string::npos) << table.out;

    const CliResult wrong = runCli({"explain", startup, "ed17"});
    EXPECT_EQ(wrong.code, 2);
    EXPECT_NE(wrong.err.find("unknown figure 'ed17'"), std::string::npos) << wrong.err;
}
