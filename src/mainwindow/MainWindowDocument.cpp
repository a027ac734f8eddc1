// Opening, saving and exporting the assembly, the clipboard copy and printing.
#include "mainwindow/MainWindow.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "document/AssemblyFile.h"
#include "document/DocumentService.h"
#include "widgets/DesktopServices.h"
#include "widgets/Dialogs.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

const char* const kAssemblyFilter = "アセンブリデータ|*.asm";
const char* const kSaveTitle = "名前をつけて保存";

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

// The name part of a path without its extension ("none" stays "none").
QString baseName(const std::string& path)
{
    const QString name = QFileInfo(fromUtf8(path)).completeBaseName();
    return name.isEmpty() ? fromUtf8(path) : name;
}

// The template number (1..3) a template menu has marked.
int selectedTemplate(const QMenu* menu)
{
    const QList<QAction*> items = menu->actions();
    for (int i = 0; i < items.size(); ++i) {
        if (items[i]->isChecked()) {
            return i + 1;
        }
    }
    return 1;
}

} // namespace

void MainWindow::connectActions()
{
    const std::pair<QAction*, void (MainWindow::*)()> handlers[] = {
        {acOpenfile, &MainWindow::open},           {acSave, &MainWindow::save},
        {acSaveas, &MainWindow::saveAs},           {acTextoutput, &MainWindow::exportText},
        {acHtmloutput, &MainWindow::exportHtml},   {m_copyToClipboard, &MainWindow::copyReportToClipboard},
        {acPrintform, &MainWindow::print},         {acDamageform, &MainWindow::showDamageCalculator},
        {acRegext, &MainWindow::registerFileType}, {acVersion, &MainWindow::showAbout},
    };
    for (const auto& [action, handler] : handlers) {
        connect(action, &QAction::triggered, this, [this, handler = handler] { guarded([&] { (this->*handler)(); }); });
    }
    connect(acCloseform, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::showCurrentFileAsCaption()
{
    setWindowTitle(fromUtf8(m_assembly->currentFile()));
}

void MainWindow::open()
{
    FileRequest request;
    request.filter = kAssemblyFilter;
    request.folder = fromUtf8(m_workspace.paths.garageDir);
    request.proposedName = baseName(m_assembly->currentFile()) + ".asm";
    const auto chosen = Dialogs::current().askFileName(this, request);
    if (!chosen) {
        return;
    }
    rivet::openAssembly(*m_assembly, chosen->toStdString());
    showCurrentFileAsCaption();
}

bool MainWindow::askFileName(const QString& filter, const QString& title)
{
    FileRequest request;
    request.save = true;
    request.title = title;
    request.filter = filter;
    request.filterIndex = 1;
    request.defaultSuffix = "asm";
    request.folder = fromUtf8(m_workspace.paths.garageDir);
    request.proposedName = baseName(m_assembly->currentFile());
    const auto chosen = Dialogs::current().askFileName(this, request);
    if (!chosen) {
        return false;
    }
    m_assembly->setCurrentFile(rivet::replaceExtension(chosen->toStdString(), ".asm"));
    showCurrentFileAsCaption();
    return true;
}

void MainWindow::save()
{
    if (m_assembly->currentFile() == "none" && !askFileName(kAssemblyFilter, kSaveTitle)) {
        return;
    }
    rivet::saveAssembly(*m_assembly, m_assembly->currentFile());
}

void MainWindow::saveAs()
{
    if (askFileName(kAssemblyFilter, kSaveTitle)) {
        rivet::saveAssembly(*m_assembly, m_assembly->currentFile());
    }
}

bool MainWindow::writeReport(rivet::ReportKind kind, int number)
{
    const auto notice = rivet::exportReport(*m_assembly, m_workspace.paths.dataDir, kind, number,
                                            rivet::reportPath(m_assembly->currentFile(), kind));
    if (notice) {
        Dialogs::current().showMessage(this, fromUtf8(*notice));
    }
    return !notice;
}

void MainWindow::exportText()
{
    if (askFileName("テンプレート（テキスト形式）|*.txt", "テキスト形式で出力")) {
        writeReport(rivet::ReportKind::Text, selectedTemplate(mnTextType));
    }
}

void MainWindow::exportHtml()
{
    if (askFileName("テンプレート(html形式)|*.htm", "html形式で出力")) {
        writeReport(rivet::ReportKind::Html, selectedTemplate(mnHtmltype));
    }
}

void MainWindow::copyReportToClipboard()
{
    // The clipboard always takes text template 1, whatever the text menu has marked.
    const std::string& dataDir = m_workspace.paths.dataDir;
    if (const auto notice = rivet::missingTemplate(dataDir, rivet::ReportKind::Text, 1)) {
        Dialogs::current().showMessage(this, fromUtf8(*notice));
        return;
    }
    const std::string text = rivet::buildReportText(*m_assembly, dataDir, rivet::ReportKind::Text, 1);
    if (!DesktopServices::current().setClipboardText(fromUtf8(text))) {
        throw rivet::Failure("クリップボードを開くことができません");
    }
    Dialogs::current().showMessage(this, "クリップボードへコピーしました。");
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
