// Broken, random, oversized and unreachable assembly files, templates and report targets
// through rivet-cli: a clear message naming the file or the defaults, never a crash or a
// hang, and nothing already saved damaged.
#include "common/ErrorText.h"
#include "robustness/BadInput.h"
#include "support/Bytes.h"
#include "support/FaultyFiles.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace rivet::test;
namespace fs = std::filesystem;

namespace {

class BadFiles : public ::testing::Test
{
protected:
    BadFiles() { EXPECT_EQ(runCli({"check"}).code, 0); }

    std::string garage(const std::string& name) const { return home.garageDir() + name; }
    std::string asm_(const std::string& name, const std::vector<std::string>& lines) const
    {
        writeBytes(garage(name), sjisFile(lines));
        return garage(name);
    }

    TempHome home;
};

// The figures and texts of eval --json for one selector, e.g. "cb1": position -1.
std::string selectorJson(int selector, int position)
{
    return "{\"name\": \"cb" + std::to_string(selector) + "\", \"position\": " + std::to_string(position);
}

} // namespace

TEST_F(BadFiles, randomBytesAsAnAssemblyOpenWithDefaultsOrNameTheFile)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const std::string path = garage("random" + std::to_string(seed) + ".asm");
        writeBytes(path, randomBytes(seed, seed * 97 % 4000, seed % 2 == 0));
        for (const auto& arguments : std::vector<std::vector<std::string>> {
                 {"eval", "--json", path}, {"export", "--format", "html", path, "-o", "-"}}) {
            const CliResult result = runCli(arguments);
            if (result.code == 0) {
                EXPECT_EQ(result.err, "");
            } else {
                EXPECT_EQ(result.code, 1) << "seed " << seed;
                EXPECT_NE(result.err.find(path), std::string::npos) << "seed " << seed << ": " << result.err;
            }
        }
    }
    // The real program too, for its exit code rather than an exception in the test.
    writeBytes(garage("random.asm"), randomBytes(7, 3000));
    const CliResult result = runProgram("eval " + garage("random.asm"));
    EXPECT_TRUE(result.code == 0 || result.code == 1) << result.code << " " << result.err;
}

TEST_F(BadFiles, anAssemblyThatIsNotShiftJisNamesTheFileAndTheKey)
{
    writeBytes(garage("bad.asm"), "[asm]\r\nACname=ok\r\n[file]\r\nEmblem=\x82\xFF.gif\r\n");
    const CliResult result = runCli({"eval", garage("bad.asm")});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err,
              "ファイル " + garage("bad.asm") + " は Shift-JIS のテキストとして読めません ([file] Emblem)\n");
}

TEST_F(BadFiles, positionsOutOfRangeLeaveTheirSlotsWithoutAPart)
{
    const std::string path
        = asm_("range.asm",
               {"[asm]", "head=-5", "core=99999999999", "arm=0x7fffffff", "leg=2147483648", "gene=-2147483648",
                "fcs=0xFFFFFFFF", "boost=12abc", "bwpr=48", "bwpl=49", "[logic]", "1=99999", "7=-2147483648"});
    const CliResult result = runCli({"eval", "--json", path});
    ASSERT_EQ(result.code, 0) << result.err;
    // -1: no part; 1: not an integer, so the default.
    for (const auto& [selector, position] : std::vector<std::pair<int, int>> {
             {1, -1}, {2, 1}, {3, -1}, {4, 1}, {5, -1}, {6, -1}, {7, 1}, {10, 48}, {11, -1}}) {
        EXPECT_NE(result.out.find(selectorJson(selector, position)), std::string::npos) << "cb" << selector;
    }
    const CliResult report = runCli({"export", "--format", "text", path, "-o", "-"});
    ASSERT_EQ(report.code, 0) << report.err;
    EXPECT_NE(report.out.find(sjisBytes("頭          ：" + std::string(15, ' ') + "  | AP")), std::string::npos);
}

TEST_F(BadFiles, hugeValuesAreCutAndExtraMemoLinesDropped)
{
    std::vector<std::string> lines {"[asm]", "ACname=" + std::string(100000, 'x'), "[acmemo]"};
    for (int i = 0; i < 30; ++i) {
        lines.push_back(std::to_string(i) + "=memo" + std::to_string(i));
    }
    const std::string path = asm_("huge.asm", lines);
    const CliResult report = runCli({"export", "--format", "text", path, "-o", "-"});
    ASSERT_EQ(report.code, 0) << report.err;
    EXPECT_NE(report.out.find(sjisBytes("機体名      ：") + std::string(2047, 'x') + "\r\n"), std::string::npos);
    EXPECT_NE(report.out.find("memo10\r\n"), std::string::npos);
    EXPECT_EQ(report.out.find("memo11"), std::string::npos);
}

