#pragma once

#include "evaluation/FigureTexts.h"
#include "evaluation/MachineTotals.h"
#include "evaluation/Selection.h"

#include <string>

namespace rivet {

// One evaluated machine: the selection as the assembly rules leave it, its totals and the
// sixteen texts the value labels show.
struct MachineEvaluation
{
    Selection selection;
    MachineTotals totals;
    PerFigure<FigureText> figures;
};

// The evaluation every change of the machine ends in: the rules correct the selection, then
// the totals and the figure texts are computed from what they leave.
MachineEvaluation evaluateSelection(const PartsTable& table, const Selection& selection);

// The text selector cb<selector> shows: "NO EQUIP" at 0, the part's name, "" without an item.
std::string selectorItemText(const PartsTable& table, const Selection& selection, Selector selector);

} // namespace rivet
