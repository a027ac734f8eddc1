#include "app/Paths.h"
#include "support/Bytes.h"
#include "support/TempHome.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace rivet;

TEST(Paths, rivetHomeReplacesTheProgramFolder)
{
    rivet::test::TempHome home;
    const Paths paths = Paths::forExecutable("/opt/somewhere/rivet");
    EXPECT_EQ(paths.exeDir, home.path());
    EXPECT_EQ(paths.garageDir, home.path() + "Garage/");
    EXPECT_EQ(paths.dataDir, home.path() + "data/");
    EXPECT_EQ(paths.settingsFile, home.path() + "rivet.ini");
    ::unsetenv("RIVET_HOME");
    EXPECT_EQ(Paths::forExecutable(home.path() + "rivet").dataDir, home.path() + "data/");
}

TEST(Paths, anInstalledProgramWorksInThePlayersDataFolder)
{
    rivet::test::TempHome home;
    ::unsetenv("RIVET_HOME");
    ::setenv("XDG_DATA_HOME", (home.path() + "xdg").c_str(), 1);
    const Paths paths = Paths::forExecutable("/nonexistent/bin/rivet");
    // A system's program folder counts as installed even for those who may write there (root).
    const Paths system = Paths::forExecutable("/usr/bin/rivet");
    const Paths unpacked = Paths::forExecutable(home.path() + "root/usr/local/bin/rivet");
    std::filesystem::create_directories(home.path() + "build/bin");
    const Paths built = Paths::forExecutable(home.path() + "build/bin/rivet");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(paths.exeDir, home.path() + "xdg/rivet-tool/");
    EXPECT_EQ(paths.settingsFile, home.path() + "xdg/rivet-tool/rivet.ini");
    EXPECT_EQ(system.exeDir, home.path() + "xdg/rivet-tool/");
    EXPECT_EQ(unpacked.exeDir, home.path() + "xdg/rivet-tool/");
    EXPECT_EQ(built.exeDir, home.path() + "build/bin/");
}

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
