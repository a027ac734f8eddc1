// Faults that fuzzing the file formats brought up, each kept from coming back.
#include "common/Failure.h"
#include "common/IniFile.h"
#include "common/TextFile.h"
#include "document/AssemblyFile.h"
#include "document/DocumentService.h"
#include "document/MachineDocument.h"
#include "document/TemplateExpansion.h"
#include "support/Bytes.h"
#include "support/FactoryCatalogue.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace rivet;
using rivet::test::sjisFile;
using rivet::test::writeBytes;

// A colour row whose region name is an empty item (",010203,...") is named " ". Saving wrote
// it under the key " ", which the reading, trimming the file's keys, never found again: the
// next opening in the same run put the factory colours in its place, and every save added
// another line for it.
TEST(FileFormatRegression, aRegionWithoutANameKeepsItsColorsThroughSaveAndOpen)
{
    rivet::test::TempHome home;
    ensureFolder(home.garageDir());
    const std::string path = home.garageDir() + "noname.asm";
    writeBytes(path, sjisFile({"[color]", "LEGS=,010203,040506,070809,101112"}));
    MachineDocument document(rivet::test::factoryTable());
    document.startNew();
    document.open(path);
    ASSERT_EQ(document.machine().colors.regionRowText(4), "\" \",010203,040506,070809,101112");

    for (int round = 0; round < 2; ++round) {
        document.save();
        document.open(path);
        EXPECT_EQ(document.machine().colors.regionRowText(4), "\" \",010203,040506,070809,101112") << "round " << round;
    }
    const IniFile saved = IniFile::load(path);
    EXPECT_EQ(saved.readString("color", " ", ""), "\" \",010203,040506,070809,101112");
    EXPECT_EQ(saved.toBytes().find("\r\n =", saved.toBytes().find("\r\n =") + 1), std::string::npos)
        << "one line for the row, however often it is saved";
}

TEST(FileFormatRegression, namesMatchWithoutTheBlanksAroundThem)
{
    IniFile ini = IniFile::fromBytes("[ color ]\r\n  HEAD  =  x  \r\n");
    EXPECT_EQ(ini.readString("color", "HEAD", ""), "x");
    EXPECT_EQ(ini.readString(" color", "HEAD ", ""), "x");
    ini.writeString("color ", " HEAD", "y");
    EXPECT_EQ(ini.toBytes(), "[ color ]\r\n  HEAD  =y\r\n");
}

// A value holding a later placeholder is expanded again; names holding many of them make the
// text grow at every step, so a file of a few kilobytes asked for more memory than any machine
// has, and the export ended in an allocation failure. The expansion now stops at the limit.
TEST(FileFormatRegression, expansionStopsAtTheSizeLimit)
{
    std::vector<std::string> values(kPlaceholderCount);
    std::string pilots;
    std::string emblems;
    for (int i = 0; i < 290; ++i) {
        pilots += "#plname";
        emblems += "#emblem";
    }
    values[0] = pilots;
    values[1] = emblems;
    values[42] = std::string(2000, 'e');
    try {
        expandTemplate({"#acname"}, values);
        FAIL() << "an 80 MB report was written";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "レポートが大きすぎます (16 MiB まで)");
    }
    // Up to the limit, the text grows as it should.
    EXPECT_EQ(expandTemplate({"#acname"}, {"#plname#plname", "ab"}, 16), "abab\r\n");
    try {
        expandTemplate({"#acname"}, {"#plname#plname#plname"}, 16);
        FAIL() << "the text outgrew its limit";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "レポートが大きすぎます (16 バイトまで)");
    }
}
