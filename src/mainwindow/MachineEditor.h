#pragma once

#include "comparison/ChoicePreview.h"
#include "document/MachineDocument.h"
#include "document/ReportValues.h"
#include "sharing/TakenMachine.h"
#include "startup/StartUp.h"

#include <QTabWidget>
#include <QTimer>

#include <functional>

class AuxiliaryWindows;
class BreakdownPopup;
class ColorAndPilotPage;
class PartsPage;
class PreviewPopup;
class QAction;
class QPushButton;

namespace rivet {
class RecoveryFolder;
}

// One machine being worked on: its document and the two pages that show it, "機体構成" and
// "その他", with every flow that works on the machine (open, save, export, the parts-list
// viewer's pick, the damage calculator, comparison, the optimiser's proposals). The pages
// report what the player did; the editor passes it to the document, and the document's
// listener writes the pages back. The main window around it keeps the menus, the tool bar,
// the status bar and the settings, and routes its actions here.
class MachineEditor : public QTabWidget
{
    Q_OBJECT

public:
    MachineEditor(const rivet::Workspace& workspace, AuxiliaryWindows& windows, QWidget* parent = nullptr);

    rivet::MachineDocument& document() { return m_document; }
    const rivet::MachineDocument& document() const { return m_document; }
    // False when the catalogue failed to load: the editor then refuses to work with it.
    bool catalogueReady() const { return m_workspace.catalogueReady(); }
    // The save action "上書保存": enabled as the document keeps it, never without a catalogue.
    bool saveEnabled() const { return catalogueReady() && m_document.saveEnabled(); }
    // The window caption: "Kosmoアセンブルツール " until a file is opened or named.
    QString caption() const { return m_caption; }

    // The start's part of the machine: the selectors filled from what loaded, then (when the
    // start got that far) the option boxes, the fresh machine, the drop-down lengths, and a
    // file named as the first argument. Without a catalogue the pages are disabled.
    void start(bool started, bool longList, const QStringList& arguments);

    // Keeps the machine, while it is unsaved, as machine n of the recovery folder.
    void keepForRecovery(rivet::RecoveryFolder* recovery, int n);
    // The window's undo and redo stand in for the text fields' own: Ctrl+Z in a field and
    // its context menu go through the document's one history.
    void useForFieldUndo(QAction* undo, QAction* redo);

    // --- the document's flows
    // Before the machine is closed or replaced: when it is unsaved, "保存しますか？" with
    // 保存 (the save flow; cancelling its dialog cancels), 保存しない and キャンセル. True when
    // the machine may go; a machine that is not unsaved goes without a question.
    bool maySetAside();
    // The question's text: the file's name, or the machine's name without a file.
    QString saveQuestion() const;
    // "新規作成": a fresh machine, as a fresh start shows it.
    void startNew();
    // Opens the file of that name (a drop, the recent files, the garage), asking first when
    // unsaved.
    // False when the player cancelled.
    bool openFile(const QString& path);
    // A machine given back after a crash.
    void recover(const rivet::Machine& machine, const std::string& file);
    // The machine goes without being kept: its recovery file goes with it.
    void dropRecovery();
    void undo();
    void redo();
    void open();
    void save();
    void saveAs();
    // Through template N (1..3) of the export menus.
    void exportText(int templateNumber);
    void exportHtml(int templateNumber);
    void copyReportToClipboard();

    // --- sharing the machine: as a code, a card, and taking one in
    // The machine code on the clipboard; the status bar says so.
    void copyMachineCode();
    // "機体カードを保存…": the card as a PNG that carries the code, where the player chooses.
    void saveMachineCard();
    // The card's PNG file: drawn in the editor's font at its screen's pixel ratio, its
    // machine code in a text chunk.
    std::string machineCardPng() const;
    // What the clipboard holds (a card's file or image, a code, a report), or what a card or
    // report file holds; fails with the reason when it is none of them.
    rivet::TakenMachine machineFromClipboard() const;
    rivet::TakenMachine machineFromFile(const QString& path) const;
    // The machine taken in replaces this one, unsaved and without a file; the player is told
    // of any part this catalogue lacks.
    void takeIn(const rivet::TakenMachine& taken);

    // --- the tools that work on the machine
    // Opens the parts-list viewer on the catalogue of a button bb01..bb12.
    void showPartsList(QPushButton* button);
    void showDamageCalculator();
    // The comparison window, with the current machine as its base the first time.
    void showComparison();
    // The optimiser's dialog "自動構成", following the current machine.
    void showOptimiser();
    // The garage "ガレージ" over the garage folder (or the folder the player chose there).
    void showGarage();

    // What the auxiliary windows ask of the machine.
    void pickPartFromList(rivet::Selector selector, int item);
    // A machine the optimiser proposed, put in as if the player had chosen its parts.
    void applyProposal(const rivet::Selection& proposal);
    // The comparison's base: a copy of the current machine, or the machine of a file opened
    // beside the document without touching it.
    void pinComparisonBase();
    void compareWithFile();
    // What choosing item `item` of cb<selector> would change, in the popup beside anchor.
    void showChoicePreview(rivet::Selector selector, int item, const QRect& anchor);
    void hideChoicePreview();
    // Why the figure is what it is, in the popup beside anchor.
    void showBreakdown(rivet::Figure figure, const QRect& anchor);
    void hideBreakdown();

Q_SIGNALS:
    // The pages show the document again after a change of the machine, its file or its
    // saved state.
    void documentShown();
    void captionChanged(const QString& caption);
    // A file was opened or saved, for the recent files.
    void fileUsed(const QString& path);
    // A short notice for the status bar.
    void statusRequested(const QString& text);
    // The open dialog chose a card or a report: the shell decides where it is taken in.

private:
    void connectPartsPage();
    void connectColorAndPilotPage();
    // Runs a handler; a failure stops it and is shown in the error box.
    void guarded(const std::function<void()>& handler);
    void showDocument();
    // A breakdown in view follows the machine it explains.
    void refreshBreakdown();
    void explain();
    void setCaption(const QString& caption);
    // The recovery file follows the document: written soon after a change while the machine
    // is unsaved, removed as soon as it is not.
    void followForRecovery();
    void writeRecovery();
    void openChosen(const QString& path);

    // The shared save dialog: asks for the document's name; false when cancelled.
    bool askFileName(const QString& filter, const QString& title);
    // Writes the report through template N next to the document; false when it stopped.
    bool writeReport(rivet::ReportKind kind, int number);

    const rivet::Workspace& m_workspace;
    AuxiliaryWindows& m_windows;
    rivet::MachineDocument m_document;
    PartsPage* m_partsPage = nullptr;
    ColorAndPilotPage* m_colorAndPilotPage = nullptr;
    PreviewPopup* m_previewPopup = nullptr;
    BreakdownPopup* m_breakdownPopup = nullptr;
    rivet::Figure m_explained = rivet::Figure::Ap; // the figure the breakdown popup shows
    QString m_caption;
    rivet::RecoveryFolder* m_recovery = nullptr;
    int m_recoveryNumber = 0;
    QTimer m_recoveryDelay;
};
