#include "startup/Settings.h"
#include "support/Bytes.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace rivet;

TEST(Settings, longListDefaultsToOnAndReadsIntegers)
{
    rivet::test::TempHome home;
    const std::string file = home.settingsFile();
    EXPECT_TRUE(readLongList(file)) << "no file";
    for (const auto& [value, expected] : std::vector<std::pair<std::string, bool>> {
             {"0", false}, {"0x0", false}, {"abc", true}, {"1", true}, {"2", true}}) {
        rivet::test::writeBytes(file, "[common]\r\nlonglist=" + value + "\r\n");
        EXPECT_EQ(readLongList(file), expected) << value;
    }
    rivet::test::writeBytes(file, "[other]\r\nlonglist=0\r\n");
    EXPECT_TRUE(readLongList(file));
}

TEST(Settings, writingKeepsTheRestOfTheFile)
{
    rivet::test::TempHome home;
    const std::string file = home.settingsFile();
    writeLongList(file, true);
    EXPECT_EQ(rivet::test::readBytes(file), "[common]\r\nlonglist=1\r\n");
    rivet::test::writeBytes(file, "[mine]\r\nx=1\r\n[Common]\r\nLongList=1\r\n");
    writeLongList(file, false);
    EXPECT_EQ(rivet::test::readBytes(file), "[mine]\r\nx=1\r\n[Common]\r\nLongList=0\r\n");
    EXPECT_FALSE(readLongList(file));
}
