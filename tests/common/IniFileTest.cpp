#include "common/IniFile.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "support/Bytes.h"
#include "support/FaultyFiles.h"
#include "support/TempHome.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

using rivet::IniFile;
using rivet::test::sjisBytes;

TEST(IniFile, readsSectionsAndKeysWithoutRegardToCase)
{
    const IniFile ini = IniFile::fromBytes("[ASM]\r\nACname=abc\r\n[logic]\r\n1=3\r\n");
    EXPECT_EQ(ini.readString("asm", "acname", "default"), "abc");
    EXPECT_EQ(ini.readString("Asm", "ACNAME", "default"), "abc");
    EXPECT_EQ(ini.readString("asm", "missing", "default"), "default");
    EXPECT_EQ(ini.readString("nosection", "ACname", "gaga"), "gaga");
    EXPECT_EQ(ini.readInteger("LOGIC", "1", 0), 3);
}

TEST(IniFile, valuesAreTrimmedUnquotedAndCut)
{
    const std::string longValue(3000, 'x');
    const IniFile ini = IniFile::fromBytes(
        "[s]\r\na=  spaced  \r\nb=\"quoted\"\r\nc='single'\r\nd=\"half\r\ne=" + longValue + "\r\nf=\"\"\r\n");
    EXPECT_EQ(ini.readString("s", "a", ""), "spaced");
    EXPECT_EQ(ini.readString("s", "b", ""), "quoted");
    EXPECT_EQ(ini.readString("s", "c", ""), "single");
    EXPECT_EQ(ini.readString("s", "d", ""), "\"half");
    EXPECT_EQ(ini.readString("s", "e", "").size(), 2047u);
    EXPECT_EQ(ini.readString("s", "f", "x"), "");
}

TEST(IniFile, integersAreDecimalOrHexAndAnythingElseIsMissing)
{
    const IniFile ini = IniFile::fromBytes("[common]\r\na=0x0\r\nb=abc\r\nc=-30\r\nd=0X1f\r\ne=12abc\r\nf= 7 \r\n");
    EXPECT_EQ(ini.readInteger("common", "a", 1), 0);
    EXPECT_EQ(ini.readInteger("common", "b", 1), 1);
    EXPECT_EQ(ini.readInteger("common", "c", 0), -30);
    EXPECT_EQ(ini.readInteger("common", "d", 0), 31);
    EXPECT_EQ(ini.readInteger("common", "e", 5), 5);
    EXPECT_EQ(ini.readInteger("common", "f", 0), 7);
}

TEST(IniFile, writingUpdatesInPlaceAndKeepsEverythingElse)
{
    IniFile ini = IniFile::fromBytes("; my notes\r\n[Mine]\r\nkeep=1\r\n[asm]\r\nACname=old\r\nextra=x\r\n\r\n"
                                     "[other]\r\nz=2\r\n");
    ini.writeString("ASM", "acname", "new");
    ini.writeString("asm", "head", "3");
    ini.writeString("fresh", "k", "v");
    EXPECT_EQ(ini.toBytes(),
              "; my notes\r\n[Mine]\r\nkeep=1\r\n[asm]\r\nACname=new\r\nextra=x\r\nhead=3\r\n\r\n"
              "[other]\r\nz=2\r\n[fresh]\r\nk=v\r\n");
}

TEST(IniFile, erasingASectionRemovesItWhole)
{
    IniFile ini = IniFile::fromBytes("[acmemo]\r\n0=a\r\n1=b\r\n[file]\r\nAC=x\r\n[ACMEMO]\r\n5=c\r\n");
    ini.eraseSection("acmemo");
    EXPECT_EQ(ini.toBytes(), "[file]\r\nAC=x\r\n");
}

TEST(IniFile, shiftJisValuesAndForeignBytesSurvive)
{
    // A foreign line with bytes that are not text stays byte for byte.
    const std::string foreign = "[x]\r\nraw=\x80\xFF\r\n";
    IniFile ini = IniFile::fromBytes(foreign + sjisBytes("[asm]\r\nACname=へっぽこ１号\r\n"));
    EXPECT_EQ(ini.readString("asm", "ACname", ""), "へっぽこ１号");
    ini.writeString("asm", "Pilotname", "ソ能表"); // trail bytes 0x5C
    EXPECT_EQ(ini.readString("asm", "Pilotname", ""), "ソ能表");
    EXPECT_EQ(ini.toBytes().substr(0, foreign.size()), foreign);
    EXPECT_THROW(ini.readString("x", "raw", ""), rivet::Failure) << "a value that is not Shift-JIS";
    EXPECT_THROW(ini.writeString("asm", "ACname", "😀"), rivet::Failure);
}

TEST(IniFile, missingFileReadsEmptyAndSaveReportsUnwritableFolders)
{
    rivet::test::TempHome home;
    const IniFile missing = IniFile::load(home.path() + "none.ini");
    EXPECT_EQ(missing.readString("a", "b", "fallback"), "fallback");

    IniFile ini;
    ini.writeString("common", "longlist", "1");
    ini.save(home.path() + "rivet.ini");
    EXPECT_EQ(rivet::test::readBytes(home.path() + "rivet.ini"), "[common]\r\nlonglist=1\r\n");

    {
        rivet::test::FaultyFiles readOnlyFolder(rivet::test::FaultyFiles::Step::Open, EACCES, home.path());
        try {
            ini.save(home.path() + "rivet.ini");
            FAIL() << "saved into a read-only folder";
        } catch (const rivet::Failure& failure) {
            EXPECT_EQ(std::string(failure.what()),
                      home.path() + "rivet.ini に書き込めません\nアクセスが拒否されました (13)");
        }
    }
}

// A file the tool would then refuse to open is not written at all, not even in part.
TEST(IniFile, aSaveBeyondWhatOpeningAcceptsIsRefusedBeforeWriting)
{
    rivet::test::TempHome home;
    const std::string path = home.path() + "big.asm";
    rivet::test::writeBytes(path, "the old file");
    // Lines ending in LF alone grow by a byte each when written back with CR LF.
    IniFile ini = IniFile::fromBytes(std::string(rivet::kMaxTextFileBytes / 2 + 1, '\n'));
    EXPECT_EQ(ini.byteCount(), rivet::kMaxTextFileBytes + 2);
    try {
        ini.save(path);
        FAIL() << "saved a file beyond 16 MiB";
    } catch (const rivet::Failure& failure) {
        EXPECT_EQ(std::string(failure.what()),
                  path + " に書き込めません\n保存すると 16777218 バイトになり、開ける大きさ (16 MiB まで) を超えます");
    }
    EXPECT_EQ(rivet::test::readBytes(path), "the old file");
    IniFile::fromBytes(std::string(rivet::kMaxTextFileBytes / 2, '\n')).save(path);
    EXPECT_EQ(rivet::test::readBytes(path).size(), rivet::kMaxTextFileBytes) << "exactly the limit is written";
}
