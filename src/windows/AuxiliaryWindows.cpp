#include "windows/AuxiliaryWindows.h"

#include "windows/AboutDialog.h"
#include "windows/ComparisonWindow.h"
#include "windows/DamageCalculatorWindow.h"
#include "windows/GarageWindow.h"
#include "windows/OptimiserDialog.h"
#include "windows/PartsListWindow.h"

AuxiliaryWindows::AuxiliaryWindows(QWidget* owner, QObject* parent)
    : QObject(parent ? parent : owner)
    , m_owner(owner)
{
}

template <typename Window> Window* AuxiliaryWindows::made(Window* window)
{
    window->setAttribute(Qt::WA_QuitOnClose, false);
    return window;
}

PartsListWindow* AuxiliaryWindows::partsList()
{
    if (!m_partsList) {
        m_partsList = made(new PartsListWindow(m_owner));
        // Direct: the receiver recomputes the figures before the viewer's press returns.
        connect(m_partsList, &PartsListWindow::partPicked, this, &AuxiliaryWindows::partPicked, Qt::DirectConnection);
        connect(m_partsList, &PartsListWindow::partHovered, this, &AuxiliaryWindows::partHovered);
        connect(m_partsList, &PartsListWindow::hoverEnded, this, &AuxiliaryWindows::partHoverEnded);
        if (m_machine) {
            m_partsList->showCurrentMachine(*m_machine);
        }
        if (m_searchedGoal) {
            m_partsList->setSearchedGoal(*m_searchedGoal);
        }
    }
    return m_partsList;
}

DamageCalculatorWindow* AuxiliaryWindows::damageCalculator()
{
    if (!m_damageCalculator) {
        m_damageCalculator = made(new DamageCalculatorWindow(m_owner));
    }
    return m_damageCalculator;
}

AboutDialog* AuxiliaryWindows::about()
{
    if (!m_about) {
        m_about = made(new AboutDialog(m_owner));
    }
    return m_about;
}

ComparisonWindow* AuxiliaryWindows::comparison(const rivet::PartsTable& table)
{
    if (!m_comparison) {
        m_comparison = made(new ComparisonWindow(table, m_owner));
        connect(m_comparison, &ComparisonWindow::pinCurrentRequested, this, &AuxiliaryWindows::comparisonPinRequested);
        connect(m_comparison, &ComparisonWindow::baseFileRequested, this, &AuxiliaryWindows::comparisonFileRequested);
        connect(m_comparison, &ComparisonWindow::openMachineRequested, this,
                &AuxiliaryWindows::comparisonOpenMachineRequested);
        if (m_machine) {
            m_comparison->showCurrentMachine(*m_machine);
        }
    }
    return m_comparison;
}

OptimiserDialog* AuxiliaryWindows::optimiser(const rivet::PartsTable& table)
{
    if (!m_optimiser) {
        m_optimiser = made(new OptimiserDialog(table, m_owner));
        connect(m_optimiser, &OptimiserDialog::machineChosen, this, &AuxiliaryWindows::optimiserMachineChosen);
        // The viewer's differences follow the goal last searched for.
        connect(m_optimiser, &OptimiserDialog::goalSearched, this, [this](rivet::Figure goal) {
            m_searchedGoal = goal;
            if (m_partsList) {
                m_partsList->setSearchedGoal(goal);
            }
        });
        if (m_machine) {
            m_optimiser->showCurrentMachine(*m_machine);
        }
    }
    return m_optimiser;
}

GarageWindow* AuxiliaryWindows::garage(const rivet::PartsTable& table, const QString& garageFolder,
                                       const QString& settingsFile)
{
    if (!m_garage) {
        m_garage = new GarageWindow(table, garageFolder, settingsFile, m_owner);
        connect(m_garage, &GarageWindow::machineOpenRequested, this, &AuxiliaryWindows::garageMachineChosen);
        connect(m_garage, &GarageWindow::comparisonRequested, this,
                [this, &table](const rivet::MachineEvaluation& base, const QString& baseName,
                               const rivet::MachineEvaluation& other, const QString& otherName) {
                    if (!m_garageComparison) {
                        m_garageComparison = new ComparisonWindow(table, m_owner);
                        m_garageComparison->setObjectName("GarageComparisonWindow");
                    }
                    m_garageComparison->showPair(base, baseName, other, otherName);
                    m_garageComparison->show();
                    m_garageComparison->raise();
                    m_garageComparison->activateWindow();
                });
        if (m_machine) {
            m_garage->showCurrentMachine(m_machine->totals);
        }
    }
    return m_garage;
}

void AuxiliaryWindows::showMachine(const rivet::MachineEvaluation& machine)
{
    m_machine = machine;
    if (m_partsList) {
        m_partsList->showCurrentMachine(machine);
    }
    if (m_comparison) {
        m_comparison->showCurrentMachine(machine);
    }
    if (m_optimiser) {
        m_optimiser->showCurrentMachine(machine);
    }
    if (m_garage) {
        m_garage->showCurrentMachine(machine.totals);
    }
}

QList<QWidget*> AuxiliaryWindows::madeSoFar() const
{
    QList<QWidget*> windows;
    for (QWidget* window :
         {static_cast<QWidget*>(m_partsList), static_cast<QWidget*>(m_damageCalculator), static_cast<QWidget*>(m_about),
          static_cast<QWidget*>(m_comparison), static_cast<QWidget*>(m_optimiser), static_cast<QWidget*>(m_garage),
          static_cast<QWidget*>(m_garageComparison)}) {
        if (window) {
            windows << window;
        }
    }
    return windows;
}

void AuxiliaryWindows::closeAll()
{
    for (QWidget* window : madeSoFar()) {
        window->close();
    }
}

void AuxiliaryWindows::destroyAll()
{
    qDeleteAll(madeSoFar());
}
