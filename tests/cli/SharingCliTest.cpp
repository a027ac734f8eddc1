// rivet-cli code and import: a machine written as a code and saved back from a code, a card,
// a report or standard input.
#include "StartedHome.h"
#include "sharing/PngText.h"
#include "sharing/TakeIn.h"

#include <gtest/gtest.h>

using namespace rivet::test;

namespace {

class SharingCli : public StartedHome
{
protected:
    std::string machineFile() const
    {
        return garageFile("shared.asm",
                          {"[asm]", "ACname=白い鳥", "Pilotname=へっぽこ", "leg=6", "bwpr=20", "opt4=1", "[color]",
                           "HEAD=HEAD,053628,162012,182412,121812", "[logic]", "7=-30", "[acmemo]", "0=一行目",
                           "1=二行目"});
    }

    std::string codeOf(const std::string& path)
    {
        const CliResult result = runCli({"code", path});
        EXPECT_EQ(result.code, 0) << result.err;
        EXPECT_EQ(result.out.find('\n'), result.out.size() - 1) << "one line";
        return result.out.substr(0, result.out.size() - 1);
    }
};

// A PNG of a header chunk alone: enough to carry a text chunk.
std::string cardHolding(const std::string& code)
{
    const std::string png = std::string("\x89PNG\r\n\x1a\n", 8) + std::string("\0\0\0\x0dIHDR", 8)
        + std::string(13, '\1') + std::string(4, '\0') + std::string("\0\0\0\0IEND\xae\x42\x60\x82", 12);
    return rivet::png::withText(png, rivet::kCardCodeKeyword, code);
}

} // namespace

TEST_F(SharingCli, everySourceSavesTheSameAssembly)
{
    const std::string original = machineFile();
    const std::string code = codeOf(original);
    writeBytes(home.path() + "code.txt", "ここに機体コード: " + code + "\r\n");
    writeBytes(home.path() + "card.png", cardHolding(code));
    ASSERT_EQ(runCli({"export", "--format", "html", original, "-o", home.path() + "report.htm"}).code, 0);

    for (const std::string& source : {code, home.path() + "code.txt", home.path() + "card.png"}) {
        const CliResult result = runCli({"import", "-o", home.path() + "back.asm", source});
        ASSERT_EQ(result.code, 0) << source << result.err;
        EXPECT_EQ(result.out, home.path() + "back.asm\n");
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(codeOf(home.path() + "back.asm"), code) << source;
    }
    // The default HTML template holds everything but the description's empty lines.
    ASSERT_EQ(runCli({"import", "-o", home.path() + "report.asm", home.path() + "report.htm"}).code, 0);
    EXPECT_EQ(codeOf(home.path() + "report.asm"), code);
}

TEST_F(SharingCli, theGarageNeverLosesAFile)
{
    const std::string code = codeOf(machineFile());
    for (const char* expected : {"白い鳥.asm", "白い鳥 (2).asm", "白い鳥 (3).asm"}) {
        const CliResult result = runCli({"import", code});
        ASSERT_EQ(result.code, 0) << result.err;
        EXPECT_EQ(result.out, home.garageDir() + expected + "\n");
    }
    EXPECT_EQ(codeOf(home.garageDir() + "白い鳥 (3).asm"), code);
}

TEST_F(SharingCli, missingPartsAreWarnedAndRefusedInputFails)
{
    const std::string code = codeOf(machineFile());
    // The legs of the code are gone from this catalogue.
    const std::string legs = readBytes(home.dataDir() + "leg.dat");
    const std::size_t at = legs.find("\"LN-SSVR\"");
    ASSERT_NE(at, std::string::npos);
    writeBytes(home.dataDir() + "leg.dat", legs.substr(0, at) + "\"LN-SSVX\"" + legs.substr(at + 9));
    const CliResult warned = runCli({"import", "-o", home.path() + "w.asm", code});
    EXPECT_EQ(warned.code, 0);
    EXPECT_EQ(warned.err, "脚: LN-SSVR がカタログにないため NO EQUIP にしました\n");

    const std::string broken = code.substr(0, 10) + (code[10] == 'A' ? "B" : "A") + code.substr(11);
    for (const std::string& source : {broken, std::string("RVT1"), home.path() + "none.png"}) {
        const CliResult refused = runCli({"import", source});
        EXPECT_EQ(refused.code, 1) << source;
        EXPECT_FALSE(refused.err.empty());
    }
}

TEST_F(SharingCli, readsStandardInputAsTheRealProgram)
{
    const std::string code = codeOf(machineFile());
    writeBytes(home.path() + "pasted.txt", code + "\n");
    const CliResult result = runProgram("import -o - - < " + home.path() + "pasted.txt");
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out.find(sjisBytes("[asm]\r\nACname=白い鳥\r\n")), 0u);
}
