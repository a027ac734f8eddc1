// Opening, saving and exporting the machine, and the clipboard copy.
#include "mainwindow/MachineEditor.h"

#include "common/Failure.h"
#include "document/DocumentService.h"
#include "sharing/TakeIn.h"
#include "widgets/DesktopServices.h"
#include "widgets/Dialogs.h"

#include <QFileInfo>

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

} // namespace

bool MachineEditor::maySetAside()
{
    if (!m_document.unsaved()) {
        return true;
    }
    switch (Dialogs::current().askToSave(this, saveQuestion())) {
    case Dialogs::SaveAnswer::Save:
        save();
        return !m_document.unsaved();
    case Dialogs::SaveAnswer::Discard:
        // The flow that asked replaces or closes the machine, which takes its recovery file
        // with it; a flow cancelled after all keeps both.
        return true;
    case Dialogs::SaveAnswer::Cancel:
        break;
    }
    return false;
}

QString MachineEditor::saveQuestion() const
{
    const QString name = m_document.hasFile() ? QFileInfo(fromUtf8(m_document.currentFile())).fileName()
                                              : fromUtf8(m_document.machine().machineName);
    return QString("「%1」への変更を保存しますか？").arg(name);
}

void MachineEditor::startNew()
{
    if (maySetAside()) {
        m_document.startNew();
        setCaption("Kosmoアセンブルツール ");
    }
}

bool MachineEditor::openFile(const QString& path)
{
    if (!maySetAside()) {
        return false;
    }
    openChosen(path);
    return true;
}

void MachineEditor::openChosen(const QString& path)
{
    m_document.open(path.toStdString());
    setCaption(fromUtf8(m_document.currentFile()));
    Q_EMIT fileUsed(path);
}

void MachineEditor::recover(const rivet::Machine& machine, const std::string& file)
{
    m_document.recover(machine, file);
    if (m_document.hasFile()) {
        setCaption(fromUtf8(file));
    }
}

void MachineEditor::open()
{
    if (!maySetAside()) {
        return;
    }
    FileRequest request;
    // A second entry for what is taken in rather than opened: machine cards and reports.
    request.filter = QString(kAssemblyFilter) + "|機体カード・レポート|*.png;*.txt;*.htm";
    request.folder = fromUtf8(m_workspace.paths.garageDir);
    request.proposedName = baseName(m_document.currentFile()) + ".asm";
    const auto chosen = Dialogs::current().askFileName(this, request);
    if (!chosen) {
        return;
    }
    if (rivet::isTakeInFileName(chosen->toStdString())) {
        // A card or a report: the player has already said what becomes of the machine.
        takeIn(machineFromFile(*chosen));
        return;
    }
    openChosen(*chosen);
}

bool MachineEditor::askFileName(const QString& filter, const QString& title)
{
    FileRequest request;
    request.save = true;
    request.title = title;
    request.filter = filter;
    request.filterIndex = 1;
    request.defaultSuffix = "asm";
    request.folder = fromUtf8(m_workspace.paths.garageDir);
    request.proposedName = baseName(m_document.currentFile());
    const auto chosen = Dialogs::current().askFileName(this, request);
    if (!chosen) {
        return false;
    }
    m_document.setFileName(chosen->toStdString());
    setCaption(fromUtf8(m_document.currentFile()));
    return true;
}

void MachineEditor::save()
{
    if (!m_document.hasFile() && !askFileName(kAssemblyFilter, kSaveTitle)) {
        return;
    }
    Q_EMIT fileUsed(fromUtf8(m_document.save()));
}

void MachineEditor::saveAs()
{
    if (askFileName(kAssemblyFilter, kSaveTitle)) {
        Q_EMIT fileUsed(fromUtf8(m_document.save()));
    }
}

bool MachineEditor::writeReport(rivet::ReportKind kind, int number)
{
    const auto notice = rivet::exportReport(m_document, m_workspace.paths.dataDir, kind, number,
                                            rivet::reportPath(m_document.currentFile(), kind));
    if (notice) {
        Dialogs::current().showMessage(this, fromUtf8(*notice));
    }
    return !notice;
}

void MachineEditor::exportText(int templateNumber)
{
    if (askFileName("テンプレート（テキスト形式）|*.txt", "テキスト形式で出力")) {
        writeReport(rivet::ReportKind::Text, templateNumber);
    }
}

void MachineEditor::exportHtml(int templateNumber)
{
    if (askFileName("テンプレート(html形式)|*.htm", "html形式で出力")) {
        writeReport(rivet::ReportKind::Html, templateNumber);
    }
}

void MachineEditor::copyReportToClipboard()
{
    // The clipboard always takes text template 1, whatever the text menu has marked.
    const std::string& dataDir = m_workspace.paths.dataDir;
    if (const auto notice = rivet::missingTemplate(dataDir, rivet::ReportKind::Text, 1)) {
        Dialogs::current().showMessage(this, fromUtf8(*notice));
        return;
    }
    const std::string text = rivet::buildReportText(m_document, dataDir, rivet::ReportKind::Text, 1);
    if (!DesktopServices::current().setClipboardText(fromUtf8(text))) {
        throw rivet::Failure("クリップボードを開くことができません");
    }
    Dialogs::current().showMessage(this, "クリップボードへコピーしました。");
}
