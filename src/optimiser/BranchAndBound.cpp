#include "optimiser/BranchAndBound.h"

#include <algorithm>
#include <limits>

namespace rivet::search {

namespace {

constexpr std::uint64_t kCheckInEvery = 1024;

} // namespace

BranchAndBound::BranchAndBound(const PartsTable& table, const OptimiserRequest& request, SearchControl* control)
    : m_table(table)
    , m_request(request)
    , m_control(control)
    , m_goals {request.goal, request.second}
    , m_goalFields {request.goal ? fieldOf(request.goal->figure) : std::nullopt,
                    request.second ? fieldOf(request.second->figure) : std::nullopt}
    , m_space(table, request)
    , m_domains(m_space)
    , m_goalSum(request.goal)
    , m_standings(Standings::forRequest(request))
    , m_children(m_space.levels().size())
{
}

OptimiserResult BranchAndBound::run()
{
    Node root;
    root.sums = m_space.base();
    root.positions = m_request.start.positions;
    root.options = m_space.baseOptionBits();
    root.effects = m_space.baseEffects();
    root.domains = &m_domains.open();
    m_total = m_domains.total();
    if (m_control) {
        m_control->report(0, m_total);
    }
    m_stopped = m_control && m_control->cancelled();
    Key key;
    if (m_stopped) {
        // cancelled before it began
    } else if (bound(0, root, key)) {
        visit(0, root);
    } else {
        m_bounded = m_total;
    }
    if (m_control) {
        m_control->report(m_examined + m_bounded, m_total);
    }
    OptimiserResult result;
    result.machines = m_standings->machines();
    result.examined = m_examined;
    result.boundedAway = m_bounded;
    result.cancelled = m_stopped;
    return result;
}

void BranchAndBound::visit(int depth, const Node& node)
{
    checkIn();
    if (m_stopped) {
        return;
    }
    const bool last = depth + 1 == m_space.levelCount();
    const bool left = depth == m_space.leftLevel();
    auto& children = m_children[static_cast<std::size_t>(depth)];
    children.clear();
    for (int choice : node.domains->allowed[static_cast<std::size_t>(depth)]) {
        if (left && !m_domains.pairCounts(*node.domains, node.right, choice)) {
            continue;
        }
        Child child {childOf(depth, node, choice), {}};
        if (last) {
            evaluate(child.node);
            continue;
        }
        if (!bound(depth + 1, child.node, child.key) || beaten(depth + 1, child.node, child.key)) {
            m_bounded += completions(depth + 1, child.node);
            continue;
        }
        children.push_back(child);
    }
    std::sort(children.begin(), children.end(), [](const Child& a, const Child& b) { return better(a.key, b.key); });
    for (const Child& child : children) {
        if (m_stopped) {
            return;
        }
        // The machines found below the earlier children may have raised the bar.
        if (beaten(depth + 1, child.node, child.key)) {
            m_bounded += completions(depth + 1, child.node);
            continue;
        }
        visit(depth + 1, child.node);
    }
}

BranchAndBound::Node BranchAndBound::childOf(int depth, const Node& node, int choice)
{
    const Level& level = m_space.levels()[static_cast<std::size_t>(depth)];
    const Choice& c = level.choices[static_cast<std::size_t>(choice)];
    Node child = node;
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        child.sums[f] += c.sums[f];
    }
    if (level.selector) {
        child.positions[selectorIndex(*level.selector)] = c.value;
        child.changes += c.value != level.start ? 1 : 0;
        if (level.selector == LegsSelector) {
            child.legs = choice;
        } else if (level.selector == ArmsSelector) {
            const Choice& legs = m_space.levels()[0].choices[static_cast<std::size_t>(child.legs)];
            child.domains = &m_domains.of(legs, c);
        } else if (level.selector == RightBackSelector) {
            child.right = choice;
        }
        return child;
    }
    if (c.value != 0) {
        child.options = static_cast<std::uint16_t>(child.options | (1u << optionIndex(level.option)));
    }
    if (Tick* tick = child.effects.of(level.option)) {
        *tick = tickOf(c.value != 0);
    }
    return child;
}

std::uint64_t BranchAndBound::completions(int depth, const Node& node)
{
    if (depth >= m_space.levelCount()) {
        return 1;
    }
    if (depth >= 2) {
        return m_domains.completions(*node.domains, depth, node.right);
    }
    return depth == 1 ? m_domains.completionsAfterLegs(node.legs) : m_total;
}

void BranchAndBound::evaluate(const Node& node)
{
    ++m_examined;
    Selection selection = m_request.start;
    selection.positions = node.positions;
    for (int n = 1; n <= kOptionCount; ++n) {
        selection.setOption(n, (node.options >> optionIndex(n)) & 1u);
    }
    if (!isProposable(m_table, selection)) {
        return; // the domains only offer proposable machines; the evaluation decides alone
    }
    const MachineTotals totals = computeTotals(m_table, selection);
    if (!isSound(totals)) {
        return;
    }
    for (const Requirement& requirement : m_request.requirements) {
        if (!meetsRequirement(requirement, figureNumber(totals, requirement.figure))) {
            return;
        }
    }
    ProposedMachine machine {selection, totals, 0, 0, node.changes};
    Key key {m_request.kind == SearchKind::Repair ? node.changes : 0,
             {},
             totals.totalPrice,
             selection.positions,
             node.options};
    for (std::size_t i = 0; i < m_goals.size(); ++i) {
        if (!m_goals[i]) {
            continue;
        }
        const std::optional<double> value = figureNumber(totals, m_goals[i]->figure);
        if (!value) {
            return;
        }
        (i == 0 ? machine.value : machine.secondValue) = *value;
        key.goals[i] = oriented(*m_goals[i], *value);
    }
    m_standings->offer(key, machine);
}

void BranchAndBound::checkIn()
{
    if (++m_visits % kCheckInEvery != 0 || !m_control) {
        return;
    }
    m_control->report(m_examined + m_bounded, m_total);
    m_stopped = m_control->cancelled();
}

} // namespace rivet::search
