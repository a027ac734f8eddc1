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

// The figures of the selection; a pure function of the parts table and the selection.
MachineTotals computeTotals(const PartsTable& table, const Selection& selection);

} // namespace rivet
