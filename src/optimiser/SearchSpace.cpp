#include "optimiser/SearchSpace.h"

#include "evaluation/PartTraits.h"

#include <algorithm>
#include <limits>

namespace rivet::search {

namespace {

bool carriesEnergy(Selector selector)
{
    return selector != LegsSelector && selector != GeneratorSelector;
}

bool onCore(Selector selector)
{
    return selector == ArmsSelector || selector == BladeSelector || selector == ArmWeaponSelector;
}

bool bodyPart(Selector selector)
{
    return selector == HeadSelector || selector == CoreSelector || selector == ArmsSelector || selector == LegsSelector;
}

// What a part on selector cb<selector> adds to each sum, as the evaluation counts it.
Sums sumsOf(const Part& part, Selector selector)
{
    Sums s {};
    s[PriceField] = part.price;
    s[WeightField] = part.weight;
    if (bodyPart(selector)) {
        s[ApField] = part.ap;
        s[ShellField] = part.shellDefence;
        s[BeamField] = part.beamDefence;
    }
    if (selector == LegsSelector) {
        s[LoadSlackField] = part.loadCapacity;
        s[RestUseField] = part.restEnergy;
        s[MoveUseField] = part.moveEnergy;
        s[StabilityField] = part.stability;
        // Caterpillar legs drive themselves; the rules leave them no booster.
        s[ThrustField] = isCaterpillar(part) ? kCaterpillarThrust : 0;
    } else {
        s[LoadSlackField] = -std::int64_t {part.weight};
    }
    if (selector == CoreSelector) {
        s[CoreSlackField] = part.loadCapacity;
        s[SlotSlackField] = part.slots;
    } else if (onCore(selector)) {
        s[CoreSlackField] = -std::int64_t {part.weight};
    }
    if (carriesEnergy(selector)) {
        s[RestUseField] = part.energy;
        s[MoveUseField] = part.energy;
    }
    if (selector == GeneratorSelector) {
        s[GeneratorField] = part.genOutput;
        s[RestSlackField] = part.genOutput;
        s[MoveSlackField] = part.genOutput;
    } else {
        s[RestSlackField] = -s[RestUseField];
        s[MoveSlackField] = -s[MoveUseField];
        s[MassField] = part.weight;
    }
    if (selector == BoosterSelector) {
        s[ThrustField] = part.boost;
    }
    return s;
}

RuleTraits traitsOf(const Part& part, Selector selector, int position)
{
    RuleTraits t;
    switch (selector) {
    case LegsSelector:
        t.caterpillar = isCaterpillar(part);
        t.forbidsKarasawa = forbidsKarasawa(part);
        break;
    case ArmsSelector:
        t.weaponArms = isWeaponArms(position);
        t.anks = isAnksArms(part, position);
        break;
    case ArmWeaponSelector:
        t.karasawa = isKarasawa(part);
        break;
    case RightBackSelector:
    case LeftBackSelector:
        t.twoSlot = isTwoSlotWeapon(part);
        t.dMark = hasDMark(part);
        break;
    default:
        break;
    }
    return t;
}

// The option boxes whose effects move a goal: the screens its defence, the stabilisers.
void addGoalOptions(const std::optional<Goal>& goal, std::vector<int>& options)
{
    if (!goal) {
        return;
    }
    const FigureDescriptor& figure = describe(goal->figure);
    std::vector<int> moving;
    if (figure.kind == FigureKind::Stability) {
        moving = {kStabiliserOption, kStabiliserReOption};
    } else if (figure.defence == Defence::Shell) {
        moving = {kShellScreenOption};
    } else if (figure.defence == Defence::Beam) {
        moving = {kBeamScreenOption};
    }
    for (int n : moving) {
        if (std::find(options.begin(), options.end(), n) == options.end()) {
            options.push_back(n);
        }
    }
}

bool bodyFigure(const std::optional<Goal>& goal)
{
    return goal && (goal->figure == Figure::Ap || describe(goal->figure).defence != Defence::None);
}

bool boostFigure(const std::optional<Goal>& goal)
{
    return goal && describe(goal->figure).kind == FigureKind::Boost;
}

// The branching order of the selectors for the goals: legs and arms first (they decide what
// the rules allow elsewhere), then the selectors that move the goals most, the first goal's
// before the second's.
std::array<Selector, kSelectorCount> selectorOrder(const std::optional<Goal>& goal, const std::optional<Goal>& second)
{
    const bool boost = boostFigure(goal) || (!bodyFigure(goal) && boostFigure(second));
    const bool body = !boost && (bodyFigure(goal) || bodyFigure(second));
    if (boost) {
        // Thrust first, then what makes up the mass.
        return {LegsSelector,      ArmsSelector,     BoosterSelector, GeneratorSelector,
                RightBackSelector, LeftBackSelector, CoreSelector,    ArmWeaponSelector,
                HeadSelector,      BladeSelector,    FcsSelector};
    }
    if (body) {
        // AP, defence and durability come from the body parts.
        return {LegsSelector,      ArmsSelector,      CoreSelector,     HeadSelector,
                GeneratorSelector, RightBackSelector, LeftBackSelector, ArmWeaponSelector,
                BoosterSelector,   BladeSelector,     FcsSelector};
    }
    return {LegsSelector,     ArmsSelector,      CoreSelector, GeneratorSelector, BoosterSelector, RightBackSelector,
            LeftBackSelector, ArmWeaponSelector, HeadSelector, BladeSelector,     FcsSelector};
}

} // namespace

std::optional<Field> fieldOf(Figure figure)
{
    const auto whole = describe(figure).whole;
    for (std::size_t f = 0; f < kFieldTotals.size(); ++f) {
        if (whole && kFieldTotals[f] == whole) {
            return static_cast<Field>(f);
        }
    }
    return std::nullopt;
}

Tick* Effects::of(int option)
{
    switch (option) {
    case kStabiliserOption:
        return &stabiliser;
    case kShellScreenOption:
        return &shellScreen;
    case kBeamScreenOption:
        return &beamScreen;
    case kStabiliserReOption:
        return &stabiliserRe;
    default:
        return nullptr;
    }
}

SearchSpace::SearchSpace(const PartsTable& table, const OptimiserRequest& request)
    : m_ranksChanges(request.kind == SearchKind::Repair)
{
    for (int n = 1; n <= kOptionCount; ++n) {
        if (Tick* tick = m_baseEffects.of(n)) {
            *tick = tickOf(request.start.option(n));
        }
    }
    const auto selectors = selectorOrder(request.goal, request.second);
    addSelectorLevel(table, request, selectors[0]);
    addSelectorLevel(table, request, selectors[1]);
    // Options that move the goals are decided next to the legs: the bounds then know them early.
    std::vector<int> early;
    addGoalOptions(request.goal, early);
    addGoalOptions(request.second, early);
    for (int n : early) {
        addOption(table, request, n);
    }
    for (std::size_t i = 2; i < selectors.size(); ++i) {
        addSelectorLevel(table, request, selectors[i]);
    }
    for (int n = 1; n <= kOptionCount; ++n) {
        if (std::find(early.begin(), early.end(), n) == early.end()) {
            addOption(table, request, n);
        }
    }
    checkRanges();
    findMirrors();
}

void SearchSpace::addSelectorLevel(const PartsTable& table, const OptimiserRequest& request, Selector selector)
{
    Level level;
    level.selector = selector;
    level.start = request.start.position(selector);
    std::vector<int> positions;
    const SlotRule rule = request.slots[selectorIndex(selector)];
    if (rule == SlotRule::Keep) {
        positions.push_back(request.start.position(selector));
    } else {
        // Every item the window's selector offers, NO EQUIP unless a part is asked for.
        const int count = table.itemCount(slotOfSelector(selector));
        for (int item = rule == SlotRule::Equip ? 1 : 0; item < count; ++item) {
            positions.push_back(item);
        }
    }
    for (int position : positions) {
        Selection probe;
        probe.setPosition(selector, position);
        const Part& part = selectedPart(table, probe, selector);
        level.choices.push_back({position, sumsOf(part, selector), traitsOf(part, selector, position)});
        m_massesNonNegative = m_massesNonNegative && part.weight >= 0;
    }
    m_levelOfSelector[selectorIndex(selector)] = static_cast<int>(m_levels.size());
    m_levels.push_back(std::move(level));
}

void SearchSpace::findMirrors()
{
    const Level& right = m_levels[static_cast<std::size_t>(rightLevel())];
    const Level& left = m_levels[static_cast<std::size_t>(leftLevel())];
    const auto offers = [](const Level& level, int position) {
        return std::any_of(level.choices.begin(), level.choices.end(),
                           [&](const Choice& choice) { return choice.value == position; });
    };
    // Of a pair and its mirror image, which comes first in the request's order: a repair ranks
    // by the changes first, so the one that keeps more of the start; otherwise, or when both keep
    // as much, the smaller right position.
    const auto comesLater = [&](int r, int l) {
        if (m_ranksChanges) {
            const int asIs = (r != right.start ? 1 : 0) + (l != left.start ? 1 : 0);
            const int mirrored = (l != right.start ? 1 : 0) + (r != left.start ? 1 : 0);
            if (asIs != mirrored) {
                return asIs > mirrored;
            }
        }
        return r > l;
    };
    m_mirrors.assign(right.choices.size() * left.choices.size(), false);
    for (std::size_t r = 0; r < right.choices.size(); ++r) {
        for (std::size_t l = 0; l < left.choices.size(); ++l) {
            const int rv = right.choices[r].value;
            const int lv = left.choices[l].value;
            m_mirrors[r * left.choices.size() + l] = comesLater(rv, lv) && offers(right, lv) && offers(left, rv);
        }
    }
}

void SearchSpace::addOption(const PartsTable& table, const OptimiserRequest& request, int n)
{
    const Part* option = table.option(n);
    // A box without a catalogue row is disabled in the window: it keeps its tick.
    if (request.freeOptions && option) {
        Level level;
        level.option = n;
        level.start = request.start.option(n) ? 1 : 0;
        Sums on {};
        on[PriceField] = option->price;
        on[SlotSlackField] = -std::int64_t {option->slots};
        level.choices.push_back({0, Sums {}, {}});
        level.choices.push_back({1, on, {}});
        m_levels.push_back(std::move(level));
        if (Tick* tick = m_baseEffects.of(n)) {
            *tick = Tick::Open;
        }
        return;
    }
    if (!request.start.option(n)) {
        return;
    }
    m_baseOptionBits = static_cast<std::uint16_t>(m_baseOptionBits | (1u << optionIndex(n)));
    if (option) {
        m_base[PriceField] += option->price;
        m_base[SlotSlackField] -= option->slots;
    }
}

void SearchSpace::checkRanges()
{
    // The evaluation sums in 32 bits; far beyond catalogue sizes it would wrap where these
    // 64-bit sums do not, and the bounds would no longer hold. A 15 % screen is allowed for.
    constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max() / 2;
    for (std::size_t f = 0; f < m_base.size(); ++f) {
        std::int64_t low = m_base[f];
        std::int64_t high = low;
        for (const Level& level : m_levels) {
            std::int64_t least = std::numeric_limits<std::int64_t>::max();
            std::int64_t most = std::numeric_limits<std::int64_t>::min();
            for (const Choice& choice : level.choices) {
                least = std::min(least, choice.sums[f]);
                most = std::max(most, choice.sums[f]);
            }
            if (!level.choices.empty()) {
                low += least;
                high += most;
            }
        }
        m_sumsExact = m_sumsExact && low > -kLimit && high < kLimit;
    }
}

} // namespace rivet::search
