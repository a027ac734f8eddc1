#include "mainwindow/Planner.h"

#include "common/Failure.h"
#include "mainwindow/MachineEditor.h"
#include "mainwindow/MainWindow.h"
#include "startup/RecentFiles.h"
#include "startup/RecoveryFolder.h"
#include "widgets/Dialogs.h"
#include "widgets/Guarded.h"
#include "windows/AuxiliaryWindows.h"
#include "windows/ComparisonWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QScreen>
#include <QSessionManager>

namespace {

const char* const kRecoveryQuestion = "前回保存されなかった機体があります。復元しますか？";

// How far a new window stands from the one it was opened from.
constexpr int kCascade = 28;

} // namespace

std::shared_ptr<Planner> Planner::shared()
{
    static std::weak_ptr<Planner> running;
    std::shared_ptr<Planner> planner = running.lock();
    if (!planner) {
        planner.reset(new Planner);
        running = planner;
    }
    return planner;
}

Planner::Planner()
{
    // Folders, default files, settings and catalogue; a failure is shown and the program goes
    // on as far as it got.
    m_started = runGuarded(
        nullptr, [&] { rivet::startUp(m_workspace, rivet::Paths::forExecutable(rivet::Paths::executablePath())); });
    m_longList = m_workspace.longList;
    m_recentFiles = std::make_unique<rivet::RecentFiles>(m_workspace.paths.recentFilesFile);
    if (m_started) {
        // Without its folder the work goes on, only unprotected against a crash.
        runGuarded(nullptr,
                   [&] { m_recovery = std::make_unique<rivet::RecoveryFolder>(m_workspace.paths.recoveryDir); });
    }
    m_windows = new AuxiliaryWindows(nullptr, this);
    routeToActiveEditor();
#ifndef QT_NO_SESSIONMANAGER
    // The desktop ending its session ends the program: every unsaved machine asks first.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
        if (!session.allowsInteraction()) {
            return;
        }
        for (MainWindow* window : mainWindows()) {
            bool mayGo = false;
            runGuarded(window, [&] { mayGo = window->editor().maySetAside(); });
            if (!mayGo) {
                session.cancel();
                break;
            }
        }
        session.release();
    });
#endif
}

Planner::~Planner()
{
    // The auxiliary windows read the parts table, the optimiser's search on a thread of its
    // own: they go before the workspace that holds it.
    m_windows->destroyAll();
}

void Planner::setLongList(bool longList)
{
    if (m_longList != longList) {
        m_longList = longList;
        Q_EMIT longListChanged(longList);
    }
}

void Planner::add(MainWindow* window)
{
    m_mainWindows << window;
    if (!m_active) {
        m_active = window;
    }
}

void Planner::remove(MainWindow* window)
{
    m_mainWindows.removeAll(window);
    if (m_active == window) {
        m_active = m_mainWindows.isEmpty() ? nullptr : m_mainWindows.last().data();
    }
}

QList<MainWindow*> Planner::mainWindows() const
{
    QList<MainWindow*> windows;
    for (const QPointer<MainWindow>& window : m_mainWindows) {
        if (window) {
            windows << window;
        }
    }
    return windows;
}

void Planner::activate(MainWindow* window)
{
    if (m_active == window) {
        return;
    }
    m_active = window;
    machineShown(window);
}

void Planner::machineShown(MainWindow* window)
{
    if (window == m_active && window->catalogueReady()) {
        m_windows->showMachine(window->editor().document().evaluation());
    }
}

MainWindow* Planner::openWindow()
{
    auto* window = new MainWindow(QStringList());
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (m_active && m_active != window) {
        window->move(m_active->pos() + QPoint(kCascade, kCascade));
    }
    window->show();
    window->raise();
    window->activateWindow();
    activate(window);
    return window;
}

void Planner::openKeepingWork(const QString& path)
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (MainWindow* window : mainWindows()) {
        const rivet::MachineDocument& document = window->editor().document();
        if (document.hasFile()
            && QFileInfo(QString::fromStdString(document.currentFile())).absoluteFilePath() == wanted) {
            window->raise();
            window->activateWindow();
            activate(window);
            return;
        }
    }
    MainWindow* window = m_active;
    const bool fresh = !window || window->editor().document().unsaved();
    if (fresh) {
        window = openWindow();
    }
    // A file that does not open leaves no empty window behind the message.
    if (!runGuarded(window, [&] { window->editor().openFile(path); }) && fresh) {
        window->close();
    }
}

bool Planner::closeAll()
{
    // The active window asks first; a cancel keeps it and every window after it.
    QList<MainWindow*> windows = mainWindows();
    if (m_active) {
        windows.removeAll(m_active.data());
        windows.prepend(m_active);
    }
    for (MainWindow* window : windows) {
        if (!window->close()) {
            return false;
        }
    }
    return true;
}

