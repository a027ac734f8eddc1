#pragma once

#include "optimiser/SearchSpace.h"

#include <cstdint>
#include <vector>

namespace rivet::search {

// The least cost the levels from a depth on can add while adding at least some amount to one
// sum: the least price of carrying enough mass for the thrust or of reaching a goal, or (with
// the goal's sum, turned, as the cost) the most a goal can gain while a spare load stays at 0
// or above. Built by dynamic programming over the levels; the amount is counted in grains
// rounded up, which keeps the table small and the answer a bound that never overstates the
// cost.
class KnapsackTable
{
public:
    static constexpr std::int64_t kUnreachable = INT64_MAX / 4;

    // The amount is sign × the sum `field`, the cost costSign × the sum `cost`.
    KnapsackTable(const SearchSpace& space, const std::vector<std::vector<int>>& allowed, Field field, int sign,
                  Field cost = PriceField, int costSign = 1);

    // kUnreachable when no choice of those levels adds that much.
    std::int64_t leastCost(int depth, std::int64_t need) const;

private:
    std::int64_t m_grain = 1;
    std::vector<std::int64_t> m_offset; // per depth: the least the levels from there on add
    std::vector<std::vector<std::int64_t>> m_costs; // per depth, per grains needed
};

} // namespace rivet::search
