#include "comparison/ChoicePreview.h"

#include "evaluation/AssemblyRules.h"

#include <algorithm>

namespace rivet {

bool ChoicePreview::changesNothing() const
{
    return comparison.parts.empty()
        && std::all_of(comparison.figures.begin(), comparison.figures.end(),
                       [](const FigureComparison& figure) { return figure.base == figure.other; })
        && comparison.options.empty();
}

ChoicePreview previewChoice(const PartsTable& table, const MachineEvaluation& current, Selector selector, int item)
{
    ChoicePreview preview;
    preview.selector = selector;
    preview.item = item;
    const bool offered = item >= 0 && item < table.itemCount(slotOfSelector(selector));
    if (offered && item != current.selection.position(selector)) {
        preview.machine = evaluateSelection(table, choosePart(table, current.selection, selector, item));
    } else {
        preview.machine = current;
    }
    preview.comparison = compareMachines(table, current, preview.machine);
    for (Figure f : allFigures()) {
        if (figureWarns(preview.machine.totals, f) && !figureWarns(current.totals, f)) {
            preview.warnings.push_back(f);
        }
    }
    if (preview.equipped()) {
        auto& parts = preview.comparison.parts;
        parts.erase(std::remove_if(parts.begin(), parts.end(),
                                   [selector](const PartDifference& part) { return part.selector == selector; }),
                    parts.end());
    }
    return preview;
}

std::vector<ChoicePreview> previewList(const PartsTable& table, const MachineEvaluation& current, Selector selector)
{
    const int count = table.itemCount(slotOfSelector(selector));
    std::vector<ChoicePreview> previews;
    previews.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int item = 0; item < count; ++item) {
        previews.push_back(previewChoice(table, current, selector, item));
    }
    return previews;
}

} // namespace rivet
