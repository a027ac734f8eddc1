#include "desktop/FileAssociation.h"
#include "TestPaths.h"
#include "common/Failure.h"
#include "common/HomeFolder.h"
#include "desktop/DesktopFileType.h"
#include "desktop/DesktopRegistry.h"
#include "support/Bytes.h"
#include "support/FaultyFiles.h"
#include "support/TempHome.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

// A registry that records the writes and refuses the key named failingKey.
class RecordingRegistry : public rivet::Registry
{
public:
    void setDefaultValue(const std::string& key, const std::string& value) override
    {
        if (key == failingKey) {
            throw rivet::Failure(rivet::registryFailureMessage());
        }
        writes.emplace_back(key, value);
    }
    std::string failingKey;
    Writes writes;
};

rivet::DesktopRegistry registryIn(const rivet::test::TempHome& home)
{
    return rivet::DesktopRegistry({home.path() + "data", home.path() + "config", {}});
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(FileAssociation, writesTheThreeValuesInOrder)
{
    RecordingRegistry registry;
    rivet::associateAsmFiles(registry, "/opt/rivet tool/bin/rivet");
    EXPECT_EQ(registry.writes,
              (Writes {{".asm", "ZubRivet"},
                       {"ZubRivet", "Kosmo機体データ"},
                       {"ZubRivet\\shell\\open\\command", "/opt/rivet tool/bin/rivet \"%1\""}}));
}

TEST(FileAssociation, aFailedWriteStopsAndKeepsTheEarlierValues)
{
    RecordingRegistry registry;
    registry.failingKey = "ZubRivet";
    try {
        rivet::associateAsmFiles(registry, "/usr/bin/rivet");
        FAIL() << "the failed write was not reported";
    } catch (const rivet::Failure& failure) {
        EXPECT_STREQ(failure.what(), "'' の設定に失敗しました");
    }
    EXPECT_EQ(registry.writes, (Writes {{".asm", "ZubRivet"}}));
}

TEST(DesktopRegistry, keepsTheValuesAndMirrorsThemOntoTheDesktop)
{
    rivet::test::TempHome home;
    rivet::DesktopRegistry registry = registryIn(home);
    rivet::associateAsmFiles(registry, "/opt/rivet/rivet");

    // The values read back exactly, also through a fresh instance.
    const rivet::DesktopRegistry reread = registryIn(home);
    EXPECT_EQ(reread.defaultValue(".asm"), "ZubRivet");
    EXPECT_EQ(reread.defaultValue("ZubRivet"), "Kosmo機体データ");
    EXPECT_EQ(reread.defaultValue("ZubRivet\\shell\\open\\command"), "/opt/rivet/rivet \"%1\"");
    EXPECT_EQ(reread.defaultValue("unknown"), "");
    EXPECT_EQ(registry.registryFile(), home.path() + "data/rivet-tool/registry.ini");

    const std::string package = rivet::test::readBytes(home.path() + "data/mime/packages/rivet-tool-asm.xml");
    EXPECT_TRUE(contains(package, "<mime-type type=\"application/x-zubrivet-asm\">")) << package;
    EXPECT_TRUE(contains(package, "<comment>Kosmo機体データ</comment>")) << package;
    EXPECT_TRUE(contains(package, "<glob pattern=\"*.asm\"")) << package;

    const std::string entry = rivet::test::readBytes(home.path() + "data/applications/rivet-tool.desktop");
    EXPECT_TRUE(contains(entry, "\nExec=/opt/rivet/rivet %f\n")) << entry;
    EXPECT_TRUE(contains(entry, "\nMimeType=application/x-zubrivet-asm;\n")) << entry;
    EXPECT_TRUE(contains(entry, "\nIcon=rivet-tool\n")) << entry;
    // The caches the desktop reads these records through are due for rebuilding.
    using Refresh = rivet::DesktopRegistry::CacheRefresh;
    EXPECT_EQ(registry.cacheRefreshes(),
              (std::vector<Refresh> {{"update-mime-database", home.path() + "data/mime"},
                                     {"update-desktop-database", home.path() + "data/applications"}}));

    const std::string mimeapps = rivet::test::readBytes(home.path() + "config/mimeapps.list");
    EXPECT_EQ(mimeapps, "[Default Applications]\napplication/x-zubrivet-asm=rivet-tool.desktop\n");
}

TEST(DesktopRegistry, registeringAgainRewritesTheSameValuesAndKeepsOtherSettings)
{
    rivet::test::TempHome home;
    rivet::DesktopRegistry registry = registryIn(home);
    registry.setDefaultValue("other", "kept");
    rivet::associateAsmFiles(registry, "/old/rivet");
    const std::string list = home.path() + "config/mimeapps.list";
    rivet::test::writeBytes(list,
                            "[Added Associations]\ntext/plain=editor.desktop;\n\n[Default Applications]\n"
                            "application/x-zubrivet-asm=someone-else.desktop\nimage/png=viewer.desktop\n");

    rivet::associateAsmFiles(registry, "/new/rivet");
    EXPECT_EQ(registry.defaultValue("ZubRivet\\shell\\open\\command"), "/new/rivet \"%1\"");
    EXPECT_EQ(registry.defaultValue("other"), "kept");
    EXPECT_EQ(rivet::test::readBytes(list),
              "[Added Associations]\ntext/plain=editor.desktop;\n\n"
              "[Default Applications]\n"
              "application/x-zubrivet-asm=rivet-tool.desktop\n"
              "image/png=viewer.desktop\n");
    const std::string entry = rivet::test::readBytes(home.path() + "data/applications/rivet-tool.desktop");
    EXPECT_TRUE(contains(entry, "\nExec=/new/rivet %f\n")) << entry;
}

TEST(DesktopRegistry, aFolderThatCannotBeMadeFailsWithTheRegistryMessage)
{
    rivet::test::TempHome home;
    // A file where the data folder should be: no folder can be created below it.
    rivet::test::writeBytes(home.path() + "data", "in the way");
    rivet::DesktopRegistry registry = registryIn(home);
    try {
        rivet::associateAsmFiles(registry, "/usr/bin/rivet");
        FAIL() << "the failed write was not reported";
    } catch (const rivet::Failure& failure) {
        EXPECT_EQ(std::string(failure.what()),
                  "'' の設定に失敗しました\nフォルダ " + home.path()
                      + "data/rivet-tool を作成できません: パスの途中にフォルダでないものがあります (20)");
    }
}

// Settings kept in a folder of their own and linked into ~/.config stay where they are; a
// full disk says which file could not be written.
TEST(DesktopRegistry, aLinkedMimeappsListIsWrittenThroughAndAFullDiskNamesTheFile)
{
    rivet::test::TempHome home;
    std::filesystem::create_directories(home.path() + "dotfiles");
    std::filesystem::create_directories(home.path() + "config");
    rivet::test::writeBytes(home.path() + "dotfiles/mimeapps.list", "[Added Associations]\n");
    std::filesystem::create_symlink("../dotfiles/mimeapps.list", home.path() + "config/mimeapps.list");
    rivet::DesktopRegistry registry = registryIn(home);
    rivet::associateAsmFiles(registry, "/usr/bin/rivet");
    EXPECT_TRUE(std::filesystem::is_symlink(home.path() + "config/mimeapps.list"));
    EXPECT_TRUE(contains(rivet::test::readBytes(home.path() + "dotfiles/mimeapps.list"),
                         "application/x-zubrivet-asm=rivet-tool.desktop"));

    rivet::test::FaultyFiles full(rivet::test::FaultyFiles::Step::Write, ENOSPC, home.path() + "data/rivet-tool/");
    try {
        registry.setDefaultValue("other", "value");
        FAIL() << "the failed write was not reported";
    } catch (const rivet::Failure& failure) {
        EXPECT_EQ(std::string(failure.what()),
                  "'' の設定に失敗しました\n" + registry.registryFile()
                      + " に書き込めません\nディスクに空きがありません (28)");
    }
}

TEST(DesktopRegistry, aFailingDesktopRecordKeepsTheValuesWrittenBefore)
{
    rivet::test::TempHome home;
    rivet::test::writeBytes(home.path() + "config", "in the way"); // mimeapps.list cannot be written
    rivet::DesktopRegistry registry = registryIn(home);
    EXPECT_THROW(rivet::associateAsmFiles(registry, "/usr/bin/rivet"), rivet::Failure);
    EXPECT_EQ(registry.defaultValue(".asm"), "ZubRivet");
    EXPECT_EQ(registry.defaultValue("ZubRivet"), "Kosmo機体データ");
}

TEST(DesktopRegistry, valuesWithLineBreaksCannotForgeKeys)
{
    rivet::test::TempHome home;
    rivet::DesktopRegistry registry = registryIn(home);
    registry.setDefaultValue("note", "one\n[.asm]\n@=forged\\");
    EXPECT_EQ(registry.defaultValue("note"), "one\n[.asm]\n@=forged\\");
    EXPECT_EQ(registry.defaultValue(".asm"), "");
}

TEST(DesktopRegistry, foldersComeFromTheEnvironment)
{
    const char* home = std::getenv("HOME");
    ::setenv("XDG_DATA_HOME", "/tmp/xdg-data/", 1);
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1); // not absolute: ignored
    const auto folders = rivet::DesktopRegistry::Folders::fromEnvironment();
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(folders.dataHome, "/tmp/xdg-data");
    EXPECT_EQ(folders.configHome, std::string(home ? home : "") + "/.config");
}

