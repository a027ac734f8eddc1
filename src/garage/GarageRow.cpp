#include "garage/GarageRow.h"

#include "document/DocumentService.h"
#include "evaluation/FigureNumbers.h"
#include "optimiser/Optimiser.h"

#include <exception>

namespace rivet {

namespace {

std::string searchTextOf(const PartsTable& table, const GarageRow& row)
{
    std::string text = row.file.relativePath + "\n" + row.machineName + "\n" + row.pilotName;
    if (row.readable()) {
        for (Selector selector : allSelectors()) {
            text += "\n" + selectorItemText(table, row.selection, selector);
        }
        text += "\n" + optionNames(table, row.selection);
    }
    return foldedCase(std::move(text));
}

} // namespace

std::string foldedCase(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

std::string optionNames(const PartsTable& table, const Selection& selection)
{
    std::string names;
    for (int n = 1; n <= kOptionCount; ++n) {
        if (const Part* option = tickedOption(table, selection, n)) {
            names += (names.empty() ? "" : " ") + option->name;
        }
    }
    return names;
}

GarageRow readGarageRow(const PartsTable& table, const GarageFile& file)
{
    GarageRow row;
    row.file = file;
    try {
        const auto document = openAsTheWindowDoes(table, file.path);
        const Machine& machine = document->machine();
        row.machineName = machine.machineName;
        row.pilotName = machine.pilotName;
        row.selection = document->evaluation().selection;
        row.totals = document->evaluation().totals;
        row.numbers = figureNumbers(row.totals);
        row.sound = isSound(row.totals);
    } catch (const std::exception& failure) {
        row.failure = failure.what();
    }
    row.searchText = searchTextOf(table, row);
    return row;
}

PerFigure<FigureText> figureTextsOf(const PartsTable& table, const GarageRow& row)
{
    return figureTexts(row.totals, selectedPart(table, row.selection, LegsSelector));
}

MachineEvaluation evaluationOf(const PartsTable& table, const GarageRow& row)
{
    return MachineEvaluation {row.selection, row.totals, figureTextsOf(table, row)};
}

} // namespace rivet
