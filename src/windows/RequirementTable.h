#pragma once

#include "evaluation/MachineTotals.h"
#include "optimiser/Optimiser.h"

#include <QTableWidget>

#include <vector>

// The requirements of a search, one row each: the figure, "≥" or "≤", and the value (with a
// decimal for the boost figures). A new row, and a row whose figure changes, starts from the
// current machine's number in the figure's better direction: "at least as good as now".
class RequirementTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit RequirementTable(QWidget* parent = nullptr);

    // The machine the defaults come from.
    void setCurrentTotals(const rivet::MachineTotals& totals) { m_current = totals; }

    // Adds a row for the figure and returns its number.
    int addRequirement(rivet::Figure figure = rivet::Figure::Price);
    void removeRequirement(int row);
    std::vector<rivet::Requirement> requirements() const;

Q_SIGNALS:
    // A row came or went, or a row's figure, direction or value changed.
    void requirementsChanged();

private:
    void startFromCurrent(int row);
    int rowOf(const QWidget* control) const;

    rivet::MachineTotals m_current;
};
