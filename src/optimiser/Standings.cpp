#include "optimiser/Standings.h"

#include <algorithm>

namespace rivet::search {

namespace {

bool samePair(const Key& a, const Key& b)
{
    return a.goals == b.goals;
}

std::vector<ProposedMachine> machinesOf(const std::vector<Found>& found)
{
    std::vector<ProposedMachine> machines;
    for (const Found& f : found) {
        machines.push_back(f.machine);
    }
    return machines;
}

} // namespace

bool better(const Key& a, const Key& b)
{
    if (a.changes != b.changes) {
        return a.changes < b.changes;
    }
    if (a.goals != b.goals) {
        return a.goals > b.goals;
    }
    if (a.price != b.price) {
        return a.price < b.price;
    }
    if (a.positions != b.positions) {
        return a.positions < b.positions;
    }
    return a.options < b.options;
}

std::unique_ptr<Standings> Standings::forRequest(const OptimiserRequest& request)
{
    if (request.kind == SearchKind::TradeOff) {
        return std::make_unique<TradeOffFront>();
    }
    return std::make_unique<BestList>(static_cast<std::size_t>(std::max(1, request.top)));
}

BestList::BestList(std::size_t size)
    : m_size(size)
{
}

bool BestList::beaten(const Key& best) const
{
    return m_found.size() == m_size && !better(best, m_found.back().key);
}

void BestList::offer(const Key& key, const ProposedMachine& machine)
{
    if (beaten(key)) {
        return;
    }
    const auto place = std::find_if(m_found.begin(), m_found.end(), [&](const Found& f) { return better(key, f.key); });
    m_found.insert(place, {key, machine});
    if (m_found.size() > m_size) {
        m_found.pop_back();
    }
}

const Found* BestList::rival() const
{
    return m_found.size() == m_size ? &m_found.back() : nullptr;
}

std::vector<ProposedMachine> BestList::machines() const
{
    return machinesOf(m_found);
}

bool TradeOffFront::beaten(const Key& best) const
{
    // The points at least as good in the first goal come first; the last of them is the best of
    // them in the second goal.
    const auto end = std::partition_point(m_front.begin(), m_front.end(),
                                          [&](const Found& f) { return f.key.goals[0] >= best.goals[0]; });
    if (end == m_front.begin()) {
        return false;
    }
    const Found& nearest = *(end - 1);
    if (nearest.key.goals[1] < best.goals[1]) {
        return false;
    }
    // A pair at least as good in both: beaten, unless it is the same pair and the newcomer
    // could come before its machine in the usual order.
    return !samePair(nearest.key, best) || !better(best, nearest.key);
}

void TradeOffFront::offer(const Key& key, const ProposedMachine& machine)
{
    if (beaten(key)) {
        return;
    }
    // Out go the points the newcomer is at least as good as in both goals.
    m_front.erase(std::remove_if(
                      m_front.begin(), m_front.end(),
                      [&](const Found& f) { return f.key.goals[0] <= key.goals[0] && f.key.goals[1] <= key.goals[1]; }),
                  m_front.end());
    const auto place = std::partition_point(m_front.begin(), m_front.end(),
                                            [&](const Found& f) { return f.key.goals[0] > key.goals[0]; });
    m_front.insert(place, {key, machine});
}

std::vector<ProposedMachine> TradeOffFront::machines() const
{
    return machinesOf(m_front);
}

} // namespace rivet::search
