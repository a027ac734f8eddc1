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
    const int n = space.levelCount();
    const auto share = [&](const Choice& c) { return sign * c.sums[static_cast<std::size_t>(field)]; };
    std::vector<std::int64_t> least(static_cast<std::size_t>(n), 0);
    std::int64_t range = 0;
    for (int d = 0; d < n; ++d) {
        const auto& indices = allowed[static_cast<std::size_t>(d)];
        if (indices.empty()) {
            continue;
        }
        std::int64_t low = INT64_MAX;
        std::int64_t high = INT64_MIN;
        for (int i : indices) {
            const Choice& c = levels[static_cast<std::size_t>(d)].choices[static_cast<std::size_t>(i)];
            low = std::min(low, share(c));
            high = std::max(high, share(c));
        }
        least[static_cast<std::size_t>(d)] = low;
        range += high - low;
    }
    m_grain = std::max<std::int64_t>(1, ceilDiv(range, kTableGrains));

    m_offset.assign(static_cast<std::size_t>(n + 1), 0);
    m_costs.assign(static_cast<std::size_t>(n + 1), {});
    m_costs[static_cast<std::size_t>(n)] = {0};
    for (int d = n - 1; d >= 0; --d) {
        const auto& indices = allowed[static_cast<std::size_t>(d)];
        const auto& next = m_costs[static_cast<std::size_t>(d + 1)];
        const auto nextTop = static_cast<std::int64_t>(next.size()) - 1;
        m_offset[static_cast<std::size_t>(d)]
            = m_offset[static_cast<std::size_t>(d + 1)] + least[static_cast<std::size_t>(d)];
        std::int64_t widest = 0;
        for (int i : indices) {
            const Choice& c = levels[static_cast<std::size_t>(d)].choices[static_cast<std::size_t>(i)];
            widest = std::max(widest, ceilDiv(share(c) - least[static_cast<std::size_t>(d)], m_grain));
        }
        auto& costs = m_costs[static_cast<std::size_t>(d)];
        costs.assign(static_cast<std::size_t>(nextTop + widest + 1), kUnreachable);
        for (int i : indices) {
            const Choice& c = levels[static_cast<std::size_t>(d)].choices[static_cast<std::size_t>(i)];
            const std::int64_t grains = ceilDiv(share(c) - least[static_cast<std::size_t>(d)], m_grain);
            const std::int64_t spend = costSign * c.sums[static_cast<std::size_t>(cost)];
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
