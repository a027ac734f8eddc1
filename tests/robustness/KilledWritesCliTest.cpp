// The real rivet-cli killed in the middle of its writes (the file size limit kills a program
// that writes past it), and first starts racing each other: the old files stay whole, no
// default is left half written, and the next start clears away what the kill left.
#include "TestPaths.h"
#include "robustness/BadInput.h"
#include "startup/DefaultFiles.h"
#include "support/Bytes.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

using namespace rivet::test;
namespace fs = std::filesystem;

namespace {

// Every file of the folder with its bytes.
std::map<std::string, std::string> filesIn(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        files[entry.path().filename().string()] = readBytes(entry.path().string());
    }
    return files;
}

std::map<std::string, std::string> factoryDefaults()
{
    TempHome other;
    rivet::writeDefaultFiles(other.dataDir());
    return filesIn(other.dataDir());
}

// 512 bytes are more than nothing and less than any file these commands write.
const char* const kKillingLimit = "ulimit -f 1";

} // namespace

TEST(KilledWrites, theOldFileStaysAndTheNextStartClearsTheTemporaryAway)
{
    struct Row
    {
        const char* name;
        std::string command; // with %s for the assembly's path
        const char* folder;
    };
    for (const Row& row : std::vector<Row> {{"a save", "optimise --goal ed1 --top 1 -o %s", "Garage/"},
                                            {"a report", "export --format html %s", "Garage/"},
                                            {"a report beside", "export --format text %s -o %s.txt", "Garage/"}}) {
        SCOPED_TRACE(row.name);
        TempHome home;
        ASSERT_EQ(runCli({"check"}).code, 0);
        const std::string path = home.garageDir() + "m.asm";
        writeBytes(path, sjisFile({"[asm]", "ACname=the old machine"}));
        writeBytes(home.garageDir() + "m.htm", "the old report");
        std::string command = row.command;
        for (std::size_t at; (at = command.find("%s")) != std::string::npos;) {
            command.replace(at, 2, path);
        }
        const auto before = filesIn(home.garageDir());

        EXPECT_EQ(runProgram(command, 60, kKillingLimit).code, 128 + SIGXFSZ);
        EXPECT_EQ(leftoverTemporaries(home.path() + row.folder).size(), 1u) << "the kill leaves its temporary";
        EXPECT_EQ(runCli({"check"}).code, 0);
        EXPECT_EQ(filesIn(home.garageDir()), before);
    }
}

TEST(KilledWrites, aFirstStartKilledWhileWritingTheDefaultsLeavesNoneHalfWritten)
{
    TempHome home;
    for (int limit : {1, 8, 20}) {
        runProgram("check", 60, "ulimit -f " + std::to_string(limit));
        const auto defaults = factoryDefaults();
        for (const auto& [name, bytes] : filesIn(home.dataDir())) {
            if (name.rfind(".rivet-", 0) != 0) {
                EXPECT_EQ(bytes, defaults.at(name)) << name << " with the limit " << limit;
            }
        }
    }
    EXPECT_EQ(runCli({"check"}).code, 0);
    EXPECT_EQ(filesIn(home.dataDir()), factoryDefaults()) << "complete, and no temporary left";
}

TEST(KilledWrites, firstStartsAtOnceEachSeeTheWholeCatalogue)
{
    TempHome home;
    const std::string program = RIVET_BIN_DIR "rivet-cli";
    std::string starts;
    for (int i = 0; i < 12; ++i) {
        starts += program + " check >" + home.path() + "out" + std::to_string(i) + " 2>&1 & ";
    }
    ASSERT_EQ(runProgram("check", 120, starts + "wait").code, 0);
    const std::string expected = runCli({"check"}).out;
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(readBytes(home.path() + "out" + std::to_string(i)), expected) << "start " << i;
    }
    EXPECT_EQ(filesIn(home.dataDir()), factoryDefaults());
}
