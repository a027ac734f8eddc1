#include "optimiser/WindowTable.h"

#include <algorithm>
#include <limits>

namespace rivet::search {

namespace {

constexpr std::int32_t kNone = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kWidest = std::int64_t {1} << 17;
constexpr std::int64_t kScanned = 256; // wider windows are bounded from both ends instead

} // namespace

std::unique_ptr<WindowTable> WindowTable::build(const SearchSpace& space, const std::vector<std::vector<int>>& allowed,
                                                Field field, int sign)
{
    const auto& levels = space.levels();
    const std::size_t n = levels.size();
    const auto share = [&](const Choice& c) { return sign * c.sums[field]; };
    std::int64_t width = 1;
    for (std::size_t d = 0; d < n; ++d) {
        std::int64_t low = INT64_MAX;
        std::int64_t high = INT64_MIN;
        for (int i : allowed[d]) {
            const Choice& c = levels[d].choices[static_cast<std::size_t>(i)];
            low = std::min(low, share(c));
            high = std::max(high, share(c));
        }
        if (low > high) {
            return nullptr; // a level with nothing allowed: nothing to bound
        }
        width += high - low;
    }
    if (width > kWidest) {
        return nullptr;
    }

    auto table = std::unique_ptr<WindowTable>(new WindowTable);
    table->m_rowOfDepth.assign(n + 1, 0);
    Row last;
    last.price = {0};
    table->finish(last);
    table->m_rows.push_back(std::move(last));
    table->m_rowOfDepth[n] = 0;
    for (std::size_t d = n; d-- > 0;) {
        const std::size_t nextIndex = table->m_rowOfDepth[d + 1];
        const auto& indices = allowed[d];
        const auto& choices = levels[d].choices;
        std::int64_t low = INT64_MAX;
        std::int64_t high = INT64_MIN;
        std::int64_t cheapest = INT64_MAX;
        for (int i : indices) {
            low = std::min(low, share(choices[static_cast<std::size_t>(i)]));
            high = std::max(high, share(choices[static_cast<std::size_t>(i)]));
            cheapest = std::min(cheapest, choices[static_cast<std::size_t>(i)].sums[PriceField]);
        }
        // A level that adds nothing to the sum and may cost nothing (an option box) changes no row.
        if (low == 0 && high == 0 && cheapest == 0) {
            table->m_rowOfDepth[d] = nextIndex;
            continue;
        }
        const Row& next = table->m_rows[nextIndex];
        Row row;
        row.offset = next.offset + low;
        row.price.assign(next.price.size() + static_cast<std::size_t>(high - low), kNone);
        for (int i : indices) {
            const Choice& c = choices[static_cast<std::size_t>(i)];
            const auto shift = static_cast<std::size_t>(share(c) - low);
            const std::int64_t price = c.sums[PriceField];
            for (std::size_t k = 0; k < next.price.size(); ++k) {
                if (next.price[k] != kNone) {
                    auto& entry = row.price[k + shift];
                    entry = static_cast<std::int32_t>(std::min<std::int64_t>(entry, next.price[k] + price));
                }
            }
        }
        table->finish(row);
        table->m_rows.push_back(std::move(row));
        table->m_rowOfDepth[d] = table->m_rows.size() - 1;
    }
    return table;
}

void WindowTable::finish(Row& row)
{
    const std::size_t size = row.price.size();
    row.prefixLeast.resize(size);
    row.suffixLeast.resize(size);
    row.lastReachable.resize(size);
    for (std::size_t k = 0; k < size; ++k) {
        row.prefixLeast[k] = k == 0 ? row.price[k] : std::min(row.prefixLeast[k - 1], row.price[k]);
        row.lastReachable[k] = row.price[k] != kNone ? static_cast<std::int32_t>(k)
            : k == 0                                 ? -1
                                                     : row.lastReachable[k - 1];
    }
    for (std::size_t k = size; k-- > 0;) {
        row.suffixLeast[k] = k + 1 == size ? row.price[k] : std::min(row.suffixLeast[k + 1], row.price[k]);
    }
}

std::optional<std::int64_t> WindowTable::mostReachable(int depth, std::int64_t upTo) const
{
    const Row& row = m_rows[m_rowOfDepth[static_cast<std::size_t>(depth)]];
    const std::int64_t top = std::min<std::int64_t>(upTo - row.offset, static_cast<std::int64_t>(row.price.size()) - 1);
    if (top < 0 || row.lastReachable[static_cast<std::size_t>(top)] < 0) {
        return std::nullopt;
    }
    return row.offset + row.lastReachable[static_cast<std::size_t>(top)];
}

std::int64_t WindowTable::leastPrice(int depth, std::int64_t from, std::int64_t upTo) const
{
    const Row& row = m_rows[m_rowOfDepth[static_cast<std::size_t>(depth)]];
    const std::int64_t low = std::max<std::int64_t>(from - row.offset, 0);
    const std::int64_t high
        = std::min<std::int64_t>(upTo - row.offset, static_cast<std::int64_t>(row.price.size()) - 1);
    if (low > high) {
        return kUnreachable;
    }
    std::int32_t least = kNone;
    if (high - low <= kScanned) {
        for (std::int64_t k = low; k <= high; ++k) {
            least = std::min(least, row.price[static_cast<std::size_t>(k)]);
        }
    } else {
        // Neither end's least price is below the window's.
        least
            = std::max(row.prefixLeast[static_cast<std::size_t>(high)], row.suffixLeast[static_cast<std::size_t>(low)]);
    }
    return least == kNone ? kUnreachable : least;
}

} // namespace rivet::search
