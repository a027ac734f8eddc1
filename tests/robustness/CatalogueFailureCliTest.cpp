// Every row of the catalogue's failure table through rivet-cli: the error box's message on
// stderr, exit code 1, the broken file left as it was, and a normal start once it is removed.
#include "common/ErrorText.h"
#include "robustness/BadInput.h"
#include "support/Bytes.h"

#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>

using namespace rivet::test;

namespace rivet::test {

// Test names and messages show the row's name, not its bytes.
void PrintTo(const BrokenCatalogue& row, std::ostream* out)
{
    *out << row.name;
}

} // namespace rivet::test

namespace {

class CatalogueFailure : public ::testing::TestWithParam<BrokenCatalogue>
{
};

std::string rowName(const ::testing::TestParamInfo<BrokenCatalogue>& info)
{
    std::string name;
    for (const char c : info.param.name) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += c;
        }
    }
    return name;
}

} // namespace

TEST_P(CatalogueFailure, stopsTheStartWithItsMessageAndDamagesNothing)
{
    const BrokenCatalogue& row = GetParam();
    TempHome home;
    ASSERT_EQ(runCli({"check"}).code, 0);
    writeBytes(home.garageDir() + "saved.asm", sjisFile({"[asm]", "ACname=保存済み"}));
    row.breakIt(home);
    const std::string broken = contentOf(home.path() + row.broken);
    const std::string saved = readBytes(home.garageDir() + "saved.asm");

    const std::string expected = rivet::errorBoxText(row.message(home)) + "\n";
    for (const auto& arguments :
         std::vector<std::vector<std::string>> {{"check"},
                                                {"eval", home.garageDir() + "saved.asm"},
                                                {"export", "--format", "html", home.garageDir() + "saved.asm"}}) {
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.code, 1) << arguments.front();
        EXPECT_EQ(result.err, expected) << arguments.front();
        EXPECT_EQ(result.out, "") << arguments.front();
    }
    EXPECT_EQ(contentOf(home.path() + row.broken), broken);
    EXPECT_EQ(readBytes(home.garageDir() + "saved.asm"), saved);
    EXPECT_FALSE(std::filesystem::exists(home.garageDir() + "saved.htm"));

    repair(home, row);
    EXPECT_EQ(runCli({"check"}).code, 0) << "removing the broken file restores the default";
}

INSTANTIATE_TEST_SUITE_P(EveryRow, CatalogueFailure, ::testing::ValuesIn(brokenCatalogues()), rowName);

TEST(CatalogueFailureProgram, theRealProgramExitsOneWithTheMessage)
{
    TempHome home;
    ASSERT_EQ(runCli({"check"}).code, 0);
    const BrokenCatalogue& row = brokenCatalogues().front();
    row.breakIt(home);
    const CliResult result = runProgram("check");
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, rivet::errorBoxText(row.message(home)) + "\n");
}

// A default file that cannot be written (the file size limit stops every write): the system's
// message, and no half-written default that the next start would take for the user's own.
TEST(CatalogueFailureProgram, aDefaultFileThatCannotBeWrittenIsLeftOut)
{
    TempHome home;
    const CliResult result = runProgram("check", 60, "trap \"\" XFSZ; ulimit -f 0");
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err,
              "I/O エラー (27)\nファイル " + home.dataDir()
                  + "template1.htm を作成できません: ファイルが大きすぎます (27)\n");
    for (const auto& entry : std::filesystem::directory_iterator(home.dataDir())) {
        ADD_FAILURE() << "left behind: " << entry.path();
    }
    EXPECT_EQ(runCli({"check"}).code, 0);
}
