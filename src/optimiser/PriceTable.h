#pragma once

#include "optimiser/SearchSpace.h"

#include <cstdint>
#include <vector>

namespace rivet::search {

// The least price the levels from a depth on can add while adding at least some amount to one
// sum (or, with sign -1, at most its negative): what a machine must at least spend to carry
// enough mass for its thrust, or to reach a goal. Built by dynamic programming over the
// levels; the sum is counted in grains rounded up, which keeps the table small and the answer
// a bound that never overstates the price.
class PriceTable
{
public:
    static constexpr std::int64_t kUnreachable = INT64_MAX / 4;

    PriceTable(const SearchSpace& space, const std::vector<std::vector<int>>& allowed, Field field, int sign);

    // kUnreachable when no choice of those levels adds that much.
    std::int64_t leastPrice(int depth, std::int64_t need) const;

private:
    std::int64_t m_grain = 1;
    std::vector<std::int64_t> m_offset; // per depth: the least the levels from there on add
    std::vector<std::vector<std::int64_t>> m_prices; // per depth, per grains needed
};

} // namespace rivet::search
