#include "optimiser/FigureBounds.h"

#include "evaluation/MachineTotals.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rivet::search {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A machine whose only figures are these boost figures: sound exactly when they are.
MachineTotals boostOnly(const BoostFigures& figures)
{
    MachineTotals totals;
    totals.groundBoostSpeed = figures.groundSpeed;
    totals.riseBoostSpeed = figures.riseSpeed;
    totals.riseBoostAcceleration = figures.riseAcceleration;
    return totals;
}

// The evaluation rounds the quotient it holds as a double, times 10, to the nearest whole
// number; the same quotient worked out in doubles here is off by far less than this margin.
constexpr double kRoundingMargin = 1e-6;
constexpr std::int64_t kCachedTenths = 20000;
constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

enum class Side { Low, High };

// The ground speed of a thrust moving a mass, in tenths, at or below (or above) the
// evaluation's own: a bound without its exact arithmetic, which the search asks for at every
// node.
std::int64_t groundTenthsBound(std::int64_t thrust, std::int64_t mass, Side side)
{
    const double tenths = 220.0 * static_cast<double>(thrust) / static_cast<double>(mass);
    return static_cast<std::int64_t>(side == Side::High ? std::floor(tenths + 0.5 + kRoundingMargin)
                                                        : std::ceil(tenths - 0.5 - kRoundingMargin));
}

double groundSpeedAt(std::int64_t thrust, std::int64_t mass)
{
    return groundBoostSpeedOf(static_cast<std::int32_t>(thrust), static_cast<std::int32_t>(mass));
}

// The defence total after a screen that may or may not be fitted, least and most.
std::pair<std::int64_t, std::int64_t> screenedRange(std::int64_t least, std::int64_t most, Tick screen)
{
    std::int64_t low = std::numeric_limits<std::int64_t>::max();
    std::int64_t high = std::numeric_limits<std::int64_t>::min();
    for (bool on : {false, true}) {
        if (mayBe(screen, on)) {
            low = std::min(low, screenedDefence(least, on));
            high = std::max(high, screenedDefence(most, on));
        }
    }
    return {low, high};
}

Interval coefficientRange(Defence defence, const Sums& least, const Sums& most, const Effects& effects)
{
    const Field field = defenceField(defence);
    const auto [low, high] = screenedRange(least[field], most[field], effects.screen(defence));
    // More defence, a smaller coefficient.
    return {defenceCoefficient(defence, high), defenceCoefficient(defence, low), false};
}

// AP × 96 / coefficient: for a coefficient of one sign it is monotonic in each, so its extremes
// lie at the ends of AP and at the ends of each sign's stretch of coefficients (0 has no number).
Interval durabilityRange(const Interval& ap, const Interval& coefficient)
{
    const auto c0 = static_cast<std::int64_t>(coefficient.low);
    const auto c1 = static_cast<std::int64_t>(coefficient.high);
    std::int64_t corners[4];
    int count = 0;
    for (std::int64_t c : {c0, c1, std::int64_t {-1}, std::int64_t {1}}) {
        if (c != 0 && c >= c0 && c <= c1) {
            corners[count++] = c;
        }
    }
    Interval result {kInfinity, -kInfinity, count == 0};
    for (int i = 0; i < count; ++i) {
        for (double a : {ap.low, ap.high}) {
            const auto d = durabilityOf(static_cast<std::int32_t>(a), static_cast<std::int32_t>(corners[i]));
            result.low = std::min(result.low, static_cast<double>(*d));
            result.high = std::max(result.high, static_cast<double>(*d));
        }
    }
    return result;
}

} // namespace

// Thrust / mass over the box of both: least at the lowest thrust with the mass that favours it
// least, most likewise; machines with a mass of 0 have no boost figures.
Interval FigureBounds::boostRange(const FigureDescriptor& figure, const Sums& least, const Sums& most) const
{
    const std::int64_t t0 = least[ThrustField];
    const std::int64_t t1 = most[ThrustField];
    if (least[MassField] < 0) {
        return {-kInfinity, kInfinity, false};
    }
    const std::int64_t m0 = std::max<std::int64_t>(least[MassField], 1);
    const std::int64_t m1 = most[MassField];
    if (m1 < m0) {
        return {0, 0, true};
    }
    const auto at = [&](std::int64_t thrust, std::int64_t mass, Side side) {
        return boostOnly(boostFiguresAt(groundTenthsBound(thrust, mass, side))).*figure.tenths;
    };
    return {at(t0, t0 >= 0 ? m1 : m0, Side::Low), at(t1, t1 >= 0 ? m0 : m1, Side::High), false};
}

BoostFigures FigureBounds::boostFiguresAt(std::int64_t groundTenths) const
{
    // The rising figures follow from the ground speed alone, and never fall as it grows.
    if (groundTenths < 0 || groundTenths >= kCachedTenths) {
        return boostFiguresFromGroundSpeed(static_cast<double>(groundTenths) / 10.0);
    }
    if (m_byGroundTenths.empty()) {
        m_byGroundTenths.resize(static_cast<std::size_t>(kCachedTenths), {kUnknown, 0, 0});
    }
    BoostFigures& figures = m_byGroundTenths[static_cast<std::size_t>(groundTenths)];
    if (std::isnan(figures.groundSpeed)) {
        figures = boostFiguresFromGroundSpeed(static_cast<double>(groundTenths) / 10.0);
    }
    return figures;
}

