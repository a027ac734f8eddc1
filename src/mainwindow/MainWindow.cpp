#include "mainwindow/MainWindow.h"

#include "mainwindow/MachineEditor.h"
#include "mainwindow/Planner.h"
#include "startup/RecentFiles.h"
#include "startup/Settings.h"
#include "widgets/Fonts.h"
#include "widgets/Guarded.h"
#include "windows/AuxiliaryWindows.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

MainWindow::MainWindow(const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent)
    , m_planner(Planner::shared())
    , m_workspace(m_planner->workspace())
    , m_windows(&m_planner->auxiliaryWindows())
{
    setObjectName("asmForm");
    setWindowTitle("Kosmoアセンブルツール ");
    setFont(Fonts::toolFont()); // the fixed layout, whatever font the desktop's theme sets
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setAcceptDrops(true);
    buildActions();
    buildMenus();
    buildToolBar();
    m_editor = new MachineEditor(m_workspace, *m_windows, this);
    setCentralWidget(m_editor);
    m_editor->useForFieldUndo(m_undoAction, m_redoAction);
    m_planner->add(this);
    routeToEditor();
    followEditor();
    startUp(arguments);
}

MainWindow::~MainWindow()
{
    // The editor's document reads the planner's catalogue: it goes first.
    delete m_editor;
    m_planner->remove(this);
}

bool MainWindow::catalogueReady() const
{
    return m_workspace.catalogueReady();
}

AuxiliaryWindows& MainWindow::auxiliaryWindows()
{
    return *m_windows;
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
    m_longListAction->setChecked(m_planner->longList());
    m_editor->start(m_planner->started(), m_planner->longList(), arguments);
    if (!catalogueReady()) {
        runGuarded(this, [this] { refuseWork(); });
    }
    if (m_planner->recovery()) {
        m_editor->keepForRecovery(m_planner->recovery(), m_planner->nextMachineNumber());
    }
    // Once the first window stands, the machines a crashed run left behind are offered.
    QTimer::singleShot(0, m_planner.get(), [planner = m_planner.get()] { planner->offerRecovery(); });
}

void MainWindow::followEditor()
{
    connect(m_editor, &MachineEditor::captionChanged, this, &QWidget::setWindowTitle);
    connect(m_editor, &MachineEditor::statusRequested, this, &MainWindow::showStatus);
    connect(m_editor, &MachineEditor::documentShown, this, [this] {
        m_saveAction->setEnabled(m_editor->saveEnabled());
        showHistory();
        m_planner->machineShown(this);
    });
    connect(m_editor, &MachineEditor::fileUsed, this, [this](const QString& path) {
        runGuarded(this, [&] {
            m_planner->recentFiles().add(path.toStdString());
            Q_EMIT m_planner->recentFilesChanged();
        });
    });
    connect(m_planner.get(), &Planner::longListChanged, m_longListAction, &QAction::setChecked);
    connect(m_longListAction, &QAction::toggled, m_planner.get(), &Planner::setLongList);
}

void MainWindow::showHistory()
{
    const rivet::MachineDocument& document = m_editor->document();
    const bool working = catalogueReady();
    m_undoAction->setEnabled(working && document.canUndo());
    m_undoAction->setText(document.canUndo() ? "元に戻す: " + QString::fromStdString(document.undoName())
                                             : QString("元に戻す"));
    m_redoAction->setEnabled(working && document.canRedo());
    m_redoAction->setText(document.canRedo() ? "やり直し: " + QString::fromStdString(document.redoName())
                                             : QString("やり直し"));
}

// After a catalogue failure the table is half loaded: nothing may read it. The pages and
// every action that works on the machine stay disabled; closing and the about box remain.
void MainWindow::refuseWork()
{
    for (QAction* action :
         {m_openAction, m_saveAction, m_saveAsAction, m_textExportAction, m_htmlExportAction, m_damageCalculatorAction,
          m_printAction, m_copyToClipboardAction, m_compareAction, m_optimiseAction, m_newAction, m_newWindowAction,
          m_undoAction, m_redoAction, m_pasteMachineAction, m_copyMachineCodeAction, m_saveMachineCardAction}) {
        action->setEnabled(false);
    }
    m_recentMenu->setEnabled(false);
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
    // Closing the machine asks first when it is unsaved; a failed save keeps the window too.
    bool mayClose = false;
    runGuarded(this, [&] { mayClose = m_editor->maySetAside(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    m_editor->dropRecovery();
    saveSettings();
    // The last main window takes the other windows with it, and with them the program.
    runGuarded(this, [this] { m_planner->windowClosing(this); });
    m_planner->remove(this);
    event->accept();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_planner->activate(this);
    }
}

namespace {

// The local file a drag carries; empty for anything else.
QString droppedFile(const QMimeData* data)
{
    if (!data->hasUrls() || data->urls().isEmpty() || !data->urls().first().isLocalFile()) {
        return {};
    }
    return data->urls().first().toLocalFile();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (catalogueReady() && !droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (!path.isEmpty()) {
        event->acceptProposedAction();
        runGuarded(this, [&] { m_editor->openFile(path); });
    }
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
