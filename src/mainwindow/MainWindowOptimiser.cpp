// The optimiser's dialog "自動構成": it follows the machine being worked on, and a machine it
// proposes comes in as the player's own choice of every part and option would.
#include "mainwindow/MainWindow.h"

#include "windows/AuxiliaryWindows.h"
#include "windows/OptimiserDialog.h"

#include <QAction>

void MainWindow::connectOptimiser()
{
    connect(acOptimise, &QAction::triggered, this, [this] { guarded([this] { showOptimiser(); }); });
    connect(m_windows, &AuxiliaryWindows::optimiserMachineChosen, this,
            [this](const rivet::Selection& proposal) { guarded([&] { applyProposal(proposal); }); });
}

void MainWindow::showOptimiser()
{
    if (!catalogueReady()) {
        return;
    }
    OptimiserDialog* dialog = m_windows->optimiser(m_workspace.table);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MainWindow::applyProposal(const rivet::Selection& proposal)
{
    if (!catalogueReady()) {
        return;
    }
    // Every selector and option from code, then the one evaluation a choice ends in: the
    // machine counts as modified, while its file and the caption stay as they are. The rules
    // and the back-weapon pairing leave a proposed machine as it is, so it shows as proposed.
    m_assembly->setSelectionFromCode(proposal);
    reevaluate();
}
