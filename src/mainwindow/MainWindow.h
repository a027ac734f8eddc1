#pragma once

#include "comparison/ChoicePreview.h"
#include "document/Assembly.h"
#include "document/ReportValues.h"
#include "startup/StartUp.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class AuxiliaryWindows;
class BackgroundPrograms;
class ColorAndPilotPage;
class PartsPage;
class PreviewPopup;
class QAction;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolBar;

// The main window: the page of parts and figures, the page of colours and pilot settings,
// the menus and the tool bar. Its handlers read what the player did, change the assembly
// through the planner's core and show the assembly again; the machine itself lives in the
// assembly.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const QStringList& arguments, QWidget* parent = nullptr);
    ~MainWindow() override;

    // False when the catalogue failed to load: the window then refuses to work with it.
    bool catalogueReady() const { return m_workspace.catalogueReady(); }
    rivet::Assembly& assembly() { return *m_assembly; }
    AuxiliaryWindows& auxiliaryWindows() { return *m_windows; }

    // The evaluation every change of the machine ends in: the assembly rules, the figures,
    // and the save action enabled.
    void reevaluate();

    // --- the document
    void open();
    void save();
    void saveAs();
    void exportText();
    void exportHtml();
    void copyReportToClipboard();
    void print();

    // --- tools
    // Opens the parts-list viewer on the catalogue of a button bb01..bb12.
    void showPartsList(QPushButton* button);
    void showDamageCalculator();
    void registerFileType();
    void showAbout();
    // The comparison window, with the current machine as its base the first time.
    void showComparison();
    // The optimiser's dialog "自動構成", following the current machine.
    void showOptimiser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void connectPartsPage();
    void connectColorAndPilotPage();
    void connectActions();
    // The previews of a choice and the comparison window (MainWindowPreview.cpp).
    void connectPreviews();
    // The optimiser's dialog and its proposals (MainWindowOptimiser.cpp).
    void connectOptimiser();

    void startUp(const QStringList& arguments);
    void openCommandLineFile(const QStringList& arguments);
    void refuseWork();
    // The status bar is made when there is first something to say in it; the window, of
    // fixed size, grows by its height.
    void fitStatusBar();
    void showStatus(const QString& text);
    void saveSettings();

    // What the player did on the parts page and in the parts-list viewer.
    void choosePart(rivet::Selector selector, int item);
    void pickPartFromList(rivet::Selector selector, int item);
    void tickOption(int n, bool ticked);

    // What choosing item `item` of cb<selector> would change, in the popup beside anchor.
    void showChoicePreview(rivet::Selector selector, int item, rivet::ChoiceWay way, const QRect& anchor);
    // The comparison's base: a copy of the current machine, or the machine of a file opened
    // beside the document without touching it.
    void pinComparisonBase();
    void compareWithFile();
    // A machine the optimiser proposed, put in as if the player had chosen its parts.
    void applyProposal(const rivet::Selection& proposal);

    // The shared save dialog: asks for the document's name; false when cancelled.
    bool askFileName(const QString& filter, const QString& title);
    // Writes the report through template N next to the document; false when it stopped.
    bool writeReport(rivet::ReportKind kind, int number);
    void showCurrentFileAsCaption();

    // Runs a handler; a failure stops it and is shown in the error box. The controls then
    // show the assembly again.
    void guarded(const std::function<void()>& handler);
    void refreshControls();

    rivet::Workspace m_workspace;
    std::unique_ptr<rivet::Assembly> m_assembly;

    QTabWidget* m_pages = nullptr;
    PartsPage* m_partsPage = nullptr;
    ColorAndPilotPage* m_colorAndPilotPage = nullptr;
    AuxiliaryWindows* m_windows = nullptr;
    int m_heightWithoutStatusBar = 0; // 0 while there is no status bar
    BackgroundPrograms* m_desktopCaches = nullptr; // rebuilding the desktop's caches

    QToolBar* m_toolBar = nullptr;
    QAction* acOpenfile = nullptr;
    QAction* acSave = nullptr;
    QAction* acSaveas = nullptr;
    QAction* acTextoutput = nullptr;
    QAction* acHtmloutput = nullptr;
    QAction* acCloseform = nullptr;
    QAction* acDamageform = nullptr;
    QAction* acPrintform = nullptr;
    QAction* acRegext = nullptr;
    QAction* acVersion = nullptr;
    QAction* acCompare = nullptr;
    QAction* acOptimise = nullptr;
    PreviewPopup* m_previewPopup = nullptr;
    QAction* m_copyToClipboard = nullptr;
    QAction* mnLongList = nullptr;
    QMenu* mnTextType = nullptr;
    QMenu* mnHtmltype = nullptr;
};
