#pragma once

#include "document/Machine.h"

#include <string>
#include <vector>

namespace rivet {

// Unsaved machines kept on disk against a crash, in the recovery folder beside "Garage/".
// Every running program has a tag of its own (its process number, start time and a count) and holds
// a lock on "<tag>.lock" while it runs; its machines are "<tag>-<n>.recovery". The lock dies
// with the program however it ends, so a later start tells the machines of a program that no
// longer runs from those of one that still does, and two programs never take or delete each
// other's files.
class RecoveryFolder
{
public:
    // A machine a program that no longer runs left behind, and the file it belonged to.
    struct Orphan
    {
        Machine machine;
        std::string file;
    };

    // Creates the folder when missing and takes this program's lock; fails with the I/O
    // message when the folder cannot be made.
    explicit RecoveryFolder(std::string folder);
    ~RecoveryFolder();
    RecoveryFolder(const RecoveryFolder&) = delete;
    RecoveryFolder& operator=(const RecoveryFolder&) = delete;

    // Writes machine n of this program, atomically, with the file it belongs to.
    void write(int n, const Machine& machine, const std::string& file);
    // Removes machine n of this program; nothing when there is none.
    void remove(int n);

    // The machines of programs that no longer run, whose locks this program now holds so that
    // no other start takes them too. A file that cannot be read is left out.
    std::vector<Orphan> takeOrphans();
    // Removes what takeOrphans took: their files and locks.
    void discardOrphans();

    const std::string& tag() const { return m_tag; }

private:
    struct Taken
    {
        std::string tag;
        int lock;
    };

    std::string machinePath(const std::string& tag, int n) const;
    std::vector<std::string> machinesOf(const std::string& tag) const;

    std::string m_folder;
    std::string m_tag;
    int m_lock = -1;
    std::vector<Taken> m_taken;
};

} // namespace rivet
