// rivet-cli, run in-process on temporary folders, and once or twice as the real program.
#include "StartedHome.h"
#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "common/Failure.h"
#include "common/Version.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>

using namespace rivet::test;
using Json = nlohmann::json;

namespace {

class Cli : public StartedHome
{
};

} // namespace

TEST_F(Cli, usageErrorsExitTwo)
{
    EXPECT_EQ(runCli({}).code, 2);
    EXPECT_EQ(runCli({"frobnicate"}).code, 2);
    EXPECT_EQ(runCli({"eval"}).code, 2);
    EXPECT_EQ(runCli({"export", "x.asm"}).code, 2) << "no format";
    EXPECT_EQ(runCli({"export", "--format", "pdf", "x.asm"}).code, 2);
    EXPECT_NE(runCli({}).err.find("usage: rivet-cli"), std::string::npos);
}

TEST_F(Cli, helpAndVersionGoToStandardOutput)
{
    const CliResult help = runCli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.err, "");
    for (const char* line : {"usage: rivet-cli COMMAND", "\n  check ", "\n  eval ", "\n  export ", "--version"}) {
        EXPECT_NE(help.out.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(runCli({"-h"}).out, help.out);
    const CliResult version = runCli({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, std::string("rivet-cli ") + rivet::kProgramVersion + "\n");
}

TEST_F(Cli, checkStartsUpAsTheWindowDoes)
{
    const CliResult result = runCli({"check"});
    EXPECT_NE(result.out.find("leg.dat\t29"), std::string::npos);
    EXPECT_NE(result.out.find("longlist\t1"), std::string::npos);
    std::remove((home.dataDir() + "fcs.dat").c_str());
    EXPECT_EQ(runCli({"check"}).code, 0);
    EXPECT_TRUE(std::ifstream(home.dataDir() + "fcs.dat").good());
}

TEST_F(Cli, aCatalogueFailurePrintsTheErrorBoxMessage)
{
    writeBytes(home.dataDir() + "head.dat", sjisFile({"#頭", "#x", "\"HD\",1.5,1,1,1,1,1,\"x\""}));
    const CliResult result = runCli({"check"});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "'1.5' は整数ではありません.\nファイル " + home.dataDir() + "head.dat の 3 行目\n");
}

TEST_F(Cli, evalJsonHasTheWindowsFigures)
{
    const std::string path = garageFile("a.asm", {"[asm]", "leg=1", "bwpl=0", "opt4=1", "opt8=1", "opt9=1", "opt13=1"});
    const CliResult result = runCli({"eval", "--json", path});
    ASSERT_EQ(result.code, 0) << result.err;
    // The layout every JSON line of the companion keeps: ", " and ": ", one line.
    EXPECT_EQ(result.out.find("{\"file\": \"" + path
                              + "\", \"selectors\": [{\"name\": \"cb1\", \"position\": 1, "
                                "\"text\": \"HD-01-SRVT\"}, "),
              0u);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1);

    const Json machine = Json::parse(result.out);
    EXPECT_EQ(machine["selectors"][10], Json({{"name", "cb11"}, {"position", 0}, {"text", "NO EQUIP"}}));
    EXPECT_EQ(machine["options"][3], Json({{"name", "chk4"}, {"checked", true}, {"caption", "SP-ABS"}}));
    const Json& figures = machine["figures"];
    ASSERT_EQ(figures.size(), 16u);
    EXPECT_EQ(figures[0], Json({{"name", "ed1"}, {"text", "8431"}, {"warning", false}, {"verdict", nullptr}}));
    EXPECT_EQ(figures[1]["text"], "387600");
    EXPECT_EQ(figures[1]["verdict"], "50万AC!");
    EXPECT_EQ(figures[8]["text"], "23/1868");
    EXPECT_EQ(figures[15], Json({{"name", "ed16"}, {"text", "1818"}, {"warning", false}, {"verdict", nullptr}}));
}

