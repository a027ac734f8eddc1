// The bounds of the branch and bound: the best key any machine below a node can have.
#include "optimiser/BranchAndBound.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rivet::search {

namespace {

// The sums soundness keeps from falling below a floor: the spare loads and free slots at 0,
// the energy surpluses where the verdict turns to short of output.
struct Limit
{
    Field field;
    bool energy;
};
constexpr Limit kLimits[] = {
    {LoadSlackField, false}, {CoreSlackField, false}, {SlotSlackField, false},
    {RestSlackField, true},  {MoveSlackField, true},
};
static_assert(std::size(kLimits) == kLimitCount);

} // namespace

bool BranchAndBound::bound(int depth, const Node& node, Key& key)
{
    const ClassDomains& domains = *node.domains;
    if (domains.empty) {
        return false;
    }
    key.changes = m_request.kind == SearchKind::Repair
        ? node.changes + domains.unavoidableChanges[static_cast<std::size_t>(depth)]
        : 0;
    key.options = node.options;
    for (Selector selector : allSelectors()) {
        const int level = m_space.levelOf(selector);
        key.positions[selectorIndex(selector)] = level < depth ? node.positions[selectorIndex(selector)]
                                                               : domains.leastValue[static_cast<std::size_t>(level)];
    }
    if (!m_space.sumsExact()) {
        // Sums that could wrap in the evaluation prove nothing: search everything.
        key.goals.fill(std::numeric_limits<double>::infinity());
        key.price = std::numeric_limits<std::int64_t>::min();
        return true;
    }
    Sums least = node.sums;
    Sums most = node.sums;
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        least[f] += domains.least[static_cast<std::size_t>(depth)][f];
        most[f] += domains.most[static_cast<std::size_t>(depth)][f];
    }
    if (!m_figures.maySound(least, most)) {
        return false;
    }
    // A sound machine carries enough mass for its thrust (unless it has none at all), and
    // weighs that much more than its generator.
    if (m_space.massesNonNegative() && node.sums[MassField] >= 1) {
        const std::int64_t soundMass = m_figures.leastSoundMass(least[ThrustField]);
        if (soundMass > least[MassField]) {
            least[WeightField] += soundMass - least[MassField];
            least[MassField] = soundMass;
        }
    }
    for (const Requirement& requirement : m_request.requirements) {
        const Interval range = m_figures.figure(requirement.figure, least, most, node.effects);
        if (range.empty) {
            return false;
        }
        if (requirement.kind == Requirement::Kind::AtLeast
                ? m_figures.soundCeiling(requirement.figure, range.high) < requirement.value
                : range.low > requirement.value) {
            return false;
        }
    }
    if (!goalBounds(node, least, most, key) || !limitBounds(depth, node, least, 0, key.goals[0])
        || !limitBounds(depth, node, least, 1, key.goals[1])) {
        return false;
    }
    const Found* rival = rivalFor(key);
    std::int64_t windowPrice = std::numeric_limits<std::int64_t>::min();
    if (!windowBound(depth, node, most, rival, key.goals[0], windowPrice)
        || !priceBound(depth, node, least, rival, key.price)) {
        return false;
    }
    key.price = std::max(key.price, windowPrice);
    return true;
}

bool BranchAndBound::goalBounds(const Node& node, const Sums& least, const Sums& most, Key& key) const
{
    for (std::size_t i = 0; i < m_goals.size(); ++i) {
        key.goals[i] = 0;
        if (!m_goals[i]) {
            continue;
        }
        const Goal& goal = *m_goals[i];
        Interval range = m_figures.figure(goal.figure, least, most, node.effects);
        if (describe(goal.figure).kind == FigureKind::Spare) {
            range.low = std::max(range.low, 0.0); // a sound machine's spares are not negative
        }
        const double high = m_figures.soundCeiling(goal.figure, range.high);
        if (range.empty || high < range.low) {
            return false;
        }
        key.goals[i] = oriented(goal, goal.direction == Direction::Higher ? high : range.low);
    }
    return true;
}