TEST_F(BadFiles, filesBeyondSixteenMiBAreRefusedByName)
{
    writeOversizedFile(garage("big.asm"));
    const CliResult eval = runCli({"eval", garage("big.asm")});
    EXPECT_EQ(eval.code, 1);
    EXPECT_EQ(eval.err, "ファイル " + garage("big.asm") + " は大きすぎます (16 MiB まで)\n");

    const std::string path = asm_("small.asm", {"[asm]", "ACname=x"});
    writeOversizedFile(home.dataDir() + "template2.txt");
    const CliResult report = runCli({"export", "--format", "text", "--template", "2", path});
    EXPECT_EQ(report.code, 1);
    EXPECT_EQ(report.err, "ファイル " + home.dataDir() + "template2.txt は大きすぎます (16 MiB まで)\n");
    EXPECT_FALSE(fs::exists(garage("small.txt")));
}

TEST_F(BadFiles, pipesAreRefusedInsteadOfWaitedFor)
{
    ASSERT_EQ(::mkfifo(garage("pipe.asm").c_str(), 0600), 0);
    const CliResult eval = runProgram("eval " + garage("pipe.asm"), 20);
    EXPECT_EQ(eval.code, 1);
    EXPECT_EQ(eval.err, garage("pipe.asm") + " は通常のファイルではありません.\n");

    ASSERT_EQ(::mkfifo((home.dataDir() + "template3.htm").c_str(), 0600), 0);
    const std::string path = asm_("p.asm", {"[asm]"});
    const CliResult report = runProgram("export --format html --template 3 " + path, 20);
    EXPECT_EQ(report.code, 1);
    EXPECT_EQ(report.err, home.dataDir() + "template3.htm は通常のファイルではありません.\n");
}

TEST_F(BadFiles, randomBytesAsATemplateExpandOrNameTheTemplate)
{
    const std::string path = asm_("t.asm", {"[asm]", "ACname=テスト"});
    const std::string templatePath = home.dataDir() + "template2.txt";
    for (unsigned seed = 1; seed <= 30; ++seed) {
        writeBytes(templatePath, randomBytes(seed, seed * 131 % 5000, seed % 2 == 0));
        const CliResult result = runCli({"export", "--format", "text", "--template", "2", path, "-o", "-"});
        if (result.code != 0) {
            EXPECT_EQ(result.code, 1) << "seed " << seed;
            EXPECT_NE(result.err.find(templatePath), std::string::npos) << "seed " << seed << ": " << result.err;
        }
    }
    // A template without placeholders comes out as it is, with CR LF line ends.
    writeBytes(templatePath, "one\ntwo\rthree\r\nfour");
    const CliResult plain = runCli({"export", "--format", "text", "--template", "2", path, "-o", "-"});
    EXPECT_EQ(plain.out, "one\r\ntwo\r\nthree\r\nfour\r\n");
}

// Names that hold later placeholders again and again would multiply the report at every step
// (a few kilobytes of file ask for terabytes); the export stops at 16 MiB with a message.
TEST_F(BadFiles, placeholdersInsideValuesCannotExhaustTheMemory)
{
    auto repeated = [](const std::string& placeholder) {
        std::string text;
        while (text.size() + placeholder.size() <= 2047) {
            text += placeholder;
        }
        return text;
    };
    std::vector<std::string> lines {"[asm]",   "ACname=" + repeated("#plname"),  "Pilotname=" + repeated("#emblem"),
                                    "[file]",  "Emblem=" + repeated("#acgraph"), "AC=" + repeated("#memo"),
                                    "[acmemo]"};
    for (int i = 0; i <= 10; ++i) {
        lines.push_back(std::to_string(i) + "=" + std::string(2000, 'm'));
    }
    const std::string path = asm_("bomb.asm", lines);
    writeBytes(garage("bomb.htm"), "the last good report");

    const auto started = std::chrono::steady_clock::now();
    const CliResult result = runCli({"export", "--format", "html", path});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "レポートが大きすぎます (16 MiB まで)\n");
    EXPECT_EQ(readBytes(garage("bomb.htm")), "the last good report");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
}

