#pragma once

#include "evaluation/MachineEvaluation.h"
#include "optimiser/Optimiser.h"

#include <QDialog>

#include <array>
#include <optional>

class OptimiserSearch;
class ProposalView;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class RequirementTable;

// "自動構成": the player names a goal figure and its direction, the parts to keep, the
// requirements and whether the options may change; the search runs on a thread of its own and
// lists the ten best sound machines, compared with the machine being worked on. "適用" hands
// the chosen one to whoever holds the document. Modeless and kept for the run; it follows every
// evaluation, and hiding it cancels a running search.
class OptimiserDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OptimiserDialog(const rivet::PartsTable& table, QWidget* parent = nullptr);

    // The machine being worked on, after an evaluation: the start of the next search and what
    // the proposals are compared with.
    void showCurrentMachine(const rivet::MachineEvaluation& current);
    bool searching() const;

Q_SIGNALS:
    // "適用": the chosen machine is to become the one being worked on.
    void machineChosen(const rivet::Selection& selection);
    // A search for the best machine in this figure started.
    void goalSearched(rivet::Figure goal);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildSettings();
    QWidget* buildGoal();
    QWidget* buildKeptParts();
    QWidget* buildRequirements();
    QWidget* buildOptions();

    rivet::OptimiserRequest request() const;
    void startSearch();
    void cancelSearch();
    void showResult(const rivet::OptimiserResult& result, qint64 milliseconds);
    void showFailure(const std::exception_ptr& failure);
    void showProgress();
    void apply();
    void updateButtons();

    const rivet::PartsTable& m_table;
    std::optional<rivet::MachineEvaluation> m_current;
    OptimiserSearch* m_search = nullptr;
    QTimer* m_progressTimer = nullptr;
    rivet::Figure m_searchedGoal = rivet::Figure::Ap;
    rivet::Direction m_searchedDirection = rivet::Direction::Higher;

    QComboBox* m_goal = nullptr;
    QComboBox* m_direction = nullptr;
    std::array<QCheckBox*, rivet::kSelectorCount> m_kept {};
    RequirementTable* m_requirements = nullptr;
    QRadioButton* m_optionsKept = nullptr;
    QRadioButton* m_optionsFree = nullptr;
    QPushButton* m_searchButton = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_status = nullptr;
    ProposalView* m_proposals = nullptr;
    QPushButton* m_applyButton = nullptr;
};
