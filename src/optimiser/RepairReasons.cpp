#include "optimiser/RepairReasons.h"

#include "common/Numbers.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/Verdicts.h"

namespace rivet {

namespace {

bool met(const Requirement& requirement, const MachineTotals& totals)
{
    const std::optional<double> number = figureNumber(totals, requirement.figure);
    return number
        && (requirement.kind == Requirement::Kind::AtLeast ? *number >= requirement.value
                                                           : *number <= requirement.value);
}

// The start's item back in one selector; what that machine shows and lacks.
ChangeReason reasonFor(const PartsTable& table, const OptimiserRequest& request, const Selection& repaired,
                       Selector selector)
{
    ChangeReason reason;
    reason.selector = selector;
    const int start = request.start.position(selector);
    if (start < 0) {
        reason.noItem = true;
        return reason;
    }
    if (start == 0 && request.slots[selectorIndex(selector)] == SlotRule::Equip) {
        reason.partRequired = true;
        return reason;
    }
    Selection reverted = repaired;
    reverted.setPosition(selector, start);
    if (!isProposable(table, reverted)) {
        reason.rules = true;
        return reason;
    }
    const MachineTotals totals = computeTotals(table, reverted);
    const PerFigure<FigureText> texts = figureTexts(totals, selectedPart(table, reverted, LegsSelector));
    for (Figure figure : allFigures()) {
        const FigureText& text = texts[figure];
        if ((describe(figure).warns && text.warning) || text.verdict == kShortOfOutput) {
            reason.warnings.emplace_back(figure, text.verdict.value_or(""));
        }
    }
    for (const Requirement& requirement : request.requirements) {
        if (!met(requirement, totals)) {
            reason.unmet.push_back(requirement);
        }
    }
    reason.goal = reason.warnings.empty() && reason.unmet.empty();
    return reason;
}

} // namespace

std::vector<ChangeReason> explainRepair(const PartsTable& table, const OptimiserRequest& request,
                                        const Selection& repaired)
{
    std::vector<ChangeReason> reasons;
    for (Selector selector : allSelectors()) {
        if (repaired.position(selector) != request.start.position(selector)) {
            reasons.push_back(reasonFor(table, request, repaired, selector));
        }
    }
    return reasons;
}

std::string reasonText(const ChangeReason& reason)
{
    if (reason.noItem) {
        return "部品が選ばれていない";
    }
    if (reason.partRequired) {
        return "装備必須";
    }
    if (reason.rules) {
        return "組み合わせの制限";
    }
    if (reason.goal) {
        return "目標値と価格";
    }
    std::string text;
    const auto add = [&](const std::string& item) { text += (text.empty() ? "" : "、") + item; };
    for (const auto& [figure, verdict] : reason.warnings) {
        add(describe(figure).caption + (verdict.empty() ? "" : " " + verdict));
    }
    for (const Requirement& requirement : reason.unmet) {
        add(std::string("条件 ") + describe(requirement.figure).caption
            + (requirement.kind == Requirement::Kind::AtLeast ? " ≥ " : " ≤ ") + formatGeneral(requirement.value));
    }
    return text;
}

} // namespace rivet
