#pragma once

#include "optimiser/Optimiser.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace rivet::search {

// The sums the figures are made of. Every choice adds its share to each; a machine's sums
// are those of its choices plus the fixed share of the options that are not searched.
enum Field : int {
    ApField,
    PriceField,
    WeightField,
    LoadSlackField, // spare load: the legs' capacity less the weight they carry
    CoreSlackField, // core spare load
    SlotSlackField, // free option slots
    RestUseField,
    MoveUseField,
    RestSlackField, // generator output less the energy used at rest
    MoveSlackField,
    ShellField, // shell defence before a screen option
    BeamField,
    StabilityField, // the legs' stability, without the stabiliser options
    ThrustField,
    MassField, // boost mass: everything but the generator
    GeneratorField, // generator output
    kFieldCount
};
// One sum per field, reachable by the field itself or by its position.
struct Sums : std::array<std::int64_t, kFieldCount>
{
    using std::array<std::int64_t, kFieldCount>::operator[];
    std::int64_t& operator[](Field field) { return (*this)[static_cast<std::size_t>(field)]; }
    const std::int64_t& operator[](Field field) const { return (*this)[static_cast<std::size_t>(field)]; }
};

// The total of the machine each sum adds up to, where it is exactly one of its totals.
inline constexpr std::array<std::int32_t MachineTotals::*, kFieldCount> kFieldTotals = {
    &MachineTotals::totalAp,
    &MachineTotals::totalPrice,
    &MachineTotals::totalWeight,
    &MachineTotals::spareLoad,
    &MachineTotals::coreSpareLoad,
    &MachineTotals::freeSlots,
    &MachineTotals::restEnergyUse,
    &MachineTotals::moveEnergyUse,
    nullptr, // the surpluses are no totals
    nullptr,
    nullptr, // the defences before a screen
    nullptr,
    nullptr, // the legs' stability without the stabilisers
    nullptr, // caterpillar legs with a booster the rules would remove have other thrust
    &MachineTotals::boostMass,
    &MachineTotals::generatorOutput,
};

// The sum of a defence before its screen.
inline Field defenceField(Defence defence)
{
    return defence == Defence::Shell ? ShellField : BeamField;
}

// The sum a figure's number is read from: for the sums, spares and energy uses. None for the
// others, whose numbers follow from sums in their own ways.
std::optional<Field> fieldOf(Figure figure);

// What the assembly rules and the back-weapon pairing read of a choice.
struct RuleTraits
{
    bool caterpillar = false; // legs
    bool forbidsKarasawa = false; // legs
    bool weaponArms = false; // arms
    bool anks = false; // arms
    bool karasawa = false; // arm weapon
    bool twoSlot = false; // back weapon
    bool dMark = false; // back weapon
};

// One item a level may take: a selector position, or an option box off (0) or on (1).
struct Choice
{
    int value = 0;
    Sums sums {};
    RuleTraits traits;
};

struct Level
{
    std::optional<Selector> selector; // none for an option box
    int option = 0; // 1..13 for an option box
    int start = 0; // the start's position (or tick)
    std::vector<Choice> choices;
};

// Each effect option is off, on, or not yet decided.
enum class Tick : std::uint8_t { Off, On, Open };
inline Tick tickOf(bool ticked)
{
    return ticked ? Tick::On : Tick::Off;
}
// Whether an option under this tick may be on (or off).
inline bool mayBe(Tick tick, bool on)
{
    return tick == Tick::Open || (tick == Tick::On) == on;
}

struct Effects
{
    Tick stabiliser = Tick::Off;
    Tick shellScreen = Tick::Off;
    Tick beamScreen = Tick::Off;
    Tick stabiliserRe = Tick::Off;

    // The tick of option box n; nullptr for a box without effects.
    Tick* of(int option);
    // The tick of the screen of a defence.
    Tick screen(Defence defence) const { return defence == Defence::Shell ? shellScreen : beamScreen; }
};

// The levels of the search in branching order (legs and arms always first, then the options
// that move the goals, the other selectors with the right back weapon before the left, the
// other options), with what every choice adds and what the options not searched add.
class SearchSpace
{
public:
    SearchSpace(const PartsTable& table, const OptimiserRequest& request);

    const std::vector<Level>& levels() const { return m_levels; }
    int levelCount() const { return static_cast<int>(m_levels.size()); }
    int levelOf(Selector selector) const { return m_levelOfSelector[selectorIndex(selector)]; }
    int rightLevel() const { return levelOf(RightBackSelector); }
    int leftLevel() const { return levelOf(LeftBackSelector); }
    // What the options that are not searched add, and their effects (searched ones Open).
    const Sums& base() const { return m_base; }
    const Effects& baseEffects() const { return m_baseEffects; }
    // The option ticks that are not searched, as bits (option 1 the lowest).
    std::uint16_t baseOptionBits() const { return m_baseOptionBits; }
    // False when some weight is negative: the mass-based bounds then stay off.
    bool massesNonNegative() const { return m_massesNonNegative; }
    // False when the sums could leave 32 bits, where the evaluation wraps: no bound is trusted.
    bool sumsExact() const { return m_sumsExact; }
    // Whether this pair of back weapons is the mirror image of one that comes first in the
    // request's order (the same figures: in a repair the fewer changes, else the smaller right
    // position) and is in the search too.
    bool mirrorOfEarlier(int rightChoice, int leftChoice) const
    {
        return m_mirrors[static_cast<std::size_t>(rightChoice)
                             * m_levels[static_cast<std::size_t>(leftLevel())].choices.size()
                         + static_cast<std::size_t>(leftChoice)];
    }

private:
    void addSelectorLevel(const PartsTable& table, const OptimiserRequest& request, Selector selector);
    void addOption(const PartsTable& table, const OptimiserRequest& request, int n);
    void checkRanges();
    void findMirrors();

    std::vector<Level> m_levels;
    std::array<int, kSelectorCount> m_levelOfSelector {};
    std::vector<bool> m_mirrors; // by right and left choice
    Sums m_base {};
    Effects m_baseEffects;
    std::uint16_t m_baseOptionBits = 0;
    bool m_massesNonNegative = true;
    bool m_sumsExact = true;
    bool m_ranksChanges = false; // a repair's order
};

} // namespace rivet::search
