#include "startup/RecoveryFolder.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/IniFile.h"
#include "common/TextFile.h"
#include "document/MachineRecord.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace rivet {

namespace {

const char* const kLockSuffix = ".lock";
const char* const kMachineSuffix = ".recovery";
const char* const kSection = "recovery";

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::vector<std::string> entriesOf(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            names.emplace_back(entry->d_name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The lock of a tag, held when this returns one: -1 when its program still runs.
int lockOf(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return -1;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

RecoveryFolder::RecoveryFolder(std::string folder)
    : m_folder(std::move(folder))
{
    ensureFolder(m_folder);
    const auto started = std::chrono::system_clock::now().time_since_epoch();
    // The count keeps two folders of one program apart when they start in the same millisecond.
    static std::atomic<int> opened {0};
    m_tag = std::to_string(::getpid()) + "-"
        + std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(started).count()) + "-"
        + std::to_string(++opened);
    m_lock = lockOf(m_folder + m_tag + kLockSuffix);
    if (m_lock < 0) {
        throw Failure(ioErrorMessage(errno));
    }
}

RecoveryFolder::~RecoveryFolder()
{
    for (const Taken& taken : m_taken) {
        ::close(taken.lock);
    }
    // A normal end leaves no machine behind (each was saved, dropped or removed on close).
    for (const std::string& path : machinesOf(m_tag)) {
        ::unlink(path.c_str());
    }
    ::unlink((m_folder + m_tag + kLockSuffix).c_str());
    ::close(m_lock);
}

std::string RecoveryFolder::machinePath(const std::string& tag, int n) const
{
    return m_folder + tag + "-" + std::to_string(n) + kMachineSuffix;
}

std::vector<std::string> RecoveryFolder::machinesOf(const std::string& tag) const
{
    std::vector<std::string> paths;
    for (const std::string& name : entriesOf(m_folder)) {
        if (name.rfind(tag + "-", 0) == 0 && endsWith(name, kMachineSuffix)) {
            paths.push_back(m_folder + name);
        }
    }
    return paths;
}

void RecoveryFolder::write(int n, const Machine& machine, const std::string& file)
{
    IniFile record;
    record.writeString(kSection, "file", toHex(file));
    writeMachineRecord(record, kSection, machine);
    record.save(machinePath(m_tag, n));
}

void RecoveryFolder::remove(int n)
{
    ::unlink(machinePath(m_tag, n).c_str());
}

std::vector<RecoveryFolder::Orphan> RecoveryFolder::takeOrphans()
{
    std::vector<Orphan> orphans;
    for (const std::string& name : entriesOf(m_folder)) {
        if (!endsWith(name, kLockSuffix)) {
            continue;
        }
        const std::string tag = name.substr(0, name.size() - std::string(kLockSuffix).size());
        if (tag == m_tag || std::any_of(m_taken.begin(), m_taken.end(), [&](const Taken& t) { return t.tag == tag; })) {
            continue;
        }
        const int lock = lockOf(m_folder + name);
        if (lock < 0) {
            continue; // its program still runs
        }
        m_taken.push_back({tag, lock});
        for (const std::string& path : machinesOf(tag)) {
            try {
                const IniFile record = IniFile::load(path);
                orphans.push_back(
                    {readMachineRecord(record, kSection), fromHex(record.readString(kSection, "file", ""))});
            } catch (const Failure&) {
                // A torn or foreign file holds no machine to give back.
            }
        }
    }
    return orphans;
}

void RecoveryFolder::discardOrphans()
{
    for (const Taken& taken : m_taken) {
        for (const std::string& path : machinesOf(taken.tag)) {
            ::unlink(path.c_str());
        }
        ::unlink((m_folder + taken.tag + kLockSuffix).c_str());
        ::close(taken.lock);
    }
    m_taken.clear();
}

} // namespace rivet
