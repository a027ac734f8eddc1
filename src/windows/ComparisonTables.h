#pragma once

#include "comparison/MachineComparison.h"

#include <QColor>
#include <QStringList>

class QTableWidget;
class QWidget;

// The tables that set two machines side by side, in the comparison window and under the
// optimiser's proposals: the captions in the first column, then the base machine, the other
// one and, for the figures, the difference.

// Such a table: it only shows, so nothing in it is selected or takes the focus.
QTableWidget* comparisonTable(const char* name, const QStringList& headers, QWidget* parent);

// The sixteen figures, a figure over its limit in red and the difference green where it
// favours the other machine, red where it favours the base; the rest in `normal`, the text
// colour of the window the table stands in. Without a comparison the value cells are empty.
void showFigureComparison(QTableWidget* table, const rivet::MachineComparison* comparison, const QColor& normal);

// The parts in which the machines differ, then the option boxes ticked on one of them only
// ("■SP-ABS" ticked, "□SP-ABS" not). Without a comparison there are no rows.
void showPartDifferences(QTableWidget* table, const rivet::MachineComparison* comparison, const QColor& normal);
