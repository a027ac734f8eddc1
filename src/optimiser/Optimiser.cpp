#include "optimiser/Optimiser.h"

#include "evaluation/AssemblyRules.h"
#include "evaluation/PartTraits.h"
#include "optimiser/BranchAndBound.h"

#include <algorithm>

namespace rivet {

namespace {

bool holdsTwoSlotWeapon(const PartsTable& table, const Selection& selection, Selector selector)
{
    return isTwoSlotWeapon(selectedPart(table, selection, selector));
}

} // namespace

bool operator==(const Goal& a, const Goal& b)
{
    return a.figure == b.figure && a.direction == b.direction;
}

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
    // A position the catalogue does not offer stands for no part, as in the evaluation.
    OptimiserRequest shown = request;
    shown.start = shownSelection(table, request.start);
    search::BranchAndBound search(table, shown, control);
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

bool meetsRequirement(const Requirement& requirement, std::optional<double> number)
{
    if (!number) {
        return false;
    }
    return requirement.kind == Requirement::Kind::AtLeast ? *number >= requirement.value : *number <= requirement.value;
}

int changedSelectors(const Selection& a, const Selection& b)
{
    int changed = 0;
    for (Selector selector : allSelectors()) {
        changed += a.position(selector) != b.position(selector) ? 1 : 0;
    }
    return changed;
}

bool isSound(const MachineTotals& t)
{
    const auto figures = allFigures();
    return std::none_of(figures.begin(), figures.end(), [&t](Figure f) { return figureWarns(t, f); });
}

} // namespace rivet