TEST(DesktopEntry, quotesAProgramPathThatNeedsIt)
{
    using rivet::desktop::execLine;
    EXPECT_EQ(execLine("/usr/bin/rivet"), "/usr/bin/rivet %f");
    EXPECT_EQ(execLine("/home/a b/rivet"), "\"/home/a b/rivet\" %f");
    EXPECT_EQ(execLine("/opt/\"x\"$y`z\\/rivet"), "\"/opt/\\\"x\\\"\\$y\\`z\\\\/rivet\" %f");
    EXPECT_EQ(execLine("/opt/100%/rivet"), "/opt/100%%/rivet %f");
    // In the file, the backslashes of the quoting are themselves escaped.
    const std::string entry = rivet::desktop::desktopEntryText("/a b\\c/rivet", "application/x-t");
    EXPECT_TRUE(contains(entry, "\nExec=\"/a b\\\\\\\\c/rivet\" %f\n")) << entry;
    EXPECT_EQ(rivet::desktop::programOfOpenCommand("/a b/rivet \"%1\""), "/a b/rivet");
}

// With the package installed, a registration of the packaged program leaves the package's
// desktop entry and MIME type to show: it only makes the entry the default application, and
// takes away an entry of its own an earlier registration (from a build tree) left.
TEST(DesktopRegistry, whatTheInstalledPackageProvidesIsNotWrittenAgain)
{
    rivet::test::TempHome home;
    namespace fs = std::filesystem;
    const std::string system = home.path() + "usr/share";
    const std::string mimeType = rivet::desktop::mimeTypeFor(rivet::kAsmFileType, "asm");
    fs::create_directories(system + "/applications");
    fs::create_directories(system + "/mime/packages");
    fs::create_directories(home.path() + "usr/bin");
    rivet::test::writeBytes(system + "/applications/rivet-tool.desktop",
                            rivet::desktop::desktopEntryText("rivet", mimeType));
    rivet::test::writeBytes(system + "/mime/packages/rivet-tool-asm.xml",
                            rivet::desktop::mimePackageText(mimeType, "asm", rivet::kAsmFileTypeDescription));
    const std::string installed = home.path() + "usr/bin/rivet";
    rivet::test::writeBytes(installed, "#!/bin/sh\n");
    ::chmod(installed.c_str(), 0755);
    const std::string path = rivet::environmentValue("PATH");
    ::setenv("PATH", (home.path() + "usr/bin:" + path).c_str(), 1);

    rivet::DesktopRegistry::Folders folders {home.path() + "data", home.path() + "config", {system}};
    rivet::DesktopRegistry fromABuildTree(folders);
    rivet::associateAsmFiles(fromABuildTree, "/home/player/build/bin/rivet");
    const std::string userEntry = home.path() + "data/applications/rivet-tool.desktop";
    EXPECT_TRUE(contains(rivet::test::readBytes(userEntry), "Exec=/home/player/build/bin/rivet %f"))
        << "another program than the package's gets an entry of its own";
    EXPECT_FALSE(fs::exists(home.path() + "data/mime/packages/rivet-tool-asm.xml")) << "the package's type serves";

    rivet::DesktopRegistry fromThePackage(folders);
    rivet::associateAsmFiles(fromThePackage, installed);
    EXPECT_FALSE(fs::exists(userEntry)) << "it would hide the package's";
    EXPECT_FALSE(fs::exists(home.path() + "data/mime/packages/rivet-tool-asm.xml"));
    EXPECT_EQ(rivet::test::readBytes(home.path() + "config/mimeapps.list"),
              "[Default Applications]\napplication/x-zubrivet-asm=rivet-tool.desktop\n");
    using Refresh = rivet::DesktopRegistry::CacheRefresh;
    EXPECT_EQ(fromThePackage.cacheRefreshes(),
              (std::vector<Refresh> {{"update-desktop-database", home.path() + "data/applications"}}));

    // The player's own entry of that name is theirs to keep.
    rivet::test::writeBytes(userEntry, "[Desktop Entry]\nName=My planner\nExec=rivet %f\n");
    rivet::associateAsmFiles(fromThePackage, installed);
    EXPECT_EQ(rivet::test::readBytes(userEntry), "[Desktop Entry]\nName=My planner\nExec=rivet %f\n");
    ::setenv("PATH", path.c_str(), 1);
}

// The package installs both files system-wide and a per-user registration writes its own under
// the same names, which take their place: they must not differ but in the program's path.
TEST(DesktopEntry, thePackagedFilesAreTheOnesTheProgramWrites)
{
    const std::string mimeType = rivet::desktop::mimeTypeFor(rivet::kAsmFileType, "asm");
    EXPECT_EQ(rivet::test::readBytes(RIVET_RESOURCES_DIR "rivet-tool.desktop"),
              rivet::desktop::desktopEntryText("rivet", mimeType));
    EXPECT_EQ(rivet::test::readBytes(RIVET_RESOURCES_DIR "rivet-tool-asm.xml"),
              rivet::desktop::mimePackageText(mimeType, "asm", rivet::kAsmFileTypeDescription));
}
