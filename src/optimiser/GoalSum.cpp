#include "optimiser/GoalSum.h"

#include "evaluation/MachineTotals.h"
#include "optimiser/FigureBounds.h"

#include <algorithm>
#include <cmath>

namespace rivet::search {

namespace {

constexpr std::int64_t kReach = (std::int64_t {1} << 31) - 2; // the totals are 32-bit

// The first x in [-kReach, kReach] where a predicate that turns from false to true once is
// true; kReach + 1 when it never is.
template <typename Predicate> std::int64_t firstTrue(Predicate predicate)
{
    std::int64_t low = -kReach;
    std::int64_t high = kReach + 1;
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (predicate(middle)) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

} // namespace

GoalSum::GoalSum(const std::optional<Goal>& goal)
{
    if (!goal) {
        return;
    }
    m_direction = goal->direction;
    const FigureDescriptor& figure = describe(goal->figure);
    const bool higher = m_direction == Direction::Higher;
    const std::optional<Field> field = fieldOf(goal->figure);
    if (field && goal->figure != Figure::Price) { // the price is the tie-break itself
        m_usable = true;
        m_field = *field;
        m_sign = higher ? 1 : -1;
        if (!higher && figure.kind == FigureKind::Spare) {
            m_soundLimit = SoundLimit::Zero;
        } else if (higher && figure.kind == FigureKind::EnergyUse) {
            m_soundLimit = SoundLimit::GeneratorOutput;
        }
    } else if (figure.kind == FigureKind::Coefficient) {
        // A smaller coefficient needs more defence.
        m_usable = true;
        m_defence = figure.defence;
        m_field = defenceField(figure.defence);
        m_sign = higher ? -1 : 1;
    }
}

std::int64_t GoalSum::threshold(double value, const Effects& effects) const
{
    if (m_defence != Defence::None) {
        return defenceThreshold(value, effects.screen(m_defence));
    }
    const auto v = static_cast<std::int64_t>(std::llround(value));
    return m_sign * v;
}

std::int64_t GoalSum::defenceThreshold(double value, Tick screen) const
{
    const auto key = std::make_tuple(value, screen);
    const auto known = m_known.find(key);
    if (known != m_known.end()) {
        return known->second;
    }
    const auto coefficient = [this](std::int64_t total) { return defenceCoefficient(m_defence, total); };
    const bool lower = m_direction == Direction::Lower;
    std::int64_t result = 0;
    bool first = true;
    for (bool on : {false, true}) {
        if (!mayBe(screen, on)) {
            continue;
        }
        std::int64_t raw = 0;
        if (lower) {
            // coefficient <= value: the screened total reaches some least total.
            const std::int64_t total = firstTrue([&](std::int64_t s) { return coefficient(s) <= value; });
            raw = firstTrue([&](std::int64_t x) { return screenedDefence(x, on) >= total; });
        } else {
            // coefficient >= value: the screened total stays at or below some greatest total.
            const std::int64_t total = firstTrue([&](std::int64_t s) { return coefficient(s) < value; }) - 1;
            raw = -(firstTrue([&](std::int64_t x) { return screenedDefence(x, on) > total; }) - 1);
        }
        // Under an open screen either may hold: the weaker need.
        result = first ? raw : std::min(result, raw);
        first = false;
    }
    m_known.emplace(key, result);
    return result;
}

} // namespace rivet::search
