#pragma once

#include "optimiser/Domains.h"
#include "optimiser/FigureBounds.h"
#include "optimiser/GoalSum.h"
#include "optimiser/SearchSpace.h"

#include <array>
#include <cstdint>
#include <vector>

namespace rivet::search {

// The order machines are ranked in: the goal number (turned so that more is better), then the
// lower price, the smaller positions cb1..cb11, the smaller option bits. For a part of the
// search it holds the best each component can be there, so that part can be cut when even
// that loses.
struct Key
{
    double goal = 0;
    std::int64_t price = 0;
    std::array<int, kSelectorCount> positions {};
    std::uint16_t options = 0;
};
bool better(const Key& a, const Key& b);

// A depth-first branch and bound over the levels of the search space, keeping the best
// machines found so far and cutting every part of the search whose best possible key cannot
// beat the last of them.
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
    };
    struct Child
    {
        Node node;
        Key key;
    };
    struct Found
    {
        Key key;
        ProposedMachine machine;
    };

    void visit(int depth, const Node& node);
    Node childOf(int depth, const Node& node, int choice);
    // The best key any machine below the node can have; false when none can qualify.
    bool bound(int depth, const Node& node, Key& key);
    bool priceBound(int depth, const Node& node, const Sums& least, std::int64_t& price);
    bool windowBound(int depth, const Node& node, const Sums& most, double& goal, std::int64_t& price);
    std::int64_t soundCap(int depth, const Node& node, const Sums& most) const;
    const PriceTable& priceTable(const ClassDomains& domains, int which) const;
    const WindowTable* windowTable(const ClassDomains& domains) const;
    std::uint64_t completions(int depth, const Node& node);
    void evaluate(const Node& node);
    bool beaten(const Key& key) const;
    void offer(const Key& key, const ProposedMachine& machine);
    double oriented(double value) const;
    void checkIn();

    const PartsTable& m_table;
    const OptimiserRequest& m_request;
    SearchControl* m_control;
    std::size_t m_top;
    SearchSpace m_space;
    Domains m_domains;
    FigureBounds m_figures;
    GoalSum m_goalSum;
    std::vector<std::vector<Child>> m_children; // per depth
    std::vector<Found> m_found; // best first
    std::uint64_t m_examined = 0;
    std::uint64_t m_bounded = 0;
    std::uint64_t m_total = 0;
    std::uint64_t m_visits = 0;
    bool m_stopped = false;
};

} // namespace rivet::search
