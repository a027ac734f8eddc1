#include "catalogue/CatalogueLoader.h"
#include "common/Failure.h"
#include "startup/DefaultFiles.h"
#include "support/Bytes.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace rivet;
using rivet::test::sjisFile;
using rivet::test::writeBytes;

namespace {

const std::string kHeadTitle = "#頭";
const std::string kHeadColumns = "#パーツ名,価格,重量,EG,AP,実弾防御,ビーム防御,説明";
const std::string kHeadRow = R"("HD-01-SRVT" ,26500,122,350, 816,154,149,"生態センサー内蔵型の頭部パーツ")";

class CatalogueLoader : public ::testing::Test
{
protected:
    // Loads head.dat with the given lines; returns the fixed message of the failure, if any.
    std::string loadHead(const std::vector<std::string>& lines)
    {
        writeBytes(home.path() + "head.dat", sjisFile(lines));
        return loadHeadFile();
    }
    std::string loadHeadFile()
    {
        const std::string message = loadHeadFileWithDetail();
        return message.substr(0, message.find('\n'));
    }
    std::string loadHeadFileWithDetail()
    {
        try {
            endIndex = loadSlotCatalogue(table, HeadSlot, home.path(), "head.dat");
        } catch (const Failure& failure) {
            return failure.what();
        }
        return {};
    }

    rivet::test::TempHome home;
    PartsTable table;
    int endIndex = -1;
};

} // namespace

TEST_F(CatalogueLoader, rowsFillTheGroupBetweenNoEquipAndTheEndMarker)
{
    ASSERT_EQ(loadHead({kHeadTitle, kHeadColumns, kHeadRow, "", R"("HD-2002",1,2,3,4,5,6,"x")"}), "");
    EXPECT_EQ(endIndex, 3);
    const Part* noEquip = table.part(HeadSlot, 0);
    ASSERT_NE(noEquip, nullptr);
    EXPECT_EQ(noEquip->name, "NO EQUIP");
    EXPECT_EQ(noEquip->legType, "0");
    EXPECT_EQ(noEquip->description, "no");
    const Part* first = table.part(HeadSlot, 1);
    EXPECT_EQ(first->name, "HD-01-SRVT");
    EXPECT_EQ(first->price, 26500);
    EXPECT_EQ(first->energy, 350);
    EXPECT_EQ(first->ap, 816);
    EXPECT_EQ(first->beamDefence, 149);
    EXPECT_EQ(first->description, "生態センサー内蔵型の頭部パーツ");
    EXPECT_EQ(table.part(HeadSlot, 3)->name, "end");
    EXPECT_EQ(table.part(HeadSlot, 4), nullptr);
    EXPECT_EQ(table.selectorItems(HeadSlot), (std::vector<std::string> {"NO EQUIP", "HD-01-SRVT", "HD-2002"}));
}

TEST_F(CatalogueLoader, columnOrdersDifferPerFile)
{
    Part core;
    parsePartLine(core, CoreSlot, R"("XCA-00", 61500,1103,1046,2710,530,505,2770, 8,"平均的な性能の標準タイプ")");
    EXPECT_EQ(core.loadCapacity, 2770);
    EXPECT_EQ(core.slots, 8);
    Part legs;
    parsePartLine(
        legs, LegsSlot,
        R"("LF-205-SF"  , 42600,2137,2810,2265,2841,446,654,3450, 580,483,F26,"4足標準タイプ。最高クラスの機動力")");
    EXPECT_EQ(legs.moveEnergy, 2810);
    EXPECT_EQ(legs.restEnergy, 2265);
    EXPECT_EQ(legs.ap, 2841);
    EXPECT_EQ(legs.stability, 580);
    EXPECT_EQ(legs.speed, 483);
    EXPECT_EQ(legs.legType, "F26");
    Part back;
    parsePartLine(back, BackWeaponSlot,
                  R"("RXA-01WE"   , 12100, 210,243,1D,-,0,8650,"従来型のレーダー。最高級頭部パーツ並み")");
    EXPECT_EQ(back.shoulder, "1D");
    EXPECT_EQ(back.sight, "-");
    EXPECT_EQ(back.range, 8650);
    Part arm;
    parsePartLine(arm, ArmWeaponSlot,
                  R"("WG-RF35"       ,11400, 415,6,WS,218,8500,"標準的な携行機関砲。各種任務に対応可")");
    EXPECT_EQ(arm.sight, "WS");
    EXPECT_EQ(arm.attack, 218);
    Part untouched;
    parsePartLine(untouched, 11, kHeadRow);
    EXPECT_TRUE(untouched.name.empty());
}

TEST_F(CatalogueLoader, headerOnlyAndEmptyFilesGiveNoEquipAlone)
{
    ASSERT_EQ(loadHead({kHeadTitle, kHeadColumns}), "");
    EXPECT_EQ(endIndex, 1);
    writeBytes(home.path() + "head.dat", "");
    ASSERT_EQ(loadHeadFile(), "");
    EXPECT_EQ(table.selectorItems(HeadSlot), std::vector<std::string> {"NO EQUIP"});
}

