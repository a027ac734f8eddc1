// Replacing and creating files: every kind of target, every step failing (as root too), a
// kill between writing and renaming, and the temporaries such a kill leaves.
#include "common/AtomicFile.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/FileSystemCalls.h"
#include "support/Bytes.h"
#include "support/FaultyFiles.h"
#include "support/TempHome.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace rivet;
using rivet::test::FaultyFiles;
using rivet::test::readBytes;
using rivet::test::writeBytes;
namespace fs = std::filesystem;

namespace {

// The message of a failed write; empty when it succeeded.
std::string writeMessage(const std::string& path, const std::string& bytes)
{
    try {
        writeFileAtomically(path, bytes, "cannot");
        return "";
    } catch (const Failure& failure) {
        return failure.what();
    }
}

mode_t modeOf(const std::string& path)
{
    struct stat info
    {
    };
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

struct Target
{
    const char* name;
    // Prepares the target in the folder; returns the path to write to.
    std::function<std::string(const std::string& folder)> make;
    const char* refusal; // the reason given, or nullptr when the write goes through
    // Where the bytes must end up (relative to the folder), when written.
    const char* written;
};

} // namespace

TEST(AtomicWrite, everyKindOfTargetIsWrittenThroughOrRefusedUntouched)
{
    const std::vector<Target> targets = {
        {"a plain file", [](const std::string& f) { return writeBytes(f + "a.asm", "old"), f + "a.asm"; }, nullptr,
         "a.asm"},
        {"a new file", [](const std::string& f) { return f + "new.asm"; }, nullptr, "new.asm"},
        {"a link to a file in another folder",
         [](const std::string& f) {
             fs::create_directory(f + "real");
             writeBytes(f + "real/b.asm", "old");
             fs::create_symlink("real/b.asm", f + "b.asm");
             return f + "b.asm";
         },
         nullptr, "real/b.asm"},
        {"a chain of links",
         [](const std::string& f) {
             writeBytes(f + "c.asm", "old");
             fs::create_symlink(f + "c.asm", f + "c1");
             fs::create_symlink("c1", f + "c2");
             return f + "c2";
         },
         nullptr, "c.asm"},
        {"a dangling link", [](const std::string& f) { return fs::create_symlink("d.asm", f + "d"), f + "d"; }, nullptr,
         "d.asm"},
        {"a named pipe", [](const std::string& f) { return ::mkfifo((f + "p").c_str(), 0600), f + "p"; },
         "通常のファイルではありません", nullptr},
        {"a link to a named pipe",
         [](const std::string& f) {
             return ::mkfifo((f + "p").c_str(), 0600), fs::create_symlink("p", f + "q"), f + "q";
         },
         "通常のファイルではありません", nullptr},
        {"a folder", [](const std::string& f) { return fs::create_directory(f + "dir"), f + "dir"; },
         "通常のファイルではありません", nullptr},
        {"a read-only file",
         [](const std::string& f) {
             return writeBytes(f + "ro.asm", "old"), ::chmod((f + "ro.asm").c_str(), 0444), f + "ro.asm";
         },
         "読み取り専用のファイルです", nullptr},
        {"a file under a missing folder", [](const std::string& f) { return f + "missing/x.asm"; },
         "フォルダがありません (2)", nullptr},
        {"a file under a plain file",
         [](const std::string& f) { return writeBytes(f + "plain", "x"), f + "plain/x.asm"; },
         "パスの途中にフォルダでないものがあります (20)", nullptr},
        {"a link loop",
         [](const std::string& f) {
             return fs::create_symlink("l2", f + "l1"), fs::create_symlink("l1", f + "l2"), f + "l1";
         },
         "シンボリックリンクが循環しています (40)", nullptr},
    };
    for (const Target& target : targets) {
        SCOPED_TRACE(target.name);
        rivet::test::TempHome home;
        const std::string path = target.make(home.path());
        const auto before = fs::symlink_status(path).type();
        const std::string message = writeMessage(path, "new");
        if (target.refusal) {
            EXPECT_EQ(message, std::string("cannot\n") + target.refusal);
            EXPECT_EQ(fs::symlink_status(path).type(), before);
            std::error_code loop;
            if (fs::is_regular_file(path, loop)) {
                EXPECT_EQ(readBytes(path), "old");
            }
        } else {
            EXPECT_EQ(message, "");
            EXPECT_EQ(readBytes(home.path() + target.written), "new");
            EXPECT_EQ(fs::symlink_status(path).type(),
                      before == fs::file_type::not_found ? fs::file_type::regular : before)
                << "a link stays a link";
        }
        EXPECT_TRUE(rivet::test::leftoverTemporaries(home.path()).empty());
    }
}

TEST(AtomicWrite, aReplacedFileKeepsItsModeAndANewOneFollowsTheUmask)
{
    rivet::test::TempHome home;
    const std::string path = home.path() + "kept.asm";
    writeBytes(path, "old");
    for (const mode_t mode : {0600u, 0640u, 0604u, 0755u}) {
        ::chmod(path.c_str(), mode);
        writeFileAtomically(path, "new", "cannot");
        EXPECT_EQ(modeOf(path), mode);
    }
    const mode_t mask = ::umask(027);
    writeFileAtomically(home.path() + "fresh.asm", "new", "cannot");
    ::umask(mask);
    EXPECT_EQ(modeOf(home.path() + "fresh.asm"), 0640u);
}

TEST(AtomicWrite, aFailingStepLeavesTheOldFileAndNoTemporary)
{
    struct Fault
    {
        FaultyFiles::Step step;
        int error;
        std::size_t bytesLetThrough;
    };
    for (const Fault& fault : std::vector<Fault> {{FaultyFiles::Step::Write, ENOSPC, 0},
                                                  {FaultyFiles::Step::Write, EIO, 5},
                                                  {FaultyFiles::Step::Write, EDQUOT, 100000},
                                                  {FaultyFiles::Step::Sync, EIO, 0},
                                                  {FaultyFiles::Step::Mode, EPERM, 0},
                                                  {FaultyFiles::Step::Close, EIO, 0},
                                                  {FaultyFiles::Step::Rename, EXDEV, 0},
                                                  {FaultyFiles::Step::Open, EMFILE, 0}}) {
        SCOPED_TRACE(static_cast<int>(fault.step));
        SCOPED_TRACE(fault.error);
        rivet::test::TempHome home;
        const std::string path = home.path() + "keep.asm";
        writeBytes(path, "the old machine");
        FaultyFiles faulty(fault.step, fault.error, home.path());
        faulty.bytesLetThrough = fault.bytesLetThrough;
        EXPECT_EQ(writeMessage(path, std::string(200000, 'n')), "cannot\n" + ioReason(fault.error));
        EXPECT_EQ(faulty.failures, 1);
        EXPECT_EQ(readBytes(path), "the old machine");
        EXPECT_TRUE(rivet::test::leftoverTemporaries(home.path()).empty());
    }
}

// The order that makes a save last: the temporary (closed on exec, never through a link) is
// synced before it replaces the file, and the folder is synced after the rename.
TEST(AtomicWrite, theTemporaryIsSyncedBeforeTheRenameAndTheFolderAfterIt)
{
    struct Recorder : FileSystemCalls
    {
        std::vector<std::string> calls;
        std::set<int> folders;
        int open(const char* path, int flags, mode_t mode) override
        {
            const int fd = FileSystemCalls::open(path, flags, mode);
            if ((flags & O_DIRECTORY) != 0) {
                folders.insert(fd);
                calls.push_back("open folder");
            } else if ((flags & O_CREAT) != 0) {
                const int wanted = O_CLOEXEC | O_EXCL | O_NOFOLLOW;
                calls.push_back((flags & wanted) == wanted ? "open temporary" : "open temporary unsafely");
            }
            return fd;
        }
        int fsync(int fd) override
        {
            calls.push_back(folders.count(fd) != 0 ? "sync folder" : "sync file");
            return FileSystemCalls::fsync(fd);
        }
        int rename(const char* from, const char* to) override
        {
            calls.push_back("rename");
            return FileSystemCalls::rename(from, to);
        }
    } recorder;
    rivet::test::TempHome home;
    {
        UsingFileSystemCalls using_(recorder);
        writeFileAtomically(home.path() + "m.asm", "new", "cannot");
    }
    EXPECT_EQ(recorder.calls,
              (std::vector<std::string> {"open temporary", "sync file", "rename", "open folder", "sync folder"}));
}

TEST(AtomicWrite, aFolderThatCannotBeSyncedIsReportedAfterTheReplace)
{
    rivet::test::TempHome home;
    const std::string path = home.path() + "synced.asm";
    FaultyFiles faulty(FaultyFiles::Step::FolderSync, EIO, home.path());
    EXPECT_EQ(writeMessage(path, "new"), "cannot\n" + ioReason(EIO));
    EXPECT_EQ(readBytes(path), "new");
}

TEST(AtomicWrite, aKillBeforeTheRenameLeavesTheOldFileAndTheNextWriteClearsUp)
{
    rivet::test::TempHome home;
    const std::string path = home.path() + "killed.asm";
    writeBytes(path, "the old machine");
    const int signal = rivet::test::signalOfChild([&] {
        FaultyFiles killer(FaultyFiles::Step::KillBeforeRename, 0, path);
        writeFileAtomically(path, "half of a new machine", "cannot");
    });
    ASSERT_EQ(signal, SIGKILL);
    EXPECT_EQ(readBytes(path), "the old machine");
    ASSERT_EQ(rivet::test::leftoverTemporaries(home.path()).size(), 1u) << "the kill leaves its temporary";

    // Beside it: a live write's temporary (locked, this process), an earlier version's one
    // that is recent, and files that only look like ours.
    const std::string live = home.path() + ".rivet-" + std::to_string(::getpid()) + "-Live00";
    writeBytes(live, "live");
    const int lock = ::open(live.c_str(), O_RDONLY | O_CLOEXEC);
    ::flock(lock, LOCK_EX);
    for (const char* name : {".rivet-Recent", ".rivet-1-toolong", ".rivet-x-abcdef", "x.rivet-1-abcdef"}) {
        writeBytes(home.path() + name, "keep");
    }
    const std::string earlier = home.path() + ".rivet-Old123";
    writeBytes(earlier, "an earlier version's leftover");
    const struct timespec longAgo[2] = {{1000000000, 0}, {1000000000, 0}};
    ::utimensat(AT_FDCWD, earlier.c_str(), longAgo, 0);

    writeFileAtomically(home.path() + "other.asm", "next", "cannot");
    auto left = rivet::test::leftoverTemporaries(home.path());
    std::vector<std::string> kept {".rivet-" + std::to_string(::getpid()) + "-Live00", ".rivet-1-toolong",
                                   ".rivet-Recent", ".rivet-x-abcdef"};
    std::sort(left.begin(), left.end());
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(left, kept);
    EXPECT_TRUE(fs::exists(home.path() + "x.rivet-1-abcdef"));
    ::close(lock);
}

TEST(AtomicCreate, aNewFileIsCompleteOrAbsentAndNeverReplacesOne)
{
    rivet::test::TempHome home;
    const std::string path = home.path() + "option.dat";
    {
        FaultyFiles full(FaultyFiles::Step::Write, ENOSPC, home.path());
        full.bytesLetThrough = 10;
        try {
            createFileAtomically(path, std::string(5000, 'o'));
            FAIL() << "created on a full disk";
        } catch (const Failure& failure) {
            EXPECT_EQ(std::string(failure.what()),
                      "I/O エラー (28)\nファイル " + path + " を作成できません: ディスクに空きがありません (28)");
        }
    }
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(rivet::test::leftoverTemporaries(home.path()).empty());

    // Another start makes the file while this one writes its own: the other one's stays.
    struct Racer : FaultyFiles
    {
        using FaultyFiles::FaultyFiles;
        int link(const char* from, const char* to) override
        {
            writeBytes(to, "the other start's");
            return FaultyFiles::link(from, to);
        }
    } racer(FaultyFiles::Step::Open, 0, "never");
    EXPECT_FALSE(createFileAtomically(path, "mine"));
    EXPECT_EQ(readBytes(path), "the other start's");
    EXPECT_TRUE(rivet::test::leftoverTemporaries(home.path()).empty());

    fs::create_symlink("nowhere/x.dat", home.path() + "dangling.dat");
    EXPECT_FALSE(createFileAtomically(home.path() + "dangling.dat", "x"));
    EXPECT_TRUE(fs::is_symlink(home.path() + "dangling.dat"));
}

TEST(AtomicCreate, withoutHardLinksTheFileIsStillCreatedOnce)
{
    rivet::test::TempHome home;
    FaultyFiles noLinks(FaultyFiles::Step::Link, EPERM, home.path());
    EXPECT_TRUE(createFileAtomically(home.path() + "a.dat", "first"));
    EXPECT_FALSE(createFileAtomically(home.path() + "a.dat", "second"));
    EXPECT_EQ(readBytes(home.path() + "a.dat"), "first");
    EXPECT_TRUE(rivet::test::leftoverTemporaries(home.path()).empty());
}
