#pragma once

#include "comparison/MachineComparison.h"
#include "evaluation/MachineEvaluation.h"
#include "optimiser/Optimiser.h"
#include "optimiser/RepairReasons.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QTableWidget;

// The machines a search found, in its order: rank, the goal's number and its difference from
// the current machine, the second goal's number, price, a repair's number of changes, and the
// parts that would change (twResults); below, the sixteen figures of the chosen row beside
// those of the current machine with the differences (twDetail), and the parts that differ
// (twDetailParts), for a repair with the reason of each change. Everything is compared with
// the machine being worked on, so it follows every evaluation.
class ProposalView : public QWidget
{
    Q_OBJECT

public:
    explicit ProposalView(const rivet::PartsTable& table, QWidget* parent = nullptr);

    void setCurrentMachine(const rivet::MachineEvaluation& current);
    void setProposals(const rivet::OptimiserRequest& request, const std::vector<rivet::ProposedMachine>& machines);
    void clear();

    int count() const { return static_cast<int>(m_proposals.size()); }
    // The row chosen, -1 for none; choosing -1 clears the choice.
    int chosenRow() const;
    void chooseRow(int row);
    // The machine of the chosen row; none when no row is chosen.
    std::optional<rivet::Selection> chosen() const;
    // Whether the selection is one of the machines listed.
    bool lists(const rivet::Selection& selection) const;

Q_SIGNALS:
    void chosenChanged();
    // A row double-clicked: its machine is to be applied.
    void activated();

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Proposal
    {
        rivet::ProposedMachine machine;
        rivet::MachineEvaluation evaluation;
        std::vector<rivet::ChangeReason> reasons; // a repair's, by changed selector
    };

    void refresh();
    void showRow(int row, const Proposal& proposal);
    void showDetail();
    void showReasons(const rivet::MachineComparison& comparison, const Proposal& proposal);

    const rivet::PartsTable& m_table;
    std::optional<rivet::MachineEvaluation> m_current;
    rivet::OptimiserRequest m_request;
    std::vector<Proposal> m_proposals;
    QTableWidget* m_results = nullptr;
    QLabel* m_detailHeading = nullptr;
    QTableWidget* m_detail = nullptr;
    QTableWidget* m_detailParts = nullptr;
};