TEST_F(CatalogueLoader, lfOnlyFileIsOneLongLineThatTheHeaderSkipDiscards)
{
    writeBytes(home.path() + "head.dat",
               rivet::test::sjisBytes(kHeadTitle + "\n" + kHeadColumns + "\n" + kHeadRow + "\n"));
    ASSERT_EQ(loadHeadFile(), "");
    EXPECT_EQ(endIndex, 1);
}

TEST_F(CatalogueLoader, failuresCarryTheirMessages)
{
    EXPECT_EQ(loadHead({kHeadTitle, kHeadColumns, "   "}), "リストのインデックスが範囲を超えています (0)");
    EXPECT_EQ(loadHead({kHeadTitle, kHeadColumns, R"("HD",1,2)"}), "リストのインデックスが範囲を超えています (3)");
    EXPECT_EQ(loadHead({kHeadTitle, kHeadColumns, R"("HD",1.5,2,3,4,5,6,"x")"}), "'1.5' は整数ではありません");
    // A third comment line is a data line, and its column list is not a price.
    EXPECT_EQ(loadHead({kHeadTitle, kHeadColumns, "#more"}), "リストのインデックスが範囲を超えています (1)");
    EXPECT_EQ(loadHead({kHeadTitle, kHeadColumns, kHeadColumns}), "'価格' は整数ではありません");
}

TEST_F(CatalogueLoader, failingLineKeepsWhatWasAssignedBeforeIt)
{
    EXPECT_EQ(loadHead({kHeadTitle, kHeadColumns, R"("HD-X",100,oops,3,4,5,6,"x")"}), "'oops' は整数ではありません");
    const Part* part = table.part(HeadSlot, 1);
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->name, "HD-X");
    EXPECT_EQ(part->price, 100);
    EXPECT_EQ(part->weight, 0);
}

TEST_F(CatalogueLoader, quotedNumbersMayLeadWithBlanksOnly)
{
    EXPECT_EQ(loadHead({kHeadTitle, kHeadColumns, R"("HD"," 123",1,2,3,4,5,"x")"}), "");
    EXPECT_EQ(table.part(HeadSlot, 1)->price, 123);
    EXPECT_EQ(loadHead({kHeadTitle, kHeadColumns, R"("HD","123 ",1,2,3,4,5,"x")"}), "'123 ' は整数ではありません");
}

TEST_F(CatalogueLoader, aGroupHoldsAtMostItsSizeLessTwo)
{
    std::vector<std::string> lines {kHeadTitle, kHeadColumns};
    for (int i = 0; i < 15; ++i) {
        lines.push_back(R"("HD",1,2,3,4,5,6,"x")");
    }
    EXPECT_EQ(loadHead(lines), "");
    EXPECT_EQ(endIndex, 16);
    lines.push_back(R"("HD",1,2,3,4,5,6,"x")");
    EXPECT_EQ(loadHead(lines), "範囲チェックエラー");
}

TEST_F(CatalogueLoader, aPartNamedEndEndsTheSelectorList)
{
    ASSERT_EQ(loadHead({kHeadTitle, kHeadColumns, kHeadRow, R"("end",1,2,3,4,5,6,"x")", kHeadRow}), "");
    EXPECT_EQ(table.selectorItems(HeadSlot).size(), 2u);
    EXPECT_EQ(table.itemCount(HeadSlot), 2);
}

TEST_F(CatalogueLoader, unreadableFileGivesTheIoMessage)
{
    EXPECT_EQ(loadHeadFileWithDetail(), "ファイルが見つかりません\n" + home.path() + "head.dat");
}

TEST_F(CatalogueLoader, shortOptionCatalogueLeavesLaterOptionsEmpty)
{
    writeBytes(home.path() + "option.dat",
               sjisFile({"#オプション", "#パーツ名,価格,Slot", R"("SP-MAW",14200,1,"レーダー")"}));
    ASSERT_NO_THROW(loadSlotCatalogue(table, OptionSlot, home.path(), "option.dat"));
    ASSERT_NE(table.option(1), nullptr);
    EXPECT_EQ(table.option(1)->name, "SP-MAW");
    EXPECT_EQ(table.option(2), nullptr);
    EXPECT_EQ(table.option(14), nullptr);
}

TEST_F(CatalogueLoader, aFailureNamesTheFileAndTheLineAfterItsFixedMessage)
{
    const std::string file = "ファイル " + home.path() + "head.dat";
    writeBytes(home.path() + "head.dat", sjisFile({kHeadTitle, kHeadColumns, kHeadRow, "", R"("HD",x)"}));
    EXPECT_EQ(loadHeadFileWithDetail(), "'x' は整数ではありません\n" + file + " の 5 行目");
    std::vector<std::string> lines {kHeadTitle, kHeadColumns};
    lines.insert(lines.end(), 16, kHeadRow);
    writeBytes(home.path() + "head.dat", sjisFile(lines));
    EXPECT_EQ(loadHeadFileWithDetail(), "範囲チェックエラー\n" + file + ": 部品は 15 個まで");
}
