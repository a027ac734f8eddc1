#include "startup/RecoveryFolder.h"

#include "common/Failure.h"
#include "common/IniFile.h"
#include "document/MachineRecord.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rivet;

namespace {

// A machine with everything the ".asm" file would lose: empty description lines, blanks at
// the ends, quotes, a region name with a comma, an empty cell.
Machine awkwardMachine()
{
    Machine machine;
    machine.machineName = "  \"quoted\"  ";
    machine.description = "一行目\n\n三行目 ";
    machine.selection.setPosition(LegsSelector, 250);
    machine.selection.setOption(3, true);
    machine.pilot.setValue(7, -30);
    machine.colors.setRegionRow(1, "\"HE,AD\",323628,,182412,121812");
    return machine;
}

} // namespace

TEST(MachineRecord, givesBackExactlyTheMachineItHolds)
{
    IniFile ini;
    writeMachineRecord(ini, "m", awkwardMachine());
    EXPECT_EQ(readMachineRecord(IniFile::fromBytes(ini.toBytes()), "m"), awkwardMachine());
    EXPECT_THROW(readMachineRecord(IniFile::fromBytes("[m]\r\nmachine=zz\r\n"), "m"), Failure);
}

// A program killed in its work leaves its machines to the next start; one that still runs
// keeps them.
TEST(RecoveryFolder, aProgramThatNoLongerRunsLeavesItsMachinesToTheNextStart)
{
    rivet::test::TempHome home;
    const std::string folder = home.path() + "Recovery/";
    int ready[2];
    int finish[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(finish), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        // Another program: writes a machine, waits, then ends without cleaning up.
        auto* running = new RecoveryFolder(folder);
        running->write(1, awkwardMachine(), "/garage/a.asm");
        char byte = 0;
        // The child ends whatever the pipes say: the parent's assertions tell a failure.
        const bool told = ::write(ready[1], &byte, 1) == 1;
        const bool waited = ::read(finish[0], &byte, 1) == 1;
        ::_exit(told && waited ? 0 : 1);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    {
        RecoveryFolder starting(folder);
        EXPECT_TRUE(starting.takeOrphans().empty()) << "its program still runs";
    }
    ASSERT_EQ(::write(finish[1], &byte, 1), 1);
    ::waitpid(child, nullptr, 0);

    RecoveryFolder next(folder);
    const std::vector<RecoveryFolder::Orphan> orphans = next.takeOrphans();
    ASSERT_EQ(orphans.size(), 1u);
    EXPECT_EQ(orphans[0].machine, awkwardMachine());
    EXPECT_EQ(orphans[0].file, "/garage/a.asm");
    next.discardOrphans();
    RecoveryFolder after(folder);
    EXPECT_TRUE(after.takeOrphans().empty());
}