bool BranchAndBound::limitBounds(int depth, const Node& node, const Sums& least, std::size_t which, double& goal)
{
    const std::optional<Field>& field = m_goalFields[which];
    if (!field) {
        return true;
    }
    // The goal's sum turned so that more is better, as the goal's key is.
    const int sign = m_goals[which]->direction == Direction::Higher ? 1 : -1;
    const std::int64_t spent = sign * node.sums[*field];
    for (std::size_t i = 0; i < std::size(kLimits); ++i) {
        const Limit& limit = kLimits[i];
        const std::int64_t floor = limit.energy ? m_figures.leastSoundSurplus() : 0;
        if (limit.field == *field || least[limit.field] >= floor) {
            continue; // the limit is the goal itself, or every machine below keeps it
        }
        const std::int64_t need = floor - node.sums[limit.field];
        const std::int64_t cost
            = knapsack(*node.domains, kFirstLimitTable + which * kLimitCount + i).leastCost(depth, need);
        if (cost >= KnapsackTable::kUnreachable) {
            return false;
        }
        goal = std::min(goal, static_cast<double>(spent - cost));
    }
    return true;
}

bool BranchAndBound::beaten(int depth, const Node& node, const Key& key)
{
    return m_standings->beaten(key) || coveredByFront(depth, node, key);
}

bool BranchAndBound::coveredByFront(int depth, const Node& node, const Key& key)
{
    const std::vector<Found>* front = m_standings->front();
    if (!front || front->empty() || !m_goalFields[0] || !m_goalFields[1] || m_goalFields[0] == m_goalFields[1]
        || !m_space.sumsExact() || depth >= m_space.levelCount()) {
        return false;
    }
    // Both goals are sums, turned so that more is better: a = sA × A, b = sB × B. For a machine
    // below with b in (b[j-1], b[j]] the only points at least as good in the second goal are
    // j and those after it, and point j is the best of them in the first: it must be at
    // least as good in the first goal too. Machines with b above the last point's escape.
    const int signA = m_goals[0]->direction == Direction::Higher ? 1 : -1;
    const int signB = m_goals[1]->direction == Direction::Higher ? 1 : -1;
    const std::int64_t spentA = signA * node.sums[*m_goalFields[0]];
    const std::int64_t spentB = signB * node.sums[*m_goalFields[1]];
    const KnapsackTable& table = knapsack(*node.domains, kTradeOffTable);
    // The most a can be among the machines below whose b is at least `b`; none when no machine.
    const auto mostA = [&](std::int64_t b) -> std::optional<std::int64_t> {
        const std::int64_t cost = table.leastCost(depth, b - spentB);
        if (cost >= KnapsackTable::kUnreachable) {
            return std::nullopt;
        }
        return spentA - cost;
    };
    if (key.goals[1] > front->back().key.goals[1]) {
        return false; // some machine below may be better in the second goal than every point
    }
    double below = -std::numeric_limits<double>::infinity();
    for (const Found& point : *front) {
        if (below >= key.goals[1]) {
            break; // no machine below reaches this far in the second goal
        }
        const std::int64_t from
            = std::isinf(below) ? std::numeric_limits<std::int32_t>::min() : static_cast<std::int64_t>(below) + 1;
        const std::optional<std::int64_t> a = mostA(from);
        if (a && static_cast<double>(*a) > point.key.goals[0]) {
            return false;
        }
        if (a && static_cast<double>(*a) == point.key.goals[0]) {
            // A machine with the point's very pair may still come first in the usual order.
            Key same = key;
            same.goals = point.key.goals;
            if (better(same, point.key)) {
                return false;
            }
        }
        below = point.key.goals[1];
    }
    return true;
}

const Found* BranchAndBound::rivalFor(const Key& key) const
{
    const Found* rival = m_standings->rival();
    // A machine below that beats the rival reaches its goal number, unless it beats it by
    // changing fewer selectors.
    if (!rival || key.changes < rival->key.changes) {
        return nullptr;
    }
    return rival;
}

bool BranchAndBound::windowBound(int depth, const Node& node, const Sums& most, const Found* rival, double& goal,
                                 std::int64_t& price)
{
    const WindowTable* window = windowTable(*node.domains);
    if (!window) {
        return true;
    }
    // In the goal's sum, turned so that more is better: what is spent, how far soundness lets it
    // go, and the nearest amount the rest can still add below that.
    const std::int64_t spent = m_goalSum.sign() * node.sums[m_goalSum.field()];
    const std::int64_t cap = soundCap(depth, node, most) - spent;
    const std::optional<std::int64_t> reach = window->mostReachable(depth, cap);
    if (!reach) {
        return false;
    }
    goal = std::min(goal, static_cast<double>(spent + *reach));
    if (rival) {
        const std::int64_t from = m_goalSum.threshold(rival->machine.value, node.effects) - spent;
        const std::int64_t rest = window->leastPrice(depth, from, cap);
        if (rest >= WindowTable::kUnreachable) {
            return false;
        }
        price = node.sums[PriceField] + rest;
    }
    return true;
}

