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
    bool priceBound(int depth, const Node& node, const Sums& least, const Found* rival, std::int64_t& price);
    bool windowBound(int depth, const Node& node, const Sums& most, const Found* rival, double& goal,
                     std::int64_t& price);
    std::int64_t soundCap(int depth, const Node& node, const Sums& most) const;
    bool limitBounds(int depth, const Node& node, const Sums& least, double& goal);
    const KnapsackTable& knapsack(const ClassDomains& domains, int which) const;
    const WindowTable* windowTable(const ClassDomains& domains) const;
    std::uint64_t completions(int depth, const Node& node);
    void evaluate(const Node& node);
    void checkIn();

    const PartsTable& m_table;
    const OptimiserRequest& m_request;
    SearchControl* m_control;
    std::array<std::optional<Goal>, 2> m_goals;
    std::optional<Field> m_goalField; // the sum the goal is, when it is one
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
