// The main window's own tools, which work on the window rather than on its machine: printing
// the window, the about dialog and the registration of ".asm" files.
#include "mainwindow/MainWindow.h"

#include "common/Failure.h"
#include "desktop/DesktopRegistry.h"
#include "desktop/FileAssociation.h"
#include "widgets/BackgroundPrograms.h"
#include "widgets/DesktopServices.h"
#include "widgets/Dialogs.h"
#include "widgets/Guarded.h"
#include "windows/AboutDialog.h"
#include "windows/AuxiliaryWindows.h"

#include <QMenuBar>

namespace {

const char* const kAssociationQuestion = "*.asmファイルをこのソフトに関連付けますか？";
const char* const kAssociationDone = "拡張子「asm」をこのソフトに関連付けました。\n"
                                     "これ以降Kosmo機体データをダブルクリックするだけで\n"
                                     "このソフトが自動的に起動します。";

} // namespace

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

void MainWindow::print()
{
    if (!Dialogs::current().confirmPrint(this)) {
        return;
    }
    // The client area: everything below the menu bar, as it is displayed now.
    const int top = menuBar()->isVisible() ? menuBar()->height() : 0;
    const QImage image = grab(QRect(0, top, width(), height() - top)).toImage();
    switch (DesktopServices::current().printImage(image)) {
    case DesktopServices::PrintResult::Printed:
        break;
    case DesktopServices::PrintResult::NoDefaultPrinter:
        throw rivet::Failure("デフォルト プリンタが存在しません");
    case DesktopServices::PrintResult::Failed:
        throw rivet::Failure("印刷できませんでした");
    }
}