namespace {

// The stabiliser bonus a machine can get under these effect ticks, least and most.
std::pair<int, int> stabiliserBonusRange(const Effects& effects)
{
    int low = std::numeric_limits<int>::max();
    int high = std::numeric_limits<int>::min();
    for (bool stabiliser : {false, true}) {
        for (bool stabiliserRe : {false, true}) {
            if (mayBe(effects.stabiliser, stabiliser) && mayBe(effects.stabiliserRe, stabiliserRe)) {
                const int bonus = stabiliserBonus(stabiliser, stabiliserRe);
                low = std::min(low, bonus);
                high = std::max(high, bonus);
            }
        }
    }
    return {low, high};
}

} // namespace

double defenceCoefficient(Defence defence, std::int64_t total)
{
    const auto t = static_cast<std::int32_t>(total);
    return static_cast<double>(defence == Defence::Shell ? shellCoefficientOf(t) : beamCoefficientOf(t));
}

FigureBounds::FigureBounds()
{
    MachineTotals totals;
    std::int64_t surplus = 0;
    while (surplus > -100000) {
        totals.restEnergyUse = static_cast<std::int32_t>(-(surplus - 1));
        totals.moveEnergyUse = totals.restEnergyUse;
        if (!isSound(totals)) {
            break;
        }
        --surplus;
    }
    m_leastSoundSurplus = surplus;

    // Boost figures are multiples of 0.1; the rising ones follow from the ground speed and
    // never fall as it grows, so the sound ones end at one ground speed: a machine's boost
    // figures are sound exactly when its ground speed is at most this one.
    for (int tenths = 10000; tenths > -10000; --tenths) {
        const MachineTotals figures = boostOnly(boostFiguresFromGroundSpeed(static_cast<double>(tenths) / 10.0));
        if (isSound(figures)) {
            m_boostCeilings = figures;
            break;
        }
    }
}

Interval FigureBounds::figure(Figure f, const Sums& least, const Sums& most, const Effects& effects) const
{
    const FigureDescriptor& figure = describe(f);
    switch (figure.kind) {
    case FigureKind::Sum:
    case FigureKind::Spare:
    case FigureKind::EnergyUse:
        if (const std::optional<Field> field = fieldOf(f)) {
            return {static_cast<double>(least[*field]), static_cast<double>(most[*field]), false};
        }
        break;
    case FigureKind::Coefficient:
        return coefficientRange(figure.defence, least, most, effects);
    case FigureKind::Durability:
        return durabilityRange({static_cast<double>(least[ApField]), static_cast<double>(most[ApField]), false},
                               coefficientRange(figure.defence, least, most, effects));
    case FigureKind::Boost:
        return boostRange(figure, least, most);
    case FigureKind::Stability: {
        const auto [low, high] = stabiliserBonusRange(effects);
        return {static_cast<double>(least[StabilityField] + low), static_cast<double>(most[StabilityField] + high),
                false};
    }
    }
    // A figure the search knows no bounds of: any number.
    return {-kInfinity, kInfinity, false};
}

bool FigureBounds::maySound(const Sums& least, const Sums& most) const
{
    if (most[LoadSlackField] < 0 || most[CoreSlackField] < 0 || most[SlotSlackField] < 0
        || most[RestSlackField] < m_leastSoundSurplus || most[MoveSlackField] < m_leastSoundSurplus) {
        return false;
    }
    // With every machine's mass positive, the slowest one must stay below the limits.
    if (least[MassField] >= 1) {
        const std::int64_t t0 = least[ThrustField];
        const std::int64_t slowest = groundTenthsBound(t0, t0 >= 0 ? most[MassField] : least[MassField], Side::Low);
        return static_cast<double>(slowest) / 10.0 <= m_boostCeilings.groundBoostSpeed;
    }
    return true;
}

double FigureBounds::soundCeiling(Figure f, double high) const
{
    const FigureDescriptor& figure = describe(f);
    return figure.kind == FigureKind::Boost ? std::min(high, m_boostCeilings.*figure.tenths) : high;
}

std::int64_t FigureBounds::leastSoundMass(std::int64_t thrust) const
{
    if (thrust <= 0) {
        return 0;
    }
    const auto known = m_leastMass.find(thrust);
    if (known != m_leastMass.end()) {
        return known->second;
    }
    // Sound once the mass is large enough: the figures never rise as the mass grows.
    std::int64_t low = 1;
    std::int64_t high = std::numeric_limits<std::int32_t>::max();
    if (groundSpeedAt(thrust, high) > m_boostCeilings.groundBoostSpeed) {
        m_leastMass.emplace(thrust, high + 1);
        return high + 1;
    }
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (groundSpeedAt(thrust, middle) <= m_boostCeilings.groundBoostSpeed) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    m_leastMass.emplace(thrust, low);
    return low;
}

} // namespace rivet::search
