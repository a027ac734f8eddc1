#pragma once

#include "evaluation/MachineEvaluation.h"
#include "optimiser/Optimiser.h"
#include "windows/OptimiserSearch.h"

#include <QDialog>

#include <optional>

class GoalChoice;
class ProposalView;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class RequirementTable;
class SlotRuleBox;
class TradeOffPlot;

// "自動構成": the player names a goal figure and its direction, a second goal for its ties,
// what the search may do with each slot, the requirements and whether the options may change;
// then asks for the best machines ("探索"), the trade-off between the two goals
// ("2項目のトレードオフ", drawn as a plot) or the smallest repair of the current machine
// ("警告を消す"). The search runs on a thread of its own with the settings locked; its machines
// are compared with the machine being worked on. "適用" hands the chosen one to whoever holds
// the document, unless the machine has changed since the search started from it. Modeless and
// kept for the run; it follows every evaluation, and hiding it cancels a running search.
class OptimiserDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OptimiserDialog(const rivet::PartsTable& table, QWidget* parent = nullptr);

    // The machine being worked on, after an evaluation: the start of the next search and what
    // the proposals are compared with.
    void showCurrentMachine(const rivet::MachineEvaluation& current);
    bool searching() const;
    // The trade-off's plot, once one has been shown.
    TradeOffPlot* tradeOffPlot() const { return m_plot; }

Q_SIGNALS:
    // "適用": the chosen machine is to become the one being worked on.
    void machineChosen(const rivet::Selection& selection);
    // A search for the best machine in this figure started.
    void goalSearched(rivet::Figure goal);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildSettings();
    QWidget* buildGoals();
    QWidget* buildRequirements();
    QWidget* buildOptions();
    QWidget* buildRun();
    QWidget* buildResults();

    rivet::OptimiserRequest request(rivet::SearchKind kind) const;
    void startSearch(rivet::SearchKind kind);
    void runSearch(const rivet::OptimiserRequest& request);
    void cancelSearch();
    void showOutcome(const SearchOutcome& outcome);
    void showFailure(const std::exception_ptr& failure);
    void showTradeOff(const SearchOutcome& outcome);
    void apply();
    void updateControls();

    const rivet::PartsTable& m_table;
    std::optional<rivet::MachineEvaluation> m_current;
    OptimiserSearch* m_search = nullptr;
    std::optional<SearchOutcome> m_shown; // the search whose machines are listed

    QWidget* m_settings = nullptr;
    GoalChoice* m_goal = nullptr;
    GoalChoice* m_second = nullptr;
    SlotRuleBox* m_slots = nullptr;
    RequirementTable* m_requirements = nullptr;
    QRadioButton* m_optionsKept = nullptr;
    QRadioButton* m_optionsFree = nullptr;
    QPushButton* m_searchButton = nullptr;
    QPushButton* m_tradeOffButton = nullptr;
    QPushButton* m_repairButton = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_resultsHeading = nullptr;
    QWidget* m_plotArea = nullptr;
    TradeOffPlot* m_plot = nullptr;
    ProposalView* m_proposals = nullptr;
    QPushButton* m_applyButton = nullptr;
};
