#pragma once

#include "optimiser/Domains.h"
#include "optimiser/FigureBounds.h"
#include "optimiser/GoalSum.h"
#include "optimiser/SearchSpace.h"
#include "optimiser/Standings.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace rivet::search {

// A depth-first branch and bound over the levels of the search space, keeping the machines
// found so far in the request's standings and cutting every part of the search whose best
// possible key the standings have beaten.
class BranchAndBound
{
public:
    BranchAndBound(const PartsTable& table, const OptimiserRequest& request, SearchControl* control);
    OptimiserResult run();

private:
    // The choices made down to a depth.
    struct Node
    {
        Sums sums {};
        std::array<int, kSelectorCount> positions {};
        std::uint16_t options = 0;
        Effects effects;
        const ClassDomains* domains = nullptr;
        int legs = -1;
        int right = -1;
        int changes = 0; // selectors chosen other than the start's
    };
    struct Child
    {
        Node node;
        Key key;
    };

    void visit(int depth, const Node& node);
    Node childOf(int depth, const Node& node, int choice);
    // The best key any machine below the node can have; false when none can qualify.
    bool bound(int depth, const Node& node, Key& key);
    bool goalBounds(const Node& node, const Sums& least, const Sums& most, Key& key) const;
    // A machine must beat the rival to be kept: the rival's goal number then bounds the price.
    const Found* rivalFor(const Key& key) const;
    // Whether the standings have beaten every machine below the node, whose best key is given.
    bool beaten(int depth, const Node& node, const Key& key);
    // For a trade-off of two sums: whether every machine below is beaten by some point of the
    // front, the first goal's best being bounded for each stretch of the second goal.
    bool coveredByFront(int depth, const Node& node, const Key& key);
    bool priceBound(int depth, const Node& node, const Sums& least, const Found* rival, std::int64_t& price);
    bool windowBound(int depth, const Node& node, const Sums& most, const Found* rival, double& goal,
                     std::int64_t& price);
    std::int64_t soundCap(int depth, const Node& node, const Sums& most) const;
    // The most goal `which` can gain while every limit of soundness holds, for a goal that is a sum.
    bool limitBounds(int depth, const Node& node, const Sums& least, std::size_t which, double& goal);
    const KnapsackTable& knapsack(const ClassDomains& domains, std::size_t which) const;
    const WindowTable* windowTable(const ClassDomains& domains) const;
    std::uint64_t completions(int depth, const Node& node);
    void evaluate(const Node& node);
    void checkIn();

    const PartsTable& m_table;
    const OptimiserRequest& m_request;
    SearchControl* m_control;
    std::array<std::optional<Goal>, 2> m_goals;
    std::array<std::optional<Field>, 2> m_goalFields; // the sum each goal is, when it is one
    SearchSpace m_space;
    Domains m_domains;
    FigureBounds m_figures;
    GoalSum m_goalSum;
    std::unique_ptr<Standings> m_standings;
    std::vector<std::vector<Child>> m_children; // per depth
    std::uint64_t m_examined = 0;
    std::uint64_t m_bounded = 0;
    std::uint64_t m_total = 0;
    std::uint64_t m_visits = 0;
    bool m_stopped = false;
};

} // namespace rivet::search
