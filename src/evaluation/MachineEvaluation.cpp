#include "evaluation/MachineEvaluation.h"

#include "evaluation/AssemblyRules.h"

namespace rivet {

MachineEvaluation evaluateSelection(const PartsTable& table, const Selection& selection)
{
    MachineEvaluation evaluation;
    evaluation.selection = applyAssemblyRules(table, selection);
    evaluation.totals = computeTotals(table, evaluation.selection);
    evaluation.figures = figureTexts(evaluation.totals, selectedPart(table, evaluation.selection, LegsSelector));
    return evaluation;
}

std::string selectorItemText(const PartsTable& table, const Selection& selection, Selector selector)
{
    if (selection.position(selector) < 0) {
        return {};
    }
    return selectedPart(table, selection, selector).name;
}

} // namespace rivet