TEST_F(BadFiles, reportsThatCannotBeWrittenLeaveEverythingAsItWas)
{
    const std::string path = asm_("r.asm", {"[asm]", "ACname=x"});
    writeBytes(garage("r.txt"), "the last good report");

    const std::string missing = home.path() + "no-such-folder/r.txt";
    CliResult result = runCli({"export", "--format", "text", path, "-o", missing});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "ファイル " + missing + " を作成できません.\nフォルダがありません (2)\n");

    fs::create_directory(garage("folder.txt"));
    result = runCli({"export", "--format", "text", path, "-o", garage("folder.txt")});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "ファイル " + garage("folder.txt") + " を作成できません.\n通常のファイルではありません\n");
    EXPECT_TRUE(fs::is_directory(garage("folder.txt")));

    // A template that fails half way writes nothing over the old report.
    writeBytes(home.dataDir() + "template2.txt", "#acname\r\n\x82\r\n");
    result = runCli({"export", "--format", "text", "--template", "2", path});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(readBytes(garage("r.txt")), "the last good report");
    EXPECT_EQ(readBytes(path), sjisFile({"[asm]", "ACname=x"}));
    EXPECT_TRUE(leftoverTemporaries(home.garageDir()).empty());

    {
        FaultyFiles readOnlyGarage(FaultyFiles::Step::Open, EACCES, home.garageDir() + ".rivet-");
        result = runCli({"export", "--format", "text", path});
    }
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "ファイル " + garage("r.txt") + " を作成できません.\nアクセスが拒否されました (13)\n");
    EXPECT_EQ(readBytes(garage("r.txt")), "the last good report");
    {
        FaultyFiles full(FaultyFiles::Step::Write, ENOSPC, home.garageDir());
        full.bytesLetThrough = 100;
        result = runCli({"export", "--format", "text", path});
    }
    EXPECT_EQ(result.err, "ファイル " + garage("r.txt") + " を作成できません.\nディスクに空きがありません (28)\n");
    EXPECT_EQ(readBytes(garage("r.txt")), "the last good report");
    EXPECT_TRUE(leftoverTemporaries(home.garageDir()).empty());
}

TEST_F(BadFiles, assembliesThatCannotBeReadAreNamedOrReportedMissing)
{
    fs::create_directory(garage("folder.asm"));
    CliResult result = runCli({"eval", garage("folder.asm")});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "ファイルが見つかりません.\n" + garage("folder.asm") + ": フォルダです (21)\n");

    const std::string path = asm_("locked.asm", {"[asm]"});
    ::chmod(path.c_str(), 0);
    {
        FaultyFiles locked(FaultyFiles::Step::Open, EACCES, path);
        result = runCli({"eval", path});
    }
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "ファイルへのアクセスが拒否されました.\n" + path + "\n");
}

// What start-up cannot do is said with the fixed message first and then what failed.
TEST(BadHome, aMissingOrFileRivetHomeAndAFullDiskSayWhatFailed)
{
    TempHome home;
    const std::string missing = home.path() + "missing/";
    ::setenv("RIVET_HOME", missing.c_str(), 1);
    CliResult result = runCli({"check"});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "ファイルが見つかりません.\nRIVET_HOME のフォルダ " + missing + " がありません\n");
    EXPECT_FALSE(fs::exists(missing)) << "a mistyped RIVET_HOME is not made";

    writeBytes(home.path() + "file", "not a folder");
    ::setenv("RIVET_HOME", (home.path() + "file").c_str(), 1);
    result = runCli({"check"});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "I/O エラー (20)\nRIVET_HOME の " + home.path() + "file/ はフォルダではありません\n");

    ::setenv("RIVET_HOME", home.path().c_str(), 1);
    {
        FaultyFiles full(FaultyFiles::Step::Write, ENOSPC, home.dataDir());
        result = runCli({"check"});
    }
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err,
              "I/O エラー (28)\nファイル " + home.dataDir()
                  + "template1.htm を作成できません: ディスクに空きがありません (28)\n");
    EXPECT_TRUE(fs::is_empty(home.dataDir())) << "no default half written";
    EXPECT_EQ(runCli({"check"}).code, 0);
}
