#include "comparison/MachineComparison.h"

#include "common/Numbers.h"

namespace rivet {

MachineComparison compareMachines(const PartsTable& table, const MachineEvaluation& base,
                                  const MachineEvaluation& other)
{
    MachineComparison comparison;
    for (Figure f : allFigures()) {
        const std::optional<double> baseNumber = figureNumber(base.totals, f);
        const std::optional<double> otherNumber = figureNumber(other.totals, f);
        FigureComparison& figure = comparison.figures[f];
        figure.base = base.figures[f].text;
        figure.other = other.figures[f].text;
        figure.baseWarning = base.figures[f].warning;
        figure.otherWarning = other.figures[f].warning;
        figure.difference = figureDifference(f, baseNumber, otherNumber);
        figure.better = favouredBy(figure.difference, describe(f).better);
    }
    for (Selector selector : allSelectors()) {
        // The same position shows the same text; only a moved selector can differ.
        if (base.selection.position(selector) == other.selection.position(selector)) {
            continue;
        }
        std::string baseText = selectorItemText(table, base.selection, selector);
        std::string otherText = selectorItemText(table, other.selection, selector);
        if (baseText != otherText) {
            comparison.parts.push_back({selector, std::move(baseText), std::move(otherText)});
        }
    }
    for (int n = 1; n <= kOptionCount; ++n) {
        if (base.selection.option(n) != other.selection.option(n)) {
            const Part* option = table.option(n);
            comparison.options.push_back(
                {n, option ? option->name : std::string(), base.selection.option(n), other.selection.option(n)});
        }
    }
    return comparison;
}

std::string differenceText(const std::optional<double>& difference)
{
    if (!difference) {
        return {};
    }
    return (*difference > 0 ? "+" : "") + formatGeneral(*difference);
}

} // namespace rivet
