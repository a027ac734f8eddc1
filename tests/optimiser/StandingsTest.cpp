// The trade-off front on its own: whatever order the machines come in, it keeps for every pair
// of goal numbers that nothing beats the first machine in the usual order.
#include "optimiser/Standings.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace rivet;
using namespace rivet::search;

namespace {

struct Offered
{
    double a;
    double b;
    std::int64_t price;
};

TEST(TradeOffFront, keepsTheFirstMachineOfEveryUnbeatenPairInAnyOrder)
{
    const std::vector<Offered> offered = {
        {10, 1, 500}, {10, 1, 300}, // the same pair: the cheaper one stays
        {8, 4, 100},  {8, 3, 50}, // beaten in the second goal at the same first
        {5, 4, 10}, // as good as (8, 4) in the second only: beaten
        {2, 9, 70},   {1, 2, 1}, // beaten by (8, 4)
    };
    const std::vector<std::pair<double, std::int64_t>> expected = {{10, 300}, {8, 100}, {2, 70}};
    std::vector<std::size_t> order(offered.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    do {
        TradeOffFront front;
        for (std::size_t i : order) {
            Key key;
            key.goals = {offered[i].a, offered[i].b};
            key.price = offered[i].price;
            ProposedMachine machine;
            machine.value = offered[i].a;
            machine.totals.totalPrice = static_cast<std::int32_t>(offered[i].price);
            front.offer(key, machine);
        }
        std::vector<std::pair<double, std::int64_t>> kept;
        for (const ProposedMachine& machine : front.machines()) {
            kept.emplace_back(machine.value, machine.totals.totalPrice);
        }
        ASSERT_EQ(kept, expected);
    } while (std::next_permutation(order.begin(), order.end()));
}

} // namespace
