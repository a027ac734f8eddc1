#include "catalogue/PartsListing.h"
#include "common/Failure.h"
#include "support/Bytes.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using Cells = std::vector<std::string>;

namespace {

std::string writeCatalogue(const rivet::test::TempHome& home, const std::string& bytes)
{
    const std::string path = home.path() + "leg.dat";
    rivet::test::writeBytes(path, bytes);
    return path;
}

} // namespace

TEST(PartsListing, laysTheFileOutAsRowsAlignedWithTheSelector)
{
    rivet::test::TempHome home;
    const std::string path = writeCatalogue(
        home,
        rivet::test::sjisFile({"#脚部 一覧", "#name,price,weight,energy,ap,s,b,slot", "LN-1,100,200,30,400,5,6,7", "",
                               "LN-2,1,2,3,4,5,6,7,extra", "", "\"LN 3\",9,,9,9,9,9,9,x,y,z"}));
    const rivet::PartsListing listing = rivet::loadPartsListing(path);
    EXPECT_EQ(listing.caption, "#脚部 一覧");
    // Eight header items give ten columns; the part lines' extra items fill the two spare
    // columns and anything beyond them is dropped.
    ASSERT_EQ(listing.columnCount, 10);
    ASSERT_EQ(listing.rows.size(), 5u); // header, NO EQUIP and three parts: empty lines give no rows
    EXPECT_EQ(listing.rows[0], (Cells {"#name", "price", "weight", "energy", "ap", "s", "b", "slot", "", ""}));
    EXPECT_EQ(listing.rows[1], (Cells {"NO EQUIP", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(listing.rows[2], (Cells {"LN-1", "100", "200", "30", "400", "5", "6", "7", "", ""}));
    EXPECT_EQ(listing.rows[3], (Cells {"LN-2", "1", "2", "3", "4", "5", "6", "7", "extra", ""}));
    EXPECT_EQ(listing.rows[4], (Cells {"LN 3", "9", " ", "9", "9", "9", "9", "9", "x", "y"}));
}

TEST(PartsListing, readsLinesAsTheCatalogueLoaderDoes)
{
    rivet::test::TempHome home;
    // A lone LF does not end a line, and Ctrl-Z ends the file.
    const std::string path = writeCatalogue(home,
                                            "#t\r\n#a,b\r\nP1,1\nstill P1\r\nP2,2\r\n\x1A"
                                            "P3,3\r\n");
    const rivet::PartsListing listing = rivet::loadPartsListing(path);
    ASSERT_EQ(listing.rows.size(), 4u);
    EXPECT_EQ(listing.rows[2], (Cells {"P1", "1", "still", "P1"}));
    EXPECT_EQ(listing.rows[3], (Cells {"P2", "2", "", ""}));
}

TEST(PartsListing, aFileWithoutPartsGivesTheHeaderAndNoEquip)
{
    rivet::test::TempHome home;
    const rivet::PartsListing listing = rivet::loadPartsListing(writeCatalogue(home, "#t\r\n#a,b,c\r\n"));
    EXPECT_EQ(listing.columnCount, 5);
    EXPECT_EQ(listing.rows.size(), 2u);

    const rivet::PartsListing empty = rivet::loadPartsListing(writeCatalogue(home, ""));
    EXPECT_EQ(empty.caption, "");
    EXPECT_EQ(empty.columnCount, 2);
    EXPECT_EQ(empty.rows.size(), 2u);
}

TEST(PartsListing, aMissingFileFailsWithTheIoMessage)
{
    rivet::test::TempHome home;
    try {
        rivet::loadPartsListing(home.path() + "missing.dat");
        FAIL() << "loaded a missing file";
    } catch (const rivet::Failure& failure) {
        EXPECT_EQ(failure.what(), "ファイルが見つかりません\n" + home.path() + "missing.dat");
    }
    try {
        rivet::loadPartsListing(home.path());
        FAIL() << "loaded a folder";
    } catch (const rivet::Failure& failure) {
        EXPECT_EQ(failure.what(), "I/O エラー (21)\n" + home.path() + ": フォルダです (21)");
    }
}

TEST(PartsListing, aListingAtTheLimitsLoadsAndOneBeyondFails)
{
    rivet::test::TempHome home;
    const auto lines = [](int headerItems, int parts) {
        std::string text = "#t\r\n#name";
        for (int i = 1; i < headerItems; ++i) {
            text += ",h";
        }
        text += "\r\n";
        for (int i = 0; i < parts; ++i) {
            text += "P\r\n";
        }
        return text;
    };
    const rivet::PartsListing widest = rivet::loadPartsListing(writeCatalogue(home, lines(254, 1022)));
    EXPECT_EQ(widest.columnCount, rivet::kMaxListingColumns);
    EXPECT_EQ(widest.rows.size(), static_cast<std::size_t>(rivet::kMaxListingRows));
    EXPECT_THROW(rivet::loadPartsListing(writeCatalogue(home, lines(255, 0))), rivet::Failure);
    EXPECT_THROW(rivet::loadPartsListing(writeCatalogue(home, lines(1, 1023))), rivet::Failure);
}
