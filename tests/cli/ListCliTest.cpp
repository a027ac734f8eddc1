// rivet-cli list, in-process on the factory catalogue.
#include "StartedHome.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <regex>
#include <sstream>

using namespace rivet::test;
using Json = nlohmann::json;

namespace {

class ListCli : public StartedHome
{
protected:
    // The evaluation's first reference machine (218500, ground boost 39.7), the start-up
    // machine (227100, 38.8) in a subfolder, and one whose name is no Shift-JIS.
    ListCli()
    {
        garageFile("first.asm", {"[asm]", "ACname=壱号", "leg=1", "bwpl=0"});
        std::filesystem::create_directories(home.garageDir() + "sub");
        garageFile("sub/startup.asm", {"[asm]", "ACname=弐号", "leg=4", "bwpl=41"});
        writeBytes(home.garageDir() + "broken.asm", "[asm]\r\nACname=\x81\xff\r\n");
    }

    // The files of the JSON lines, in their order; every line must parse.
    static std::vector<std::string> files(const std::string& out)
    {
        std::vector<std::string> listed;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);) {
            listed.push_back(Json::parse(line)["file"]);
        }
        return listed;
    }

    std::string garage(const std::string& name) const { return home.garageDir() + name; }
};

using Files = std::vector<std::string>;

} // namespace

TEST_F(ListCli, jsonIsEvalsLinePlusNameAndModified)
{
    const CliResult result = runCli({"list", "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(files(result.out), (Files {garage("first.asm"), garage("sub/startup.asm")}));
    const Json first = Json::parse(result.out.substr(0, result.out.find('\n')));
    Json evaluated = Json::parse(runCli({"eval", "--json", garage("first.asm")}).out);
    evaluated["name"] = "壱号";
    evaluated["modified"] = first["modified"];
    EXPECT_EQ(first, evaluated);
    EXPECT_TRUE(
        std::regex_match(first["modified"].get<std::string>(), std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)")));
    // The file that cannot be opened is named on standard error; the others are listed.
    EXPECT_EQ(result.err.find(garage("broken.asm") + ": "), 0u) << result.err;
}

TEST_F(ListCli, sortsAndFiltersAsTheGarageDoes)
{
    const struct
    {
        std::vector<std::string> arguments;
        Files listed;
    } cases[] = {
        {{"--sort", "ed13"}, {garage("first.asm"), garage("sub/startup.asm")}}, // best first: faster
        {{"--sort", "ed13:min"}, {garage("sub/startup.asm"), garage("first.asm")}},
        {{"--sort", "ed2"}, {garage("first.asm"), garage("sub/startup.asm")}}, // best first: cheaper
        {{"--sort", "ed2:max"}, {garage("sub/startup.asm"), garage("first.asm")}},
        {{"--require", "ed2>=220000"}, {garage("sub/startup.asm")}},
        {{"--require", "ed2>=200000", "--require", "ed13>=39"}, {garage("first.asm")}},
        {{"--sound", garage("sub")}, {garage("sub/startup.asm")}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = {"list", "--json"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.code, 0) << result.err;
        EXPECT_EQ(files(result.out), c.listed) << c.arguments.front() << " " << c.arguments.back();
    }
}

TEST_F(ListCli, tableAndExitCodes)
{
    const CliResult table = runCli({"list"});
    ASSERT_EQ(table.code, 0) << table.err;
    EXPECT_EQ(table.out.find("ファイル"), 0u);
    EXPECT_NE(table.out.find("\nfirst.asm "), std::string::npos) << table.out;
    EXPECT_NE(table.out.find("218500"), std::string::npos);

    const CliResult missing = runCli({"list", garage("missing")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "フォルダ " + garage("missing") + " が見つかりません.\n");
    EXPECT_EQ(runCli({"list", "--sort", "ed99"}).code, 2);
    EXPECT_EQ(runCli({"list", "--require", "ed2=1"}).code, 2);
}
