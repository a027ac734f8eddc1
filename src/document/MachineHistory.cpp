#include "document/MachineHistory.h"

namespace rivet {

void MachineHistory::reset(const Machine& start)
{
    m_entries.clear();
    m_entries.push_back({start, {}, {}, {}});
    m_current = 0;
    m_mergeOpen = false;
}

void MachineHistory::record(const std::string& name, const std::string& mergeKey, const Machine& after,
                            const std::string& forgotFile)
{
    if (m_entries.empty()) {
        reset(after);
        return;
    }
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(m_current) + 1, m_entries.end());
    Entry& last = m_entries.back();
    if (m_mergeOpen && m_current > 0 && !mergeKey.empty() && last.mergeKey == mergeKey) {
        last.machine = after;
        if (last.forgotFile.empty()) {
            last.forgotFile = forgotFile;
        }
        // Typed and taken back again: the run changed nothing.
        if (last.machine == m_entries[m_current - 1].machine && last.forgotFile.empty()) {
            m_entries.pop_back();
            --m_current;
            m_mergeOpen = false;
        }
        return;
    }
    m_entries.push_back({after, name, mergeKey, forgotFile});
    if (m_entries.size() > kLimit + 1) {
        m_entries.pop_front();
    }
    m_current = m_entries.size() - 1;
    m_mergeOpen = true;
}

std::string MachineHistory::undoName() const
{
    return canUndo() ? m_entries[m_current].name : std::string();
}

std::string MachineHistory::redoName() const
{
    return canRedo() ? m_entries[m_current + 1].name : std::string();
}

MachineHistory::Step MachineHistory::undo()
{
    m_mergeOpen = false;
    const Entry& undone = m_entries[m_current];
    --m_current;
    return {m_entries[m_current].machine, undone.forgotFile};
}

MachineHistory::Step MachineHistory::redo()
{
    m_mergeOpen = false;
    ++m_current;
    const Entry& redone = m_entries[m_current];
    return {redone.machine, redone.forgotFile};
}

} // namespace rivet
