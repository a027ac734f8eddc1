#pragma once

#include "evaluation/MachineEvaluation.h"
#include "garage/GarageFiles.h"

#include <optional>
#include <string>

namespace rivet {

// One file of the garage as the window shows it after opening it: the names, the parts as
// the rules leave them, the totals, each figure's number, and whether the machine is sound.
// A file that cannot be opened is a row too, with its message instead of a machine. The
// figure texts are not kept (figureTextsOf gives them), so ten thousand rows stay small.
struct GarageRow
{
    GarageFile file;
    std::optional<std::string> failure; // why the file could not be opened
    std::string machineName;
    std::string pilotName;
    Selection selection;
    MachineTotals totals;
    PerFigure<std::optional<double>> numbers;
    bool sound = false;
    // File, names and part names with ASCII letters in lower case, for the text filter.
    std::string searchText;

    bool readable() const { return !failure; }
};

// The row of one file, opened exactly as the window opens it. Never fails: a failure becomes
// the row's message.
GarageRow readGarageRow(const PartsTable& table, const GarageFile& file);

// The texts, warnings and verdicts the window's figure labels show for the row's machine.
PerFigure<FigureText> figureTextsOf(const PartsTable& table, const GarageRow& row);
// The row's machine as one evaluation (for the comparison and the companion's output).
MachineEvaluation evaluationOf(const PartsTable& table, const GarageRow& row);

// The names of the ticked options, separated by blanks ("" without any).
std::string optionNames(const PartsTable& table, const Selection& selection);

// The text with ASCII letters in lower case: the filter ignores their case.
std::string foldedCase(std::string text);

} // namespace rivet
