#include "optimiser/Domains.h"

#include <algorithm>
#include <limits>

namespace rivet::search {

bool admits(const RuleClass& rules, const Level& level, const Choice& choice)
{
    // A rule that resets a selector to NO EQUIP leaves only position 0 standing: a selector
    // without an item (-1) would change too.
    if (!level.selector) {
        return true;
    }
    switch (*level.selector) {
    case BoosterSelector:
        return !rules.caterpillar || choice.value == 0;
    case ArmWeaponSelector:
        if (rules.weaponArms) {
            return choice.value == 0;
        }
        return !(rules.forbidsKarasawa && choice.traits.karasawa);
    case BladeSelector:
        return !rules.weaponArms || choice.value == 0;
    default:
        return true;
    }
}

bool pairStands(const RuleClass& rules, const Choice& right, const Choice& left)
{
    if ((right.traits.twoSlot && left.value != 0) || (left.traits.twoSlot && right.value != 0)) {
        return false;
    }
    // ANKS-1A46J arms clear both back weapons unless one of them carries the D mark.
    if (rules.anks && !right.traits.dMark && !left.traits.dMark) {
        return right.value == 0 && left.value == 0;
    }
    return true;
}

Domains::Domains(const SearchSpace& space)
    : m_space(space)
{
    build(m_open, false);
}

bool Domains::pairCounts(const ClassDomains& domains, int rightChoice, int leftChoice) const
{
    const auto& levels = m_space.levels();
    const Choice& right
        = levels[static_cast<std::size_t>(m_space.rightLevel())].choices[static_cast<std::size_t>(rightChoice)];
    const Choice& left
        = levels[static_cast<std::size_t>(m_space.leftLevel())].choices[static_cast<std::size_t>(leftChoice)];
    return !m_space.mirrorOfEarlier(rightChoice, leftChoice) && pairStands(domains.rules, right, left);
}

const ClassDomains& Domains::of(const Choice& legs, const Choice& arms)
{
    RuleClass rules;
    rules.caterpillar = legs.traits.caterpillar;
    rules.forbidsKarasawa = legs.traits.forbidsKarasawa;
    rules.weaponArms = arms.traits.weaponArms;
    rules.anks = arms.traits.anks;
    auto& slot = m_classes[static_cast<std::size_t>(rules.index())];
    if (!slot) {
        slot = std::make_unique<ClassDomains>();
        slot->rules = rules;
        build(*slot, true);
    }
    return *slot;
}

void Domains::build(ClassDomains& d, bool filtered) const
{
    const auto& levels = m_space.levels();
    const std::size_t n = levels.size();
    d.allowed.assign(n, {});
    d.leastValue.assign(n, 0);
    for (std::size_t l = 0; l < n; ++l) {
        const Level& level = levels[l];
        int leastValue = std::numeric_limits<int>::max();
        for (int i = 0; i < static_cast<int>(level.choices.size()); ++i) {
            const Choice& choice = level.choices[static_cast<std::size_t>(i)];
            if (!filtered || admits(d.rules, level, choice)) {
                d.allowed[l].push_back(i);
                leastValue = std::min(leastValue, choice.value);
            }
        }
        d.empty = d.empty || d.allowed[l].empty();
        d.leastValue[l] = leastValue;
    }

    d.least.assign(n + 1, Sums {});
    d.most.assign(n + 1, Sums {});
    d.suffixProduct.assign(n + 1, 1);
    d.unavoidableChanges.assign(n + 1, 0);
    const auto right = static_cast<std::size_t>(m_space.rightLevel());
    const auto left = static_cast<std::size_t>(m_space.leftLevel());
    for (std::size_t l = n; l-- > 0;) {
        const auto& indices = d.allowed[l];
        const auto& choices = levels[l].choices;
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            std::int64_t low = 0;
            std::int64_t high = 0;
            for (std::size_t k = 0; k < indices.size(); ++k) {
                const std::int64_t v = choices[static_cast<std::size_t>(indices[k])].sums[f];
                low = k == 0 ? v : std::min(low, v);
                high = k == 0 ? v : std::max(high, v);
            }
            d.least[l][f] = d.least[l + 1][f] + low;
            d.most[l][f] = d.most[l + 1][f] + high;
        }
        const std::uint64_t factor = (l == right || l == left) ? 1 : indices.size();
        d.suffixProduct[l] = d.suffixProduct[l + 1] * factor;
        const Level& level = levels[l];
        const bool keepsStart = std::any_of(indices.begin(), indices.end(), [&](int i) {
            return choices[static_cast<std::size_t>(i)].value == level.start;
        });
        d.unavoidableChanges[l] = d.unavoidableChanges[l + 1] + (level.selector && !keepsStart ? 1 : 0);
    }

    const auto& rightChoices = levels[right].choices;
    d.leftCounts.assign(rightChoices.size(), 0);
    d.pairCount = 0;
    if (!filtered) {
        return; // the open domains are never counted
    }
    for (int r : d.allowed[right]) {
        std::uint64_t count = 0;
        for (int l : d.allowed[left]) {
            count += pairCounts(d, r, l) ? 1u : 0u;
        }
        d.leftCounts[static_cast<std::size_t>(r)] = count;
        d.pairCount += count;
    }
}

std::uint64_t Domains::completions(const ClassDomains& d, int depth, int rightChoice) const
{
    if (d.empty) {
        return 0;
    }
    std::uint64_t backs = 1;
    if (m_space.rightLevel() >= depth) {
        backs = d.pairCount;
    } else if (m_space.leftLevel() >= depth) {
        backs = d.leftCounts[static_cast<std::size_t>(rightChoice)];
    }
    return d.suffixProduct[static_cast<std::size_t>(depth)] * backs;
}

std::uint64_t Domains::completionsAfterLegs(int legsChoice)
{
    const Choice& legs = m_space.levels()[0].choices[static_cast<std::size_t>(legsChoice)];
    std::uint64_t count = 0;
    for (const Choice& arms : m_space.levels()[1].choices) {
        count += completions(of(legs, arms), 2, -1);
    }
    return count;
}

std::uint64_t Domains::total()
{
    std::uint64_t count = 0;
    for (int legs = 0; legs < static_cast<int>(m_space.levels()[0].choices.size()); ++legs) {
        count += completionsAfterLegs(legs);
    }
    return count;
}

} // namespace rivet::search
