#pragma once

#include "catalogue/PartsTable.h"
#include "evaluation/MachineEvaluation.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <optional>

class AboutDialog;
class ComparisonWindow;
class DamageCalculatorWindow;
class GarageWindow;
class OptimiserDialog;
class PartsListWindow;
class QWidget;

// The auxiliary windows of the planner, each made the first time it is asked for and
// kept for the rest of the run (a window closed by the player is only hidden, so its
// contents survive). Made as children of the owner's window, or as windows of their own
// without one; either way they never keep the program running by themselves.
class AuxiliaryWindows : public QObject
{
    Q_OBJECT

public:
    explicit AuxiliaryWindows(QWidget* owner, QObject* parent = nullptr);

    PartsListWindow* partsList();
    DamageCalculatorWindow* damageCalculator();
    AboutDialog* about();
    ComparisonWindow* comparison(const rivet::PartsTable& table);
    OptimiserDialog* optimiser(const rivet::PartsTable& table);
    // The garage over that folder, remembering its choices in settingsFile.
    GarageWindow* garage(const rivet::PartsTable& table, const QString& garageFolder, const QString& settingsFile);

    // The machine after an evaluation, for the windows that follow it; a window made later
    // starts from the last one shown.
    void showMachine(const rivet::MachineEvaluation& machine);

    // Closes the windows made so far.
    void closeAll();
    // Destroys them, a running search first stopped and waited for: the owner calls it before
    // the parts table they read goes.
    void destroyAll();

Q_SIGNALS:
    // A part picked in the parts-list viewer: item `item` of selector cb<selector>.
    void partPicked(rivet::Selector selector, int item);
    // The pointer rests on the parts-list viewer's row of item `item` of cb<selector>.
    void partHovered(rivet::Selector selector, int item, const QRect& anchor);
    void partHoverEnded();
    // The comparison window asks for its base: a copy of the current machine, or a file.
    void comparisonPinRequested();
    void comparisonFileRequested();
    // "開いている機体と比較": another open machine is to become the base; at is where to ask.
    void comparisonOpenMachineRequested(const QPoint& at);
    // "適用" in the optimiser: the proposed machine is to become the one being worked on.
    void optimiserMachineChosen(const rivet::Selection& selection);
    // A machine of the garage is to become the one being worked on.
    void garageMachineChosen(const QString& path);

private:
    QList<QWidget*> madeSoFar() const;
    // A window just made: it closes with the program's last main window.
    template <typename Window> Window* made(Window* window);

    QWidget* m_owner;
    std::optional<rivet::MachineEvaluation> m_machine;
    std::optional<rivet::Figure> m_searchedGoal; // the goal of the optimiser's last search
    QPointer<PartsListWindow> m_partsList;
    QPointer<DamageCalculatorWindow> m_damageCalculator;
    QPointer<AboutDialog> m_about;
    QPointer<ComparisonWindow> m_comparison;
    QPointer<OptimiserDialog> m_optimiser;
    QPointer<GarageWindow> m_garage;
    // Two machines of the garage side by side, apart from the comparison that follows the
    // machine being worked on.
    QPointer<ComparisonWindow> m_garageComparison;
};
