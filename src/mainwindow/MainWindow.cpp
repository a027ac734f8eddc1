#include "mainwindow/MainWindow.h"

#include "common/ErrorText.h"
#include "common/TextFile.h"
#include "document/AssemblyFile.h"
#include "document/NewAssembly.h"
#include "mainwindow/ColorAndPilotPage.h"
#include "mainwindow/PartsPage.h"
#include "startup/Settings.h"
#include "widgets/Dialogs.h"
#include "widgets/Fonts.h"
#include "widgets/Guarded.h"
#include "windows/AuxiliaryWindows.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

MainWindow::MainWindow(const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent)
    , m_assembly(std::make_unique<rivet::Assembly>(m_workspace.table))
{
    setObjectName("asmForm");
    setWindowTitle("Kosmoアセンブルツール ");
    setFont(Fonts::toolFont()); // the fixed layout, whatever font the desktop's theme sets
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    buildMenus();
    m_pages = new QTabWidget(this);
    m_pages->setObjectName("PageControl1");
    m_pages->setFixedSize(569, 475);
    m_partsPage = new PartsPage;
    m_colorAndPilotPage = new ColorAndPilotPage;
    m_pages->addTab(m_partsPage, "機体構成");
    m_pages->addTab(m_colorAndPilotPage, "その他");
    setCentralWidget(m_pages);
    m_windows = new AuxiliaryWindows(this);
    connectPartsPage();
    connectColorAndPilotPage();
    connectActions();
    connectPreviews();
    connectOptimiser();
    startUp(arguments);
}

MainWindow::~MainWindow()
{
    // The other windows read the parts table, the optimiser's search on a thread of its own:
    // they go before the workspace that holds it.
    m_windows->destroyAll();
}

void MainWindow::guarded(const std::function<void()>& handler)
{
    runGuarded(this, handler);
    runGuarded(this, [this] { refreshControls(); });
}

void MainWindow::startUp(const QStringList& arguments)
{
    // The first page, at a fixed size, in the middle of the desktop.
    m_pages->setCurrentIndex(0);
    adjustSize();
    setFixedSize(sizeHint());
    if (QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    // Folders, default files, settings and catalogue; a failure is shown and the window goes
    // on as far as it got.
    const bool started = runGuarded(
        this, [&] { rivet::startUp(m_workspace, rivet::Paths::forExecutable(rivet::Paths::executablePath())); });
    mnLongList->setChecked(m_workspace.longList);
    m_partsPage->fillSelectors(m_workspace.table, m_workspace.loadedSlots);
    if (started) {
        runGuarded(this, [&] {
            m_partsPage->fillOptionBoxes(m_workspace.table);
            // The machine a fresh start shows; the drop-down lengths follow the setting read
            // now, so a change of "ロングリスト" shows at the next start.
            rivet::prepareNewAssembly(*m_assembly);
            m_partsPage->setDropDownLengths(mnLongList->isChecked());
            openCommandLineFile(arguments);
            reevaluate();
            m_assembly->logic().rangeChange();
        });
    }
    runGuarded(this, [this] {
        if (!catalogueReady()) {
            refuseWork();
        }
        refreshControls();
    });
}

void MainWindow::openCommandLineFile(const QStringList& arguments)
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

// After a catalogue failure the table is half loaded: nothing may read it. The pages and
// every action that works on the assembly stay disabled; closing and the about box remain.
void MainWindow::refuseWork()
{
    m_pages->setEnabled(false);
    for (QAction* action : {acOpenfile, acSave, acSaveas, acTextoutput, acHtmloutput, acDamageform, acPrintform,
                            m_copyToClipboard, acCompare, acOptimise}) {
        action->setEnabled(false);
    }
    // A notice of its own in the status bar, not a status message: a message is cut at the
    // window's edge and goes as soon as a menu item shows its hint there.
    auto* notice = new QLabel(
        "部品データを読み込めなかったため、作業できません。data フォルダのファイルを直して再起動してください。");
    notice->setObjectName("lbRefusal");
    notice->setWordWrap(true);
    notice->setContentsMargins(2, 0, 6, 0);
    statusBar()->addPermanentWidget(notice, 1);
    // The window keeps its width and grows by the notice's wrapped lines.
    fitStatusBar();
}

void MainWindow::fitStatusBar()
{
    QStatusBar* bar = statusBar();
    if (m_heightWithoutStatusBar == 0) {
        m_heightWithoutStatusBar = height();
        bar->setSizeGripEnabled(false);
    }
    const int barHeight = bar->hasHeightForWidth() ? bar->heightForWidth(width()) : bar->sizeHint().height();
    setFixedHeight(m_heightWithoutStatusBar + barHeight);
}

void MainWindow::showStatus(const QString& text)
{
    fitStatusBar();
    statusBar()->showMessage(text);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    saveSettings();
    // The other windows go with the main window, and with them the program; nothing stops
    // the closing.
    runGuarded(this, [this] { m_windows->closeAll(); });
    event->accept();
}

void MainWindow::saveSettings()
{
    // Without folders (no home folder was found) there is nowhere to keep the settings.
    if (m_workspace.paths.settingsFile.empty()) {
        return;
    }
    // The window closes even when the settings cannot be written.
    runGuarded(this, [&] { rivet::writeLongList(m_workspace.paths.settingsFile, mnLongList->isChecked()); });
}

void MainWindow::refreshControls()
{
    m_partsPage->showAssembly(*m_assembly, catalogueReady());
    m_colorAndPilotPage->showEditors(m_assembly->colors(), m_assembly->logic());
    acSave->setEnabled(catalogueReady() && m_assembly->modified());
    if (catalogueReady()) {
        m_windows->showMachine(m_assembly->evaluation());
    }
}
