#pragma once

#include "document/Machine.h"

#include <cstddef>
#include <deque>
#include <string>

namespace rivet {

// The undo history of one machine: the machine after every step since the history began
// (an open, a fresh start), up to kLimit steps; the oldest go first when there are more.
// A step that forgot the machine's file (an edit of a name makes the next save ask for one)
// remembers that file, so that undoing the step brings it back.
class MachineHistory
{
public:
    static constexpr std::size_t kLimit = 1000;

    // What the document does to its file name when a step is undone or redone.
    struct Step
    {
        const Machine& machine; // the machine to show
        const std::string& forgotFile; // the file the step forgot; empty when it forgot none
    };

    // A fresh history that starts at this machine.
    void reset(const Machine& start);

    // A step that left the machine as `after`, named for the menu ("脚 LN-1001"). It merges
    // with the step before when both carry the same non-empty mergeKey and nothing broke the
    // run in between (an undo, endMerge); a run that comes back to where it started is no
    // step at all. Steps that were undone are dropped.
    void record(const std::string& name, const std::string& mergeKey, const Machine& after,
                const std::string& forgotFile);
    // The next step starts a step of its own whatever its key (a slider released).
    void endMerge() { m_mergeOpen = false; }

    bool canUndo() const { return m_current > 0; }
    bool canRedo() const { return m_current + 1 < m_entries.size(); }
    // The name of the step undo or redo would take; empty when there is none.
    std::string undoName() const;
    std::string redoName() const;
    // The machine before the current step, with the file that step forgot.
    Step undo();
    // The machine after the next step, with the file it forgot.
    Step redo();

    std::size_t stepCount() const { return m_entries.empty() ? 0 : m_entries.size() - 1; }

private:
    struct Entry
    {
        Machine machine; // as the step left it
        std::string name;
        std::string mergeKey;
        std::string forgotFile;
    };

    std::deque<Entry> m_entries; // [0] the start, then one entry per step
    std::size_t m_current = 0; // the entry the machine stands at
    bool m_mergeOpen = false;
};

} // namespace rivet