std::int64_t BranchAndBound::soundCap(int depth, const Node& node, const Sums& most) const
{
    if (m_goalSum.soundLimit() == GoalSum::SoundLimit::Zero) {
        return 0; // the negative of a spare load or of free slots
    }
    // Neither use may pass the output by more than the verdict lets pass; once the legs are
    // chosen the two uses differ by a known amount, and the larger one caps both.
    std::int64_t otherLarger = 0;
    if (depth > m_space.levelOf(LegsSelector)) {
        const std::int64_t moveOverRest = node.sums[MoveUseField] - node.sums[RestUseField];
        otherLarger = std::max<std::int64_t>(0, m_goalSum.field() == RestUseField ? moveOverRest : -moveOverRest);
    }
    return most[GeneratorField] - m_figures.leastSoundSurplus() - otherLarger;
}

bool BranchAndBound::priceBound(int depth, const Node& node, const Sums& least, const Found* rival, std::int64_t& price)
{
    price = least[PriceField];
    const std::int64_t spent = node.sums[PriceField];
    // A sound machine carries enough mass for its thrust (unless it has none at all).
    if (m_space.massesNonNegative() && node.sums[MassField] >= 1) {
        const std::int64_t need = m_figures.leastSoundMass(least[ThrustField]) - node.sums[MassField];
        if (need > node.domains->least[static_cast<std::size_t>(depth)][MassField]) {
            const std::int64_t rest = knapsack(*node.domains, kMassTable).leastCost(depth, need);
            if (rest >= KnapsackTable::kUnreachable) {
                return false;
            }
            price = std::max(price, spent + rest);
        }
    }
    // A machine still in the race reaches the goal number of the rival.
    if (m_goalSum.usable() && rival && !windowTable(*node.domains)) {
        const std::int64_t need
            = m_goalSum.threshold(rival->machine.value, node.effects) - m_goalSum.sign() * node.sums[m_goalSum.field()];
        const std::int64_t rest = knapsack(*node.domains, kGoalTable).leastCost(depth, need);
        if (rest >= KnapsackTable::kUnreachable) {
            return false;
        }
        price = std::max(price, spent + rest);
    }
    return true;
}

const KnapsackTable& BranchAndBound::knapsack(const ClassDomains& domains, std::size_t which) const
{
    auto& table = domains.knapsacks[which];
    if (!table) {
        if (which == kMassTable) {
            table = std::make_unique<KnapsackTable>(m_space, domains.allowed, MassField, 1);
        } else if (which == kGoalTable) {
            table = std::make_unique<KnapsackTable>(m_space, domains.allowed, m_goalSum.field(), m_goalSum.sign());
        } else if (which == kTradeOffTable) {
            // The most the first goal's sum gains while the second's reaches an amount.
            table = std::make_unique<KnapsackTable>(
                m_space, domains.allowed, *m_goalFields[1], m_goals[1]->direction == Direction::Higher ? 1 : -1,
                *m_goalFields[0], m_goals[0]->direction == Direction::Higher ? -1 : 1);
        } else {
            // The most a goal's sum gains: the least of its negative, turned.
            const std::size_t goal = (which - kFirstLimitTable) / kLimitCount;
            const int sign = m_goals[goal]->direction == Direction::Higher ? 1 : -1;
            const Limit& limit = kLimits[(which - kFirstLimitTable) % kLimitCount];
            table
                = std::make_unique<KnapsackTable>(m_space, domains.allowed, limit.field, 1, *m_goalFields[goal], -sign);
        }
    }
    return *table;
}

const WindowTable* BranchAndBound::windowTable(const ClassDomains& domains) const
{
    if (m_goalSum.soundLimit() == GoalSum::SoundLimit::None) {
        return nullptr;
    }
    if (!domains.windowTried) {
        domains.windowTried = true;
        domains.windowTable = WindowTable::build(m_space, domains.allowed, m_goalSum.field(), m_goalSum.sign());
    }
    return domains.windowTable.get();
}

} // namespace rivet::search
