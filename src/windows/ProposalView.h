#pragma once

#include "comparison/MachineComparison.h"
#include "evaluation/MachineEvaluation.h"
#include "optimiser/Optimiser.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QTableWidget;

// The machines a search proposes, best first: rank, goal value and its difference, price and
// the parts that would change (twResults); below, the sixteen figures of the chosen row beside
// those of the current machine with the differences (twDetail), and the parts that differ
// (twDetailParts). Everything is compared with the machine being worked on, so it follows
// every evaluation.
class ProposalView : public QWidget
{
    Q_OBJECT

public:
    explicit ProposalView(const rivet::PartsTable& table, QWidget* parent = nullptr);

    void setCurrentMachine(const rivet::MachineEvaluation& current);
    void setProposals(const std::vector<rivet::ProposedMachine>& machines, rivet::Figure goalFigure,
                      rivet::Direction direction);
    void clear();

    // The machine of the chosen row; none when no row is chosen.
    std::optional<rivet::Selection> chosen() const;

Q_SIGNALS:
    void chosenChanged();
    // A row double-clicked: its machine is to be applied.
    void activated();

protected:
    void changeEvent(QEvent* event) override;

private:
    void refresh();
    void showRow(int row, const rivet::MachineEvaluation& proposal, double value);
    void showDetail();

    const rivet::PartsTable& m_table;
    std::optional<rivet::MachineEvaluation> m_current;
    std::vector<rivet::MachineEvaluation> m_proposals;
    std::vector<double> m_values;
    rivet::Figure m_goalFigure = rivet::Figure::Ap;
    rivet::Direction m_direction = rivet::Direction::Higher;
    QTableWidget* m_results = nullptr;
    QLabel* m_detailHeading = nullptr;
    QTableWidget* m_detail = nullptr;
    QTableWidget* m_detailParts = nullptr;
};
