// Opening, saving and exporting the assembly, the clipboard copy and printing.
#include "mainwindow/TasmForm.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "document/AssemblyFile.h"
#include "document/ReportValues.h"
#include "mainwindow/DesktopServices.h"
#include "mainwindow/Dialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

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
    return QFileInfo(fromUtf8(path)).completeBaseName().isEmpty() ? fromUtf8(path)
                                                                  : QFileInfo(fromUtf8(path)).completeBaseName();
}

} // namespace

void TasmForm::wireDocument()
{
    connect(acOpenfile, &QAction::triggered, this, [this] { guarded([&] { openfile(); }); });
    connect(acSave, &QAction::triggered, this, [this] { guarded([&] { acSaveExecute(); }); });
    connect(acSaveas, &QAction::triggered, this, [this] { guarded([&] { savefileasExecute(); }); });
    connect(acTextoutput, &QAction::triggered, this, [this] { guarded([&] { acTextoutputExecute(); }); });
    connect(acHtmloutput, &QAction::triggered, this, [this] { guarded([&] { acHtmloutputExecute(); }); });
    connect(N8, &QAction::triggered, this, [this] { guarded([&] { N8Click(); }); });
    connect(acPrintform, &QAction::triggered, this, [this] { guarded([&] { printform(); }); });
}

void TasmForm::showCurrentFileAsCaption()
{
    setWindowTitle(fromUtf8(m_assembly->currentFile()));
}

void TasmForm::openCommandLineFile(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        return;
    }
    const std::string path = arguments.first().toStdString();
    if (!rivet::fileExists(path)) {
        return; // a name that is not there is ignored without a message
    }
    rivet::loadAssembly(*m_assembly, path);
    m_assembly->setCurrentFile(path);
    showCurrentFileAsCaption();
}

void TasmForm::openfile()
{
    FileRequest request;
    request.filter = kAssemblyFilter;
    request.folder = fromUtf8(m_paths.garageDir);
    request.proposedName = baseName(m_assembly->currentFile()) + ".asm";
    const auto chosen = Dialogs::current().askFileName(this, request);
    if (!chosen) {
        return;
    }
    const std::string path = chosen->toStdString();
    rivet::loadAssembly(*m_assembly, path);
    change();
    m_assembly->logic().rangeChange();
    m_assembly->setCurrentFile(path);
    showCurrentFileAsCaption();
    m_assembly->setModified(false);
}

bool TasmForm::askFileName()
{
    FileRequest request;
    request.save = true;
    request.title = m_saveTitle;
    request.filter = m_saveFilter;
    request.filterIndex = 1;
    request.defaultSuffix = "asm";
    request.folder = fromUtf8(m_paths.garageDir);
    request.proposedName = baseName(m_assembly->currentFile());
    const auto chosen = Dialogs::current().askFileName(this, request);
    if (!chosen) {
        return false;
    }
    m_assembly->setCurrentFile(rivet::replaceExtension(chosen->toStdString(), ".asm"));
    showCurrentFileAsCaption();
    return true;
}

void TasmForm::acSaveExecute()
{
    m_saveFilter = kAssemblyFilter;
    m_saveTitle = kSaveTitle;
    if (m_assembly->currentFile() == "none" && !askFileName()) {
        return;
    }
    rivet::saveAssembly(*m_assembly, m_assembly->currentFile());
}

void TasmForm::savefileasExecute()
{
    m_saveFilter = kAssemblyFilter;
    m_saveTitle = kSaveTitle;
    if (askFileName()) {
        rivet::saveAssembly(*m_assembly, m_assembly->currentFile());
    }
}

int TasmForm::selectedTemplate(const QMenu* menu)
{
    const QList<QAction*> items = menu->actions();
    for (int i = 0; i < items.size(); ++i) {
        if (items[i]->isChecked()) {
            return i + 1;
        }
    }
    return 1;
}

bool TasmForm::exportText(bool toClipboard, int number)
{
    const std::string path = rivet::templatePath(m_paths.dataDir, rivet::ReportKind::Text, number);
    if (!rivet::fileExists(path)) {
        Dialogs::current().showMessage(this, fromUtf8(rivet::missingTemplateMessage(path)));
        return false;
    }
    if (toClipboard) {
        const std::string text = rivet::buildReportText(*m_assembly, m_paths.dataDir, rivet::ReportKind::Text, number);
        if (!DesktopServices::current().setClipboardText(fromUtf8(text))) {
            throw rivet::Failure("クリップボードを開くことができません");
        }
        return true;
    }
    const std::string report = rivet::buildReport(*m_assembly, m_paths.dataDir, rivet::ReportKind::Text, number);
    const std::string target = rivet::replaceExtension(m_assembly->currentFile(), ".txt");
    rivet::writeFileAtomically(target, report, rivet::formatText("ファイル %s を作成できません", target.c_str()));
    return true;
}

void TasmForm::exportHtml(int number)
{
    const std::string path = rivet::templatePath(m_paths.dataDir, rivet::ReportKind::Html, number);
    if (!rivet::fileExists(path)) {
        Dialogs::current().showMessage(this, fromUtf8(rivet::missingTemplateMessage(path)));
        return;
    }
    const std::string report = rivet::buildReport(*m_assembly, m_paths.dataDir, rivet::ReportKind::Html, number);
    const std::string target = rivet::replaceExtension(m_assembly->currentFile(), ".htm");
    rivet::writeFileAtomically(target, report, rivet::formatText("ファイル %s を作成できません", target.c_str()));
}

void TasmForm::acTextoutputExecute()
{
    m_saveFilter = "テンプレート（テキスト形式）|*.txt";
    m_saveTitle = "テキスト形式で出力";
    if (askFileName()) {
        exportText(false, selectedTemplate(mnTextType));
    }
}

void TasmForm::acHtmloutputExecute()
{
    m_saveFilter = "テンプレート(html形式)|*.htm";
    m_saveTitle = "html形式で出力";
    if (askFileName()) {
        exportHtml(selectedTemplate(mnHtmltype));
    }
}

void TasmForm::N8Click()
{
    // The clipboard always takes text template 1, whatever the text menu has marked.
    if (exportText(true, 1)) {
        Dialogs::current().showMessage(this, "クリップボードへコピーしました。");
    }
}

void TasmForm::printform()
{
    if (!Dialogs::current().confirmPrint(this)) {
        return;
    }
    // The client area: everything below the menu bar, as it is displayed now.
    const int top = menuBar()->isVisible() ? menuBar()->height() : 0;
    const QImage image = grab(QRect(0, top, width(), height() - top)).toImage();
    if (DesktopServices::current().printImage(image) == DesktopServices::PrintResult::NoDefaultPrinter) {
        throw rivet::Failure("デフォルト プリンタが存在しません");
    }
}
