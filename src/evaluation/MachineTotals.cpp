#include "evaluation/MachineTotals.h"

#include "common/Numbers.h"
#include "evaluation/FigureTerms.h"

namespace rivet {

namespace {

// Sums of catalogue-sized values cannot leave 32 bits; the arithmetic runs in 64 bits and
// wraps back like the game's own 32-bit sums would, rather than overflowing undefined.
std::int32_t narrow(std::int64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::int32_t coefficientOf(std::int64_t base, std::int32_t defenceTotal)
{
    return narrow(evenRound(base - defenceTotal, kCoefficientStep));
}

} // namespace

std::int64_t screenedDefence(std::int64_t sum, bool screened)
{
    return screened ? evenRound(sum * 115, 100) : sum;
}

std::int32_t shellCoefficientOf(std::int32_t shellDefenceTotal)
{
    return coefficientOf(kShellCoefficientBase, shellDefenceTotal);
}

std::int32_t beamCoefficientOf(std::int32_t beamDefenceTotal)
{
    return coefficientOf(kBeamCoefficientBase, beamDefenceTotal);
}

std::optional<std::int32_t> durabilityOf(std::int32_t ap, std::int32_t coefficient)
{
    if (coefficient == 0) {
        return std::nullopt;
    }
    return narrow(evenRound(static_cast<std::int64_t>(ap) * kDurabilityFactor, coefficient));
}

MachineTotals computeTotals(const PartsTable& table, const Selection& selection)
{
    // Every sum in one pass over the selectors, each part adding what its slot's share says.
    std::int64_t ap = 0, shell = 0, beam = 0, partsEnergy = 0, price = 0;
    std::int64_t weight = 0, legCarried = 0, coreCarried = 0, mass = 0;
    std::array<const Part*, kSelectorCount> parts {};
    for (const SlotShare& share : kSlotShares) {
        const Part& part = selectedPart(table, selection, share.selector);
        parts[selectorIndex(share.selector)] = &part;
        price += part.price;
        weight += part.weight;
        if (share.armour) {
            ap += part.ap;
            shell += part.shellDefence;
            beam += part.beamDefence;
        }
        if (share.usesEnergy) {
            partsEnergy += part.energy;
        }
        legCarried += share.onLegs ? part.weight : 0;
        coreCarried += share.onCore ? part.weight : 0;
        mass += share.boosted ? part.weight : 0;
    }
    const Part& core = *parts[selectorIndex(CoreSelector)];
    const Part& legs = *parts[selectorIndex(LegsSelector)];
    const Part& generator = *parts[selectorIndex(GeneratorSelector)];

    MachineTotals t;
    t.totalAp = narrow(ap);
    t.shellDefenceTotal = narrow(screenedDefence(shell, selection.option(kShellScreenOption)));
    t.shellCoefficient = shellCoefficientOf(t.shellDefenceTotal);
    t.shellDurability = durabilityOf(t.totalAp, t.shellCoefficient);
    t.beamDefenceTotal = narrow(screenedDefence(beam, selection.option(kBeamScreenOption)));
    t.beamCoefficient = beamCoefficientOf(t.beamDefenceTotal);
    t.beamDurability = durabilityOf(t.totalAp, t.beamCoefficient);

    // The generator and the options use no energy.
    t.restEnergyUse = narrow(partsEnergy + legs.restEnergy);
    t.moveEnergyUse = narrow(partsEnergy + legs.moveEnergy);
    t.generatorOutput = generator.genOutput;

    t.legCarriedWeight = narrow(legCarried);
    t.totalWeight = narrow(weight);
    t.boostMass = narrow(mass);
    t.coreCarriedWeight = narrow(coreCarried);
    t.legLoadCapacity = legs.loadCapacity;
    t.spareLoad = narrow(std::int64_t {t.legLoadCapacity} - t.legCarriedWeight);
    t.coreLoadCapacity = core.loadCapacity;
    t.coreSpareLoad = narrow(std::int64_t {t.coreLoadCapacity} - t.coreCarriedWeight);

    std::int64_t usedSlots = 0;
    for (int n = 1; n <= kOptionCount; ++n) {
        if (const Part* option = tickedOption(table, selection, n)) {
            price += option->price;
            usedSlots += option->slots;
        }
    }
    t.totalPrice = narrow(price);
    t.coreSlots = core.slots;
    t.usedSlots = narrow(usedSlots);
    t.freeSlots = narrow(std::int64_t {t.coreSlots} - t.usedSlots);

    t.thrust = thrustOf(legs, *parts[selectorIndex(BoosterSelector)]).value;
    const BoostFigures boost = boostFiguresOf(t.thrust, t.boostMass);
    t.groundBoostSpeed = boost.groundSpeed;
    t.riseBoostSpeed = boost.riseSpeed;
    t.riseBoostAcceleration = boost.riseAcceleration;

    t.totalStability = narrow(std::int64_t {legs.stability}
                              + stabiliserBonusOf(countedStabiliser(selection.option(kStabiliserOption),
                                                                    selection.option(kStabiliserReOption))));
    return t;
}

std::int32_t stabiliserBonus(bool stabiliser, bool stabiliserRe)
{
    return stabiliserBonusOf(countedStabiliser(stabiliser, stabiliserRe));
}

// q = thrust × 22 / mass held as a double, ground speed from the exact q × 10; the rising
// figures are taken from the rounded ground speed. Both operands of q are whole numbers a
// double holds exactly, so the one division already gives the nearest double.
BoostFigures boostFiguresOf(std::int32_t thrust, std::int32_t mass)
{
    if (mass == 0) {
        return {};
    }
    return boostFiguresFromGroundSpeed(groundBoostSpeedOf(thrust, mass));
}

double groundBoostSpeedOf(std::int32_t thrust, std::int32_t mass)
{
    if (mass == 0) {
        return 0;
    }
    const double q = static_cast<double>(static_cast<std::int64_t>(thrust) * kBoostFactor) / static_cast<double>(mass);
    return static_cast<double>(evenRoundProduct(q, 10)) / 10.0;
}

BoostFigures boostFiguresFromGroundSpeed(double groundSpeed)
{
    // Each quotient is rounded to a double once, from the exact product: 32.7 × 5 rounded on
    // its own would turn 27.2500000000000024 into the half 27.25.
    const double rise = nearestQuotient(groundSpeed, kRiseSpeedSixths, 6);
    const double acceleration = nearestQuotient(groundSpeed, kRiseAccelerationSixths, 6);
    return {groundSpeed, static_cast<double>(evenRoundProduct(rise, 10)) / 10.0,
            static_cast<double>(evenRoundProduct(acceleration, 10)) / 10.0};
}

} // namespace rivet
