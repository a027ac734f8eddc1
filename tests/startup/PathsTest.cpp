#include "startup/Paths.h"
#include "common/Failure.h"
#include "support/TempHome.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

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

TEST(Paths, theDataFolderOfAnInstalledProgram)
{
    EXPECT_EQ(playerDataFolder("/x/data", "/home/ann", "/home/bob"), "/x/data/rivet-tool/");
    EXPECT_EQ(playerDataFolder("", "/home/ann", "/home/bob"), "/home/ann/.local/share/rivet-tool/");
    EXPECT_EQ(playerDataFolder("relative/data", "", "/home/bob/"), "/home/bob/.local/share/rivet-tool/");
    try {
        playerDataFolder("", "", "");
        FAIL() << "a data folder without any home folder";
    } catch (const rivet::Failure& failure) {
        EXPECT_STREQ(failure.what(), "ホームフォルダが見つかりません");
    }
}

namespace {

// In a child process: an installed program starts as that account with neither HOME nor
// XDG_DATA_HOME set; prints the data folder it chose (exit 0) or its failure (exit 1).
[[noreturn]] void startInstalledProgramAs(uid_t account)
{
    ::unsetenv("RIVET_HOME");
    ::unsetenv("HOME");
    ::unsetenv("XDG_DATA_HOME");
    if (::setuid(account) != 0) {
        std::_Exit(2);
    }
    try {
        std::fprintf(stderr, "[%s]", Paths::forExecutable("/nonexistent/bin/rivet").exeDir.c_str());
        std::_Exit(0);
    } catch (const rivet::Failure& failure) {
        std::fprintf(stderr, "[%s]", failure.what());
        std::_Exit(1);
    }
}

} // namespace

TEST(Paths, withoutHomeTheAccountsHomeFolderIsTakenOrTheStartRefused)
{
    // Never the shared /tmp/.local/share. Switching accounts needs root; the account
    // "nobody" has a home folder that does not exist, so nothing is created anywhere.
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() != 0 || !nobody || ::access(nobody->pw_dir, F_OK) == 0) {
        GTEST_SKIP() << "needs root and an account nobody without a home folder";
    }
    const std::string nobodyData = std::string(nobody->pw_dir) + "/.local/share/rivet-tool/";
    EXPECT_EXIT(startInstalledProgramAs(nobody->pw_uid), ::testing::ExitedWithCode(0), "\\[" + nobodyData + "\\]");
    uid_t unknown = 54321;
    while (::getpwuid(unknown)) {
        ++unknown;
    }
    EXPECT_EXIT(startInstalledProgramAs(unknown), ::testing::ExitedWithCode(1), "\\[ホームフォルダが見つかりません\\]");
}
