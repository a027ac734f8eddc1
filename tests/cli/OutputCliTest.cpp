// What rivet-cli writes, and where: output that cannot be written, names JSON cannot carry as
// they are, and the files -o names.
#include "StartedHome.h"
#include "cli/Command.h"
#include "cli/JsonLine.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>
#include <streambuf>

using namespace rivet::test;
using Json = nlohmann::json;

namespace {

// Standard output on a full disk: nothing written ever arrives.
class FullDisk : public std::streambuf
{
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

class OutputCli : public StartedHome
{
protected:
    const std::string machine = garageFile("m.asm", {"[asm]", "leg=1", "bwpl=0"});
};

TEST_F(OutputCli, everyCommandFailsWhenItsOutputCannotBeWritten)
{
    const std::vector<std::vector<std::string>> commands = {
        {"--version"},
        {"--help"},
        {"check"},
        {"eval", machine},
        {"eval", "--json", machine},
        {"compare", "--json", machine, machine},
        {"preview", machine, "cb9"},
        {"export", "--format", "html", machine, "-o", "-"},
        {"optimise", "--goal", "ed1", "--keep", "cb1,cb2,cb3,cb5,cb6,cb7,cb8,cb9,cb10,cb11", machine},
        {"optimise", "--goal", "ed1", "--keep", "cb1,cb2,cb3,cb5,cb6,cb7,cb8,cb9,cb10,cb11", "-o", "-"},
    };
    for (const auto& arguments : commands) {
        FullDisk full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(rivet::cli::run(arguments, out, err), rivet::cli::kExitFailure) << arguments.front();
        EXPECT_EQ(err.str(), "標準出力に書き込めません.\n") << arguments.front();
    }
    // The real program on a disk without room (a file size limit of 0) says so as well.
    const CliResult limited = runProgram("eval " + machine, 60, "trap \"\" XFSZ; ulimit -f 0");
    EXPECT_EQ(limited.code, 1);
    EXPECT_EQ(limited.err, "標準出力に書き込めません.\n");
}

TEST(JsonLine, bytesThatAreNotUtf8AreWrittenAsHexAndEveryLineParses)
{
    const std::pair<std::string, std::string> cases[] = {
        {"へっぽこ.asm", "へっぽこ.asm"},
        {"caf\xE9.asm", "caf\\xE9.asm"}, // Latin-1
        {"\x83"
         "e\x83X\x83g.asm",
         "\\x83"
         "e\\x83X\\x83g.asm"}, // Shift-JIS "テスト"
        {"\xC0\xAF", "\\xC0\\xAF"}, // an overlong "/"
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"}, // a surrogate
        {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"}, // beyond U+10FFFF
        {"\xE3\x81", "\\xE3\\x81"}, // cut short
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"}, // U+1F600 stays
    };
    for (const auto& [text, written] : cases) {
        EXPECT_EQ(rivet::cli::validUtf8(text), written);
        const std::string line = rivet::cli::jsonLine({{"file", text}, {"n", 1}});
        EXPECT_EQ(Json::parse(line)["file"], written);
    }
}

TEST_F(OutputCli, aFileNameThatIsNotUtf8StaysValidJson)
{
    const std::string path = home.garageDir() + "caf\xE9.asm";
    std::filesystem::copy_file(machine, path);
    const CliResult result = runCli({"eval", "--json", path});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(Json::parse(result.out)["file"], home.garageDir() + "caf\\xE9.asm");
}

TEST_F(OutputCli, optimiseWritesTheMachineExactlyWhereOutSays)
{
    const std::vector<std::string> search = {"optimise", "--goal", "ed1", "--keep", "cb1,cb2,cb3,cb5,cb7,cb9"};
    const auto optimise = [&](std::vector<std::string> more) {
        std::vector<std::string> arguments = search;
        arguments.insert(arguments.end(), more.begin(), more.end());
        return runCli(arguments);
    };
    const CliResult listed = optimise({"--json", machine});
    ASSERT_EQ(listed.code, 0) << listed.err;
    const Json best = Json::parse(listed.out)["machines"][0]["selectors"];
    const auto savedSelectors = [](const std::string& path) {
        return Json::parse(runCli({"eval", "--json", path}).out)["selectors"];
    };

    // "-": the file itself on standard output, and nothing else.
    const CliResult piped = optimise({"-o", "-", machine});
    ASSERT_EQ(piped.code, 0) << piped.err;
    EXPECT_EQ(piped.out.rfind("[asm]\r\n", 0), 0u);
    writeBytes(home.garageDir() + "piped.asm", piped.out);
    EXPECT_EQ(savedSelectors(home.garageDir() + "piped.asm"), best);

    // Any other name as given, and a file that was there is replaced, not merged into.
    const std::string notes = home.garageDir() + "notes.txt";
    writeBytes(notes, "[notes]\r\nkeep=me\r\n");
    ASSERT_EQ(optimise({"-o", notes, machine}).code, 0);
    EXPECT_EQ(readBytes(notes).find("keep=me"), std::string::npos);
    EXPECT_EQ(savedSelectors(notes), best);
    EXPECT_FALSE(std::filesystem::exists(home.garageDir() + "notes.asm"));

    // Into the file it started from, as the window saves its own document: what the tool does
    // not read stays.
    const std::string own = garageFile("own.asm", {"[asm]", "leg=1", "bwpl=0", "[mine]", "note=1"});
    ASSERT_EQ(optimise({"-o", own, own}).code, 0);
    EXPECT_NE(readBytes(own).find("[mine]\r\nnote=1\r\n"), std::string::npos);
    EXPECT_EQ(savedSelectors(own), best);
}

TEST_F(OutputCli, aReportIsNeverWrittenOverTheAssemblyItReportsOn)
{
    const std::string named = garageFile("machine.txt", {"[asm]", "leg=1", "bwpl=0"});
    const std::string before = readBytes(named);
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string> {"export", "--format", "text", named},
          std::vector<std::string> {"export", "--format", "html", machine, "-o", home.garageDir() + "./m.asm"}}) {
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.code, 1);
        EXPECT_NE(result.err.find("は機体ファイルそのものです"), std::string::npos) << result.err;
    }
    EXPECT_EQ(readBytes(named), before);
    EXPECT_EQ(runCli({"eval", machine}).code, 0) << "the assembly is still there";
}

} // namespace
