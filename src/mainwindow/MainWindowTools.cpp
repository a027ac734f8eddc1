// The tools of the main window: the twelve catalogue buttons open the parts-list viewer, the
// damage calculator, the about dialog and the registration of ".asm" files.
#include "mainwindow/MainWindow.h"

#include "desktop/DesktopRegistry.h"
#include "desktop/FileAssociation.h"
#include "mainwindow/PartsPage.h"
#include "widgets/BackgroundPrograms.h"
#include "widgets/Dialogs.h"
#include "widgets/Guarded.h"
#include "windows/AboutDialog.h"
#include "windows/AuxiliaryWindows.h"
#include "windows/DamageCalculatorWindow.h"
#include "windows/PartsListWindow.h"

#include <QPushButton>

namespace {

constexpr int kOptionButton = 12; // bb12: the option list has no selector

const char* const kAssociationQuestion = "*.asmファイルをこのソフトに関連付けますか？";
const char* const kAssociationDone = "拡張子「asm」をこのソフトに関連付けました。\n"
                                     "これ以降Kosmo機体データをダブルクリックするだけで\n"
                                     "このソフトが自動的に起動します。";

} // namespace

void MainWindow::showPartsList(QPushButton* button)
{
    if (!catalogueReady()) {
        return;
    }
    // "bb04": the digits pick the selector cb4; the tag is the slot whose file is listed.
    const int number = button->objectName().mid(2, 2).toInt();
    const int slot = button->property("tag").toInt();
    PartsListWindow* list = m_windows->partsList();
    list->loadCatalogueFile(m_workspace.paths.dataDir + rivet::slotFileNames.at(static_cast<std::size_t>(slot)));
    if (number >= kOptionButton) {
        list->setTarget(std::nullopt);
    } else {
        const rivet::Selector selector = rivet::selectorAt(static_cast<std::size_t>(number - 1));
        list->setTarget(selector);
        list->selectRow(m_assembly->position(selector) + 1);
    }
    list->show();
    list->raise();
    list->activateWindow();
}

void MainWindow::showDamageCalculator()
{
    // The calculator starts from the figures as the window shows them: "coefficient/total".
    m_windows->damageCalculator()->fillFromAssembly(
        m_partsPage->figureText(rivet::Figure::ShellCoefficient).toStdString(),
        m_partsPage->figureText(rivet::Figure::BeamCoefficient).toStdString());
}

void MainWindow::registerFileType()
{
    const QStringList buttons = {"はい(&Y)", "いいえ(&N)", "キャンセル"};
    if (Dialogs::current().askQuestion(this, kAssociationQuestion, buttons) != 0) {
        return;
    }
    rivet::DesktopRegistry registry;
    // The desktop's caches are rebuilt for whatever was written, also when a later value
    // failed; the programs run on their own and the window does not wait for them.
    const auto refreshCaches = [this, &registry] {
        if (!m_desktopCaches) {
            m_desktopCaches = new BackgroundPrograms(this);
            connect(m_desktopCaches, &BackgroundPrograms::failed, this, [this](const QString& message) {
                runGuarded(this, [&] { Dialogs::current().showError(this, message); });
            });
        }
        for (const auto& refresh : registry.cacheRefreshes()) {
            m_desktopCaches->startIfInstalled(QString::fromStdString(refresh.program),
                                              {QString::fromStdString(refresh.folder)});
        }
    };
    try {
        rivet::associateAsmFiles(registry, rivet::Paths::executablePath());
    } catch (...) {
        refreshCaches();
        throw;
    }
    refreshCaches();
    Dialogs::current().showInformation(this, kAssociationDone);
}

void MainWindow::showAbout()
{
    m_windows->about()->exec();
}
