#include "evaluation/FigureNumbers.h"

#include "common/Numbers.h"

namespace rivet {

namespace {

constexpr int kGroundBoost = 12;
constexpr int kRiseSpeed = 13;
constexpr int kRiseAcceleration = 14;

std::optional<double> durability(const std::optional<std::int32_t>& value)
{
    return value ? std::optional<double>(*value) : std::nullopt;
}

// A machine with nothing to move has no boost figures to speak of.
std::optional<double> boost(const MachineTotals& t, double value)
{
    return t.boostMass == 0 ? std::nullopt : std::optional<double>(value);
}

} // namespace

Direction betterDirection(int index)
{
    switch (index) {
    case 1: // price
    case 2: // weight
    case 6: // energy use at rest
    case 7: // energy use while moving
    case 8: // shell defence coefficient: a lower coefficient is harder to damage
    case 9: // beam defence coefficient
        return Direction::Lower;
    default:
        return Direction::Higher;
    }
}

bool isDecimalFigure(int index)
{
    return index == kGroundBoost || index == kRiseSpeed || index == kRiseAcceleration;
}

std::optional<double> figureNumber(const MachineTotals& t, int index)
{
    switch (index) {
    case 0:
        return t.totalAp;
    case 1:
        return t.totalPrice;
    case 2:
        return t.totalWeight;
    case 3:
        return t.spareLoad;
    case 4:
        return t.coreSpareLoad;
    case 5:
        return t.freeSlots;
    case 6:
        return t.restEnergyUse;
    case 7:
        return t.moveEnergyUse;
    case 8:
        return t.shellCoefficient;
    case 9:
        return t.beamCoefficient;
    case 10:
        return durability(t.shellDurability);
    case 11:
        return durability(t.beamDurability);
    case kGroundBoost:
        return boost(t, t.groundBoostSpeed);
    case kRiseSpeed:
        return boost(t, t.riseBoostSpeed);
    case kRiseAcceleration:
        return boost(t, t.riseBoostAcceleration);
    case 15:
        return t.totalStability;
    default:
        return std::nullopt;
    }
}

std::array<std::optional<double>, kFigureCount> figureNumbers(const MachineTotals& totals)
{
    std::array<std::optional<double>, kFigureCount> numbers;
    for (int i = 0; i < kFigureCount; ++i) {
        numbers[static_cast<std::size_t>(i)] = figureNumber(totals, i);
    }
    return numbers;
}

std::optional<double> figureDifference(int index, std::optional<double> base, std::optional<double> other)
{
    if (!base || !other) {
        return std::nullopt;
    }
    const double difference = *other - *base;
    if (!isDecimalFigure(index)) {
        return difference;
    }
    return static_cast<double>(evenRound(difference * 10)) / 10.0;
}

Better betterOf(int index, std::optional<double> base, std::optional<double> other)
{
    return favouredBy(figureDifference(index, base, other), betterDirection(index));
}

Better favouredBy(std::optional<double> difference, Direction direction)
{
    if (!difference || *difference == 0) {
        return Better::Neither;
    }
    const bool otherHigher = *difference > 0;
    return otherHigher == (direction == Direction::Higher) ? Better::Other : Better::Base;
}

} // namespace rivet
