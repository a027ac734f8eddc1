#include "optimiser/Optimiser.h"

#include "evaluation/AssemblyRules.h"
#include "evaluation/PartTraits.h"
#include "evaluation/Verdicts.h"
#include "optimiser/BranchAndBound.h"

#include <algorithm>

namespace rivet {

namespace {

bool holdsTwoSlotWeapon(const PartsTable& table, const Selection& selection, int selector)
{
    return isTwoSlotWeapon(selectedPart(table, selection, selector));
}

bool shortOfOutput(std::int32_t surplus, std::int32_t fullScale)
{
    return energyVerdict(surplus, fullScale).text == "出力不足";
}

} // namespace

double SearchControl::progress() const
{
    const std::uint64_t total = m_total.load();
    return total == 0 ? 0.0 : std::min(1.0, static_cast<double>(m_covered.load()) / static_cast<double>(total));
}

void SearchControl::report(std::uint64_t covered, std::uint64_t total)
{
    m_total.store(total);
    m_covered.store(covered);
    if (!m_callback) {
        return;
    }
    const double share = progress();
    const int percent = static_cast<int>(share * 100);
    if (percent != m_lastPercent) {
        m_lastPercent = percent;
        m_callback(share);
    }
}

OptimiserResult optimise(const PartsTable& table, const OptimiserRequest& request, SearchControl* control)
{
    search::BranchAndBound search(table, request, control);
    return search.run();
}

bool isProposable(const PartsTable& table, const Selection& selection)
{
    if (!(applyAssemblyRules(table, selection) == selection)) {
        return false;
    }
    // Choosing a two-slot weapon empties the other side; the machine stands as that leaves it.
    if (holdsTwoSlotWeapon(table, selection, RightBackSelector)) {
        return pairBackWeapons(table, selection, BackSide::Right) == selection;
    }
    if (holdsTwoSlotWeapon(table, selection, LeftBackSelector)) {
        return pairBackWeapons(table, selection, BackSide::Left) == selection;
    }
    return true;
}

bool isSound(const MachineTotals& t)
{
    // The warnings and energy verdicts the window shows for ed4..ed8 and ed13..ed15.
    return !loadVerdict(t.spareLoad).warning && !loadVerdict(t.coreSpareLoad).warning
        && !slotVerdict(t.coreSlots, t.usedSlots).warning
        && !shortOfOutput(static_cast<std::int32_t>(std::int64_t {t.generatorOutput} - t.restEnergyUse),
                          kRestEnergyScale)
        && !shortOfOutput(static_cast<std::int32_t>(std::int64_t {t.generatorOutput} - t.moveEnergyUse),
                          kMoveEnergyScale)
        && !boostVerdict(t.groundBoostSpeed, kGroundBoostLimit).warning
        && !boostVerdict(t.riseBoostSpeed, kRiseSpeedLimit).warning
        && !boostVerdict(t.riseBoostAcceleration, kRiseAccelerationLimit).warning;
}

} // namespace rivet
