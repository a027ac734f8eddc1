#include "startup/DefaultFiles.h"
#include "common/ShiftJis.h"
#include "common/TextFile.h"
#include "startup/StartUp.h"
#include "support/Bytes.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace rivet;
using rivet::test::readBytes;
using rivet::test::sjisBytes;

namespace {

std::vector<std::string> linesOf(const std::string& path)
{
    return splitTextLines(*sjis::decode(readBytes(path)));
}

} // namespace

TEST(DefaultFiles, firstStartWritesElevenCataloguesAndTwoTemplates)
{
    rivet::test::TempHome home;
    writeDefaultFiles(home.dataDir());
    for (const char* name : slotFileNames) {
        const std::string bytes = readBytes(home.dataDir() + name);
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << name;
        EXPECT_EQ(bytes.find("\r\n\r\n\r\n"), std::string::npos) << name;
    }
    EXPECT_EQ(linesOf(home.dataDir() + "template1.htm").size(), 40u);
    EXPECT_EQ(linesOf(home.dataDir() + "template1.txt").size(), 29u);
    EXPECT_FALSE(fileExists(home.dataDir() + "template2.htm"));
}

TEST(DefaultFiles, telltaleRowsAreStoredByteForByte)
{
    rivet::test::TempHome home;
    writeDefaultFiles(home.dataDir());
    const std::string leg = readBytes(home.dataDir() + "leg.dat");
    EXPECT_EQ(leg.substr(0, 5), sjisBytes("#脚\r\n"));
    EXPECT_NE(leg.find(sjisBytes("\r\n\"LN-1001\"     , 28500,1966,1725, "
                                 "643,3235,556,531,4520,1018,277,N,\"バランスの取れた標準的2足パーツ\"\r\n")),
              std::string::npos);
    EXPECT_NE(readBytes(home.dataDir() + "core.dat")
                  .find(sjisBytes(
                      "#パーツ名,価格,重量,EG ,AP,実弾防御,ビーム防御,最大積載量,Slot,説明\r\n\"XCA-00\", 61500,")),
              std::string::npos);
    EXPECT_NE(readBytes(home.dataDir() + "backweapon.dat")
                  .find(sjisBytes(
                      "\"WX-S800-GF\" , 90900, 1110,656,2,ST,1120,11000,\"1回のロックオンでミサイル6発を発射\"\r\n")),
              std::string::npos);
    EXPECT_EQ(linesOf(home.dataDir() + "option.dat").front(), "#オプション");
    // The text template's colour line for the base layer.
    EXPECT_EQ(
        linesOf(home.dataDir() + "template1.txt")[22],
        "ＢＡＳＥ        ：  #clhbr,#clhbg,#clhbb  #clcbr,#clcbg,#clcbb  #clabr,#clabg,#clabb  #cllbr,#cllbg,#cllbb");
}

TEST(DefaultFiles, theFactoryCatalogueLoadsWithItsPartsInOrder)
{
    rivet::test::TempHome home;
    Workspace workspace;
    ASSERT_NO_THROW(startUp(workspace, Paths::inFolder(home.path())));
    const PartsTable& table = workspace.table;
    const int counts[kSlotCount] = {15, 5, 19, 29, 9, 11, 8, 48, 25, 5, 13};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(table.itemCount(slot), counts[slot] + 1) << slotFileNames[static_cast<std::size_t>(slot)];
    }
    // The initial selection: head 1 .. left back weapon 41.
    EXPECT_EQ(table.part(LegsSlot, 4)->name, "LN-1001-PX-0");
    EXPECT_EQ(table.part(BackWeaponSlot, 41)->name, "RXA-01WE");
    EXPECT_EQ(table.part(ArmsSlot, 10)->name, "AW-MG25/2");
    EXPECT_EQ(table.part(ArmsSlot, 9)->name, "AN-891-S");
    EXPECT_EQ(table.option(4)->name, "SP-ABS");
    EXPECT_EQ(table.option(12)->name, "SP-DEtq");
    EXPECT_EQ(table.part(LegsSlot, 25)->legType, "C06");
    for (int item = 10; item <= 19; ++item) {
        EXPECT_EQ(table.part(ArmsSlot, item)->shellDefence, 0);
        EXPECT_EQ(table.part(ArmsSlot, item)->beamDefence, 0);
    }
}

TEST(DefaultFiles, existingFilesAreNeverOverwrittenAndDeletedOnesComeBack)
{
    rivet::test::TempHome home;
    writeDefaultFiles(home.dataDir());
    const std::string fcs = home.dataDir() + "fcs.dat";
    const std::string factory = readBytes(fcs);
    rivet::test::writeBytes(fcs, "edited");
    rivet::test::writeBytes(home.dataDir() + "template1.txt", "mine");
    writeDefaultFiles(home.dataDir());
    EXPECT_EQ(readBytes(fcs), "edited");
    EXPECT_EQ(readBytes(home.dataDir() + "template1.txt"), "mine");
    std::remove(fcs.c_str());
    writeDefaultFiles(home.dataDir());
    EXPECT_EQ(readBytes(fcs), factory);
}
