#include "optimiser/KnapsackTable.h"

#include <algorithm>

namespace rivet::search {

namespace {

constexpr std::int64_t kTableGrains = 4096;

std::int64_t ceilDiv(std::int64_t num, std::int64_t den)
{
    return num >= 0 ? (num + den - 1) / den : -((-num) / den);
}

} // namespace

KnapsackTable::KnapsackTable(const SearchSpace& space, const std::vector<std::vector<int>>& allowed, Field field,
                             int sign, Field cost, int costSign)
{
    const auto& levels = space.levels();
    const std::size_t n = levels.size();
    const auto share = [&](const Choice& c) { return sign * c.sums[field]; };
    std::vector<std::int64_t> least(n, 0);
    std::int64_t range = 0;
    for (std::size_t d = 0; d < n; ++d) {
        const auto& indices = allowed[d];
        if (indices.empty()) {
            continue;
        }
        std::int64_t low = INT64_MAX;
        std::int64_t high = INT64_MIN;
        for (int i : indices) {
            const Choice& c = levels[d].choices[static_cast<std::size_t>(i)];
            low = std::min(low, share(c));
            high = std::max(high, share(c));
        }
        least[d] = low;
        range += high - low;
    }
    m_grain = std::max<std::int64_t>(1, ceilDiv(range, kTableGrains));

    m_offset.assign(n + 1, 0);
    m_costs.assign(n + 1, {});
    m_costs[n] = {0};
    for (std::size_t d = n; d-- > 0;) {
        const auto& indices = allowed[d];
        const auto& next = m_costs[d + 1];
        const auto nextTop = static_cast<std::int64_t>(next.size()) - 1;
        m_offset[d] = m_offset[d + 1] + least[d];
        std::int64_t widest = 0;
        for (int i : indices) {
            const Choice& c = levels[d].choices[static_cast<std::size_t>(i)];
            widest = std::max(widest, ceilDiv(share(c) - least[d], m_grain));
        }
        auto& costs = m_costs[d];
        costs.assign(static_cast<std::size_t>(nextTop + widest + 1), kUnreachable);
        for (int i : indices) {
            const Choice& c = levels[d].choices[static_cast<std::size_t>(i)];
            const std::int64_t grains = ceilDiv(share(c) - least[d], m_grain);
            const std::int64_t spend = costSign * c.sums[cost];
            for (std::int64_t u = 0; u <= nextTop + grains; ++u) {
                const std::int64_t rest = next[static_cast<std::size_t>(std::max<std::int64_t>(0, u - grains))];
                if (rest < kUnreachable) {
                    auto& best = costs[static_cast<std::size_t>(u)];
                    best = std::min(best, spend + rest);
                }
            }
        }
    }
}

std::int64_t KnapsackTable::leastCost(int depth, std::int64_t need) const
{
    const auto& costs = m_costs[static_cast<std::size_t>(depth)];
    const std::int64_t grains = ceilDiv(need - m_offset[static_cast<std::size_t>(depth)], m_grain);
    if (grains >= static_cast<std::int64_t>(costs.size())) {
        return kUnreachable;
    }
    return costs[static_cast<std::size_t>(std::max<std::int64_t>(0, grains))];
}

} // namespace rivet::search
