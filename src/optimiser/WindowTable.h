#pragma once

#include "optimiser/SearchSpace.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace rivet::search {

// The least price for which the levels from a depth on add exactly each amount to one sum
// (taken with a sign): for goals that soundness caps on the very sum they push (the smallest
// spare load is one that is not negative), it tells the nearest amount still in reach and the
// least price of reaching any amount between the goal to beat and the cap.
class WindowTable
{
public:
    static constexpr std::int64_t kUnreachable = INT64_MAX / 4;

    // Empty when the amounts span too wide a range for a table.
    static std::unique_ptr<WindowTable> build(const SearchSpace& space, const std::vector<std::vector<int>>& allowed,
                                              Field field, int sign);

    // The largest amount at most `upTo` that the levels from the depth on can add.
    std::optional<std::int64_t> mostReachable(int depth, std::int64_t upTo) const;
    // The least price of adding an amount between `from` and `upTo`; kUnreachable when none.
    std::int64_t leastPrice(int depth, std::int64_t from, std::int64_t upTo) const;

private:
    struct Row
    {
        std::int64_t offset = 0; // the amount of entry 0
        std::vector<std::int32_t> price; // per amount; kNone where unreachable
        std::vector<std::int32_t> prefixLeast; // least price of amounts up to this one
        std::vector<std::int32_t> suffixLeast; // least price of amounts from this one on
        std::vector<std::int32_t> lastReachable; // largest reachable entry up to this one, -1 if none
    };
    void finish(Row& row);

    std::vector<std::size_t> m_rowOfDepth;
    std::vector<Row> m_rows;
};

} // namespace rivet::search
