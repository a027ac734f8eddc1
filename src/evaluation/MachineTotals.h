#pragma once

#include "evaluation/Selection.h"

#include <cstdint>
#include <optional>

namespace rivet {

// The sixteen figures of a machine and the sums they come from.
struct MachineTotals
{
    std::int32_t totalAp = 0;
    std::int32_t totalPrice = 0;
    std::int32_t totalWeight = 0;
    std::int32_t legCarriedWeight = 0;
    std::int32_t legLoadCapacity = 0;
    std::int32_t spareLoad = 0;
    std::int32_t coreCarriedWeight = 0;
    std::int32_t coreLoadCapacity = 0;
    std::int32_t coreSpareLoad = 0;
    std::int32_t coreSlots = 0;
    std::int32_t usedSlots = 0;
    std::int32_t freeSlots = 0;
    std::int32_t restEnergyUse = 0;
    std::int32_t moveEnergyUse = 0;
    std::int32_t generatorOutput = 0;
    std::int32_t shellDefenceTotal = 0;
    std::int32_t beamDefenceTotal = 0;
    std::int32_t shellCoefficient = 0;
    std::int32_t beamCoefficient = 0;
    // Empty when the coefficient is 0: a hit does no damage, the durability has no bound.
    std::optional<std::int32_t> shellDurability;
    std::optional<std::int32_t> beamDurability;
    std::int32_t thrust = 0;
    std::int32_t boostMass = 0;
    // Multiples of 0.1. A machine with nothing to move (boost mass 0) gets 0 for all three.
    double groundBoostSpeed = 0;
    double riseBoostSpeed = 0;
    double riseBoostAcceleration = 0;
    std::int32_t totalStability = 0;
};

// The option boxes whose parts change a figure beyond the price and the slots.
inline constexpr int kStabiliserOption = 4; // SP-ABS
inline constexpr int kShellScreenOption = 8; // SP-S/SCR
inline constexpr int kBeamScreenOption = 9; // SP-E/SCR
inline constexpr int kStabiliserReOption = 13; // SP-ABS/Re

// The constants of the figures' arithmetic: coefficient = (base − defence total) / 50,
// durability = AP × 96 / coefficient, ground boost speed = thrust × 22 / mass, and the rising
// speed and acceleration 4/6 and 5/6 of the ground speed.
inline constexpr std::int32_t kShellCoefficientBase = 2994;
inline constexpr std::int32_t kBeamCoefficientBase = 3124;
inline constexpr std::int32_t kCoefficientStep = 50;
inline constexpr std::int32_t kDurabilityFactor = 96;
inline constexpr std::int32_t kBoostFactor = 22;
inline constexpr int kRiseSpeedSixths = 4;
inline constexpr int kRiseAccelerationSixths = 5;

// The figures of the selection; a pure function of the parts table and the selection.
MachineTotals computeTotals(const PartsTable& table, const Selection& selection);

// The defence arithmetic of the figures, shared with the optimiser's bounds. A screen option
// raises a defence sum by 15 % (rounded half to even); the coefficient falls as the defence
// total rises; the durability is empty for a coefficient of 0.
std::int64_t screenedDefence(std::int64_t sum, bool screened);
std::int32_t shellCoefficientOf(std::int32_t shellDefenceTotal);
std::int32_t beamCoefficientOf(std::int32_t beamDefenceTotal);
std::optional<std::int32_t> durabilityOf(std::int32_t ap, std::int32_t coefficient);

// The stability the stabiliser options add. The two bonuses never add up: SP-ABS's wins.
std::int32_t stabiliserBonus(bool stabiliser, bool stabiliserRe);

// The three boost figures, multiples of 0.1.
struct BoostFigures
{
    double groundSpeed = 0;
    double riseSpeed = 0;
    double riseAcceleration = 0;
};

// The boost figures of a thrust moving a mass (all 0 when there is nothing to move). They
// never fall as the quotient thrust / mass grows, which the optimiser's bounds rely on.
BoostFigures boostFiguresOf(std::int32_t thrust, std::int32_t mass);
double groundBoostSpeedOf(std::int32_t thrust, std::int32_t mass);
// The rising figures follow from the rounded ground speed alone.
BoostFigures boostFiguresFromGroundSpeed(double groundSpeed);

} // namespace rivet