TEST_F(Cli, evalAppliesTheRulesButNotThePairing)
{
    const std::string path = garageFile("r.asm", {"[asm]", "leg=6", "armwp=15", "bwpr=35", "bwpl=34", "head=99"});
    const CliResult result = runCli({"eval", "--json", path});
    ASSERT_EQ(result.code, 0) << result.err;
    const Json selectors = Json::parse(result.out)["selectors"];
    EXPECT_EQ(selectors[7]["position"], 0) << "LN-SSVR drops KARASAWA";
    EXPECT_EQ(selectors[9]["position"], 35);
    EXPECT_EQ(selectors[10]["position"], 34);
    EXPECT_EQ(selectors[0], Json({{"name", "cb1"}, {"position", -1}, {"text", ""}}));
}

TEST_F(Cli, evalOfAMissingFileFails)
{
    const CliResult result = runCli({"eval", home.garageDir() + "none.asm"});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "ファイルが見つかりません.\n" + home.garageDir() + "none.asm\n");
}

TEST_F(Cli, exportWritesTheWindowsReportBytes)
{
    const std::string path = garageFile("e.asm", {"[asm]", "ACname=へっぽこ１号", "leg=1", "bwpl=0"});
    ASSERT_EQ(runCli({"export", "--format", "text", path}).code, 0);
    const std::string report = readBytes(home.garageDir() + "e.txt");
    EXPECT_NE(report.find(sjisBytes("頭          ：HD-01-SRVT       | AP                ：8431       \r\n")),
              std::string::npos);
    EXPECT_NE(report.find(sjisBytes("機体名      ：へっぽこ１号   \r\n")), std::string::npos);

    const CliResult html = runCli({"export", "--format", "html", path, "-o", "-"});
    ASSERT_EQ(html.code, 0);
    EXPECT_NE(html.out.find("<td bgcolor=#809070></td>"), std::string::npos);
    EXPECT_EQ(html.out.find("#version"), std::string::npos);

    const CliResult missing = runCli({"export", "--format", "html", "--template", "3", path});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "テンプレート" + home.dataDir() + "template3.htmはありません。\n");
}

TEST_F(Cli, theRealProgramWritesShiftJisAndExitCodes)
{
    const std::string path = garageFile("p.asm", {"[asm]", "ACname=テスト", "leg=1", "bwpl=0"});
    const CliResult exported = runProgram("export --format text " + path + " -o -");
    EXPECT_EQ(exported.code, 0);
    EXPECT_EQ(exported.out.find(sjisBytes("パイロット名：gaga")), 0u);
    EXPECT_EQ(runProgram("eval " + home.garageDir() + "missing.asm").code, 1);
    EXPECT_EQ(runProgram("").code, 2);
}

TEST(CliCommands, anythingACommandThrowsEndsAsAMessageAndExitCode1)
{
    // A command that throws whatever it is given.
    struct Throwing : rivet::cli::Command
    {
        std::function<void()> raise;
        const char* name() const override { return "boom"; }
        const char* usage() const override { return "boom"; }
        const char* summary() const override { return "throws"; }
        void declare(rivet::cli::CommandLine&) override { }
        int run(std::ostream&, std::ostream&) override
        {
            raise();
            return rivet::cli::kExitOk;
        }
    };
    const std::vector<std::pair<std::function<void()>, std::string>> cases {
        {[] { throw std::bad_alloc(); }, "メモリが足りません.\n"},
        {[] { throw std::out_of_range("vector index"); }, "vector index.\n"},
        {[] { throw 42; }, "予期しないエラーが発生しました.\n"},
        {[] { throw rivet::Failure("範囲チェックエラー"); }, "範囲チェックエラー.\n"},
    };
    for (const auto& [raise, message] : cases) {
        std::vector<std::unique_ptr<rivet::cli::Command>> commands;
        auto command = std::make_unique<Throwing>();
        command->raise = raise;
        commands.push_back(std::move(command));
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(rivet::cli::runCommands(commands, {"boom"}, out, err), rivet::cli::kExitFailure) << message;
        EXPECT_EQ(err.str(), message);
    }
}
