#include "mainwindow/MainWindow.h"

#include "mainwindow/MachineEditor.h"
#include "startup/Settings.h"
#include "widgets/Fonts.h"
#include "widgets/Guarded.h"
#include "windows/AuxiliaryWindows.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>

MainWindow::MainWindow(const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName("asmForm");
    setWindowTitle("Kosmoアセンブルツール ");
    setFont(Fonts::toolFont()); // the fixed layout, whatever font the desktop's theme sets
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    buildActions();
    buildMenus();
    buildToolBar();
    m_windows = new AuxiliaryWindows(this);
    m_editor = new MachineEditor(m_workspace, *m_windows, this);
    setCentralWidget(m_editor);
    routeToEditor();
    followEditor();
    startUp(arguments);
}

MainWindow::~MainWindow()
{
    // The other windows read the parts table, the optimiser's search on a thread of its own:
    // they go before the workspace that holds it.
    m_windows->destroyAll();
}

void MainWindow::startUp(const QStringList& arguments)
{
    // The first page, at a fixed size, in the middle of the desktop.
    m_editor->setCurrentIndex(0);
    adjustSize();
    setFixedSize(sizeHint());
    if (QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    // Folders, default files, settings and catalogue; a failure is shown and the window goes
    // on as far as it got.
    const bool started = runGuarded(
        this, [&] { rivet::startUp(m_workspace, rivet::Paths::forExecutable(rivet::Paths::executablePath())); });
    m_longListAction->setChecked(m_workspace.longList);
    m_editor->start(started, m_longListAction->isChecked(), arguments);
    if (!catalogueReady()) {
        runGuarded(this, [this] { refuseWork(); });
    }
}

void MainWindow::followEditor()
{
    connect(m_editor, &MachineEditor::captionChanged, this, &QWidget::setWindowTitle);
    connect(m_editor, &MachineEditor::statusRequested, this, &MainWindow::showStatus);
    connect(m_editor, &MachineEditor::documentShown, this, [this] {
        m_saveAction->setEnabled(m_editor->saveEnabled());
        if (catalogueReady()) {
            m_windows->showMachine(m_editor->document().evaluation());
        }
    });
}

// After a catalogue failure the table is half loaded: nothing may read it. The pages and
// every action that works on the machine stay disabled; closing and the about box remain.
void MainWindow::refuseWork()
{
    for (QAction* action :
         {m_openAction, m_saveAction, m_saveAsAction, m_textExportAction, m_htmlExportAction, m_damageCalculatorAction,
          m_printAction, m_copyToClipboardAction, m_compareAction, m_optimiseAction}) {
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
    runGuarded(this, [&] {
        fitStatusBar();
        statusBar()->showMessage(text);
    });
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
    runGuarded(this, [&] { rivet::writeLongList(m_workspace.paths.settingsFile, m_longListAction->isChecked()); });
}