void Planner::windowClosing(MainWindow* window)
{
    const QList<MainWindow*> windows = mainWindows();
    if (windows.size() == 1 && windows.first() == window) {
        m_windows->closeAll();
    }
}

void Planner::offerRecovery()
{
    if (m_recoveryOffered || !m_recovery || !m_workspace.catalogueReady() || !m_active) {
        return;
    }
    m_recoveryOffered = true;
    const std::vector<rivet::RecoveryFolder::Orphan> orphans = m_recovery->takeOrphans();
    if (orphans.empty()) {
        m_recovery->discardOrphans();
        return;
    }
    MainWindow* first = m_active;
    const QStringList buttons = {"はい(&Y)", "いいえ(&N)"};
    if (Dialogs::current().askQuestion(first, kRecoveryQuestion, buttons) == 0) {
        // The first goes into the window that asked, unless it already holds the player's work.
        bool firstTaken = first->editor().document().unsaved() || first->editor().document().hasFile();
        for (const rivet::RecoveryFolder::Orphan& orphan : orphans) {
            MainWindow* window = firstTaken ? openWindow() : first;
            firstTaken = true;
            runGuarded(window, [&] { window->editor().recover(orphan.machine, orphan.file); });
        }
    }
    // Taken into windows of this run, which keep them under their own names from now on.
    m_recovery->discardOrphans();
}

MachineEditor* Planner::activeEditor() const
{
    return m_active ? &m_active->editor() : nullptr;
}

void Planner::onActiveEditor(const std::function<void(MachineEditor&)>& request)
{
    if (MachineEditor* editor = activeEditor()) {
        runGuarded(m_active, [&] { request(*editor); });
    }
}

void Planner::routeToActiveEditor()
{
    // Direct: the figures are recomputed before the viewer's press returns.
    connect(
        m_windows, &AuxiliaryWindows::partPicked, this,
        [this](rivet::Selector selector, int item) {
            onActiveEditor([&](MachineEditor& editor) { editor.pickPartFromList(selector, item); });
        },
        Qt::DirectConnection);
    // In the viewer the popup stands beside the window, level with the row under the pointer.
    connect(m_windows, &AuxiliaryWindows::partHovered, this,
            [this](rivet::Selector selector, int item, const QRect& anchor) {
                if (MachineEditor* editor = activeEditor()) {
                    editor->showChoicePreview(selector, item, anchor);
                }
            });
    connect(m_windows, &AuxiliaryWindows::partHoverEnded, this, [this] {
        if (MachineEditor* editor = activeEditor()) {
            editor->hideChoicePreview();
        }
    });
    connect(m_windows, &AuxiliaryWindows::comparisonPinRequested, this,
            [this] { onActiveEditor([](MachineEditor& editor) { editor.pinComparisonBase(); }); });
    connect(m_windows, &AuxiliaryWindows::comparisonFileRequested, this,
            [this] { onActiveEditor([](MachineEditor& editor) { editor.compareWithFile(); }); });
    connect(m_windows, &AuxiliaryWindows::comparisonOpenMachineRequested, this, &Planner::chooseOpenMachineAsBase);
    connect(m_windows, &AuxiliaryWindows::garageMachineChosen, this, &Planner::openKeepingWork);
    connect(m_windows, &AuxiliaryWindows::optimiserMachineChosen, this, [this](const rivet::Selection& proposal) {
        onActiveEditor([&](MachineEditor& editor) { editor.applyProposal(proposal); });
    });
}

// "開いている機体と比較": the machine of any other main window becomes the comparison's base.
void Planner::chooseOpenMachineAsBase(const QPoint& at)
{
    if (!m_workspace.catalogueReady()) {
        return;
    }
    ComparisonWindow* comparison = m_windows->comparison(m_workspace.table);
    auto* menu = new QMenu(comparison);
    menu->setObjectName("mnOpenMachines");
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (MainWindow* window : mainWindows()) {
        if (window == m_active) {
            continue;
        }
        const rivet::MachineDocument& document = window->editor().document();
        const QString file = document.hasFile() ? QFileInfo(QString::fromStdString(document.currentFile())).fileName()
                                                : QString("ファイルなし");
        const QString description
            = QString("%1（%2）").arg(QString::fromStdString(document.machine().machineName), file);
        QAction* item = menu->addAction(description);
        connect(item, &QAction::triggered, comparison,
                [comparison, source = QPointer<MainWindow>(window), description] {
                    if (source) {
                        comparison->setBase(source->editor().document().evaluation(), description);
                    }
                });
    }
    if (menu->isEmpty()) {
        menu->addAction("ほかに開いている機体はありません")->setEnabled(false);
    }
    menu->popup(at);
}
