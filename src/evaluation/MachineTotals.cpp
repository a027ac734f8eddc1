#include "evaluation/MachineTotals.h"

#include "common/Numbers.h"
#include "evaluation/PartTraits.h"

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
    return narrow(evenRound(base - defenceTotal, 50));
}

} // namespace

std::int64_t screenedDefence(std::int64_t sum, bool screened)
{
    return screened ? evenRound(sum * 115, 100) : sum;
}

std::int32_t shellCoefficientOf(std::int32_t shellDefenceTotal)
{
    return coefficientOf(2994, shellDefenceTotal);
}

std::int32_t beamCoefficientOf(std::int32_t beamDefenceTotal)
{
    return coefficientOf(3124, beamDefenceTotal);
}

std::optional<std::int32_t> durabilityOf(std::int32_t ap, std::int32_t coefficient)
{
    if (coefficient == 0) {
        return std::nullopt;
    }
    return narrow(evenRound(static_cast<std::int64_t>(ap) * 96, coefficient));
}

MachineTotals computeTotals(const PartsTable& table, const Selection& selection)
{
    const Part& head = selectedPart(table, selection, HeadSelector);
    const Part& core = selectedPart(table, selection, CoreSelector);
    const Part& arms = selectedPart(table, selection, ArmsSelector);
    const Part& legs = selectedPart(table, selection, LegsSelector);
    const Part& generator = selectedPart(table, selection, GeneratorSelector);
    const Part& fcs = selectedPart(table, selection, FcsSelector);
    const Part& booster = selectedPart(table, selection, BoosterSelector);
    const Part& armWeapon = selectedPart(table, selection, ArmWeaponSelector);
    const Part& blade = selectedPart(table, selection, BladeSelector);
    const Part& rightBack = selectedPart(table, selection, RightBackSelector);
    const Part& leftBack = selectedPart(table, selection, LeftBackSelector);

    MachineTotals t;
    t.totalAp = narrow(std::int64_t {head.ap} + core.ap + arms.ap + legs.ap);

    const std::int64_t shell
        = std::int64_t {head.shellDefence} + core.shellDefence + arms.shellDefence + legs.shellDefence;
    t.shellDefenceTotal = narrow(screenedDefence(shell, selection.option(kShellScreenOption)));
    t.shellCoefficient = shellCoefficientOf(t.shellDefenceTotal);
    t.shellDurability = durabilityOf(t.totalAp, t.shellCoefficient);

    const std::int64_t beam = std::int64_t {head.beamDefence} + core.beamDefence + arms.beamDefence + legs.beamDefence;
    t.beamDefenceTotal = narrow(screenedDefence(beam, selection.option(kBeamScreenOption)));
    t.beamCoefficient = beamCoefficientOf(t.beamDefenceTotal);
    t.beamDurability = durabilityOf(t.totalAp, t.beamCoefficient);

    // The generator and the options use no energy.
    const std::int64_t partsEnergy = std::int64_t {head.energy} + core.energy + arms.energy + blade.energy
        + armWeapon.energy + rightBack.energy + leftBack.energy + fcs.energy + booster.energy;
    t.restEnergyUse = narrow(partsEnergy + legs.restEnergy);
    t.moveEnergyUse = narrow(partsEnergy + legs.moveEnergy);
    t.generatorOutput = generator.genOutput;

    t.legCarriedWeight
        = narrow(std::int64_t {head.weight} + core.weight + arms.weight + blade.weight + booster.weight
                 + armWeapon.weight + rightBack.weight + leftBack.weight + fcs.weight + generator.weight);
    t.totalWeight = narrow(std::int64_t {t.legCarriedWeight} + legs.weight);
    t.boostMass = narrow(std::int64_t {t.totalWeight} - generator.weight);
    t.coreCarriedWeight = narrow(std::int64_t {arms.weight} + blade.weight + armWeapon.weight);
    t.legLoadCapacity = legs.loadCapacity;
    t.spareLoad = narrow(std::int64_t {t.legLoadCapacity} - t.legCarriedWeight);
    t.coreLoadCapacity = core.loadCapacity;
    t.coreSpareLoad = narrow(std::int64_t {t.coreLoadCapacity} - t.coreCarriedWeight);

    std::int64_t price = std::int64_t {head.price} + core.price + arms.price + legs.price + generator.price + fcs.price
        + booster.price + armWeapon.price + blade.price + rightBack.price + leftBack.price;
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

    t.thrust = isCaterpillar(legs) ? kCaterpillarThrust : booster.boost;
    const BoostFigures boost = boostFiguresOf(t.thrust, t.boostMass);
    t.groundBoostSpeed = boost.groundSpeed;
    t.riseBoostSpeed = boost.riseSpeed;
    t.riseBoostAcceleration = boost.riseAcceleration;

    t.totalStability
        = narrow(std::int64_t {legs.stability}
                 + stabiliserBonus(selection.option(kStabiliserOption), selection.option(kStabiliserReOption)));
    return t;
}

std::int32_t stabiliserBonus(bool stabiliser, bool stabiliserRe)
{
    return stabiliser ? 800 : stabiliserRe ? 1600 : 0;
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
    const double q = static_cast<double>(static_cast<std::int64_t>(thrust) * 22) / static_cast<double>(mass);
    return static_cast<double>(evenRoundProduct(q, 10)) / 10.0;
}

BoostFigures boostFiguresFromGroundSpeed(double groundSpeed)
{
    // Each quotient is rounded to a double once, from the exact product: 32.7 × 5 rounded on
    // its own would turn 27.2500000000000024 into the half 27.25.
    const double rise = nearestQuotient(groundSpeed, 4, 6);
    const double acceleration = nearestQuotient(groundSpeed, 5, 6);
    return {groundSpeed, static_cast<double>(evenRoundProduct(rise, 10)) / 10.0,
            static_cast<double>(evenRoundProduct(acceleration, 10)) / 10.0};
}

} // namespace rivet
