// The tools that work on the machine: the twelve catalogue buttons open the parts-list viewer
// and its pick comes back here, the damage calculator starts from the machine's figures, and
// the optimiser's dialog follows the machine and proposes machines to take over.
#include "mainwindow/MachineEditor.h"

#include "windows/AuxiliaryWindows.h"
#include "windows/DamageCalculatorWindow.h"
#include "windows/GarageWindow.h"
#include "windows/OptimiserDialog.h"
#include "windows/PartsListWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

namespace {

constexpr int kOptionButton = 12; // bb12: the option list has no selector

template <typename Window> void bringToFront(Window* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void MachineEditor::showPartsList(QPushButton* button)
{
    if (!catalogueReady()) {
        return;
    }
    // "bb04": the digits pick the selector cb4; the tag is the slot whose file is listed.
    const int number = button->objectName().mid(2, 2).toInt();
    const int slot = button->property("tag").toInt();
    PartsListWindow* list = m_windows.partsList();
    list->setCatalogue(m_workspace.table);
    list->loadCatalogueFile(m_workspace.paths.dataDir + rivet::slotFileNames.at(rivet::slotIndex(slot)));
    if (number >= kOptionButton) {
        list->setTarget(std::nullopt);
    } else {
        const auto selector = static_cast<rivet::Selector>(number);
        list->setTarget(selector);
        list->selectRow(m_document.shownPosition(selector) + 1);
    }
    bringToFront(list);
}

void MachineEditor::pickPartFromList(rivet::Selector selector, int item)
{
    if (catalogueReady()) {
        m_document.pickPart(selector, item);
    }
}

void MachineEditor::showDamageCalculator()
{
    // The calculator starts from the two defence figures, "coefficient/total".
    const auto& figures = m_document.evaluation().figures;
    m_windows.damageCalculator()->fillFromAssembly(figures[rivet::Figure::ShellCoefficient].text,
                                                   figures[rivet::Figure::BeamCoefficient].text);
}

void MachineEditor::showOptimiser()
{
    if (catalogueReady()) {
        bringToFront(m_windows.optimiser(m_workspace.table));
    }
}

void MachineEditor::showGarage()
{
    if (!catalogueReady()) {
        return;
    }
    // The garage's own choices live in a file of their own beside the settings file, which
    // keeps the one key it has always had.
    const QString settings
        = QFileInfo(QString::fromStdString(m_workspace.paths.settingsFile)).dir().filePath("rivet-garage.ini");
    bringToFront(m_windows.garage(m_workspace.table, QString::fromStdString(m_workspace.paths.garageDir), settings));
}

void MachineEditor::applyProposal(const rivet::Selection& proposal)
{
    if (!catalogueReady()) {
        return;
    }
    // Every selector and option at once, then the one evaluation a choice ends in: the
    // machine counts as modified, while its file and the caption stay as they are. The rules
    // and the back-weapon pairing leave a proposed machine as it is, so it shows as proposed.
    m_document.setSelection(proposal);
}
