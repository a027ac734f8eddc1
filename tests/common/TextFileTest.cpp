#include "common/TextFile.h"
#include "common/Failure.h"
#include "support/Bytes.h"
#include "support/FaultyFiles.h"
#include "support/TempHome.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

using Lines = std::vector<std::string>;

TEST(CatalogueLines, endAtCrAndNotAtALoneLf)
{
    EXPECT_EQ(rivet::splitCatalogueBytes("a\r\nb\rc\nd\r\n"), (Lines {"a", "b", "c\nd"}));
    EXPECT_EQ(rivet::splitCatalogueBytes("a\r\n\r\nb"), (Lines {"a", "", "b"}));
    EXPECT_EQ(rivet::splitCatalogueBytes("a\nb\nc\n"), (Lines {"a\nb\nc\n"}));
    EXPECT_EQ(rivet::splitCatalogueBytes(""), Lines {});
}

TEST(CatalogueLines, ctrlZEndsTheFile)
{
    EXPECT_EQ(rivet::splitCatalogueBytes("a\r\nb\x1A\r\nlost\r\n"), (Lines {"a", "b"}));
    EXPECT_EQ(rivet::splitCatalogueBytes("a\r\n\x1A"), (Lines {"a"}));
}

TEST(TextLines, endAtCrLfCrOrLf)
{
    EXPECT_EQ(rivet::splitTextLines("a\r\nb\rc\nd"), (Lines {"a", "b", "c", "d"}));
    EXPECT_EQ(rivet::splitTextLines("a\r\n\r\n"), (Lines {"a", ""}));
    EXPECT_EQ(rivet::splitTextLines(""), Lines {});
    EXPECT_EQ(rivet::joinCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(TextFiles, badShiftJisNamesTheFile)
{
    rivet::test::TempHome home;
    const std::string path = home.path() + "broken.txt";
    rivet::test::writeBytes(path, "ok\r\n\x82\r\n");
    try {
        rivet::readNormalisedText(path);
        FAIL() << "read invalid Shift-JIS";
    } catch (const rivet::Failure& failure) {
        EXPECT_NE(std::string(failure.what()).find(path), std::string::npos) << failure.what();
    }
}

TEST(TextFiles, missingAndOversizedFilesFailWithMessages)
{
    rivet::test::TempHome home;
    try {
        rivet::readFileBytes(home.path() + "missing.dat");
        FAIL();
    } catch (const rivet::Failure& failure) {
        EXPECT_EQ(failure.what(), "ファイルが見つかりません\n" + home.path() + "missing.dat");
    }
    const std::string big = home.path() + "big.dat";
    ASSERT_EQ(::truncate((rivet::test::writeBytes(big, ""), big).c_str(), 17 * 1024 * 1024), 0);
    EXPECT_THROW(rivet::readFileBytes(big), rivet::Failure);
}

TEST(TextFiles, atomicWriteReplacesWholeOrLeavesTheOldFile)
{
    rivet::test::TempHome home;
    const std::string path = home.path() + "out.txt";
    rivet::writeTextLines(path, {"機体", "b"}, "cannot");
    EXPECT_EQ(rivet::test::readBytes(path), rivet::test::sjisFile({"機体", "b"}));
    EXPECT_THROW(rivet::writeTextLines(path, {"😀"}, "cannot"), rivet::Failure);
    EXPECT_EQ(rivet::test::readBytes(path), rivet::test::sjisFile({"機体", "b"}));
    rivet::test::FaultyFiles readOnlyFolder(rivet::test::FaultyFiles::Step::Open, EACCES, home.path());
    EXPECT_THROW(rivet::writeTextLines(path, {"new"}, "cannot"), rivet::Failure);
    EXPECT_EQ(rivet::test::readBytes(path), rivet::test::sjisFile({"機体", "b"}));
}
