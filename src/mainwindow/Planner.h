#pragma once

#include "startup/StartUp.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

class AuxiliaryWindows;
class MainWindow;
class MachineEditor;

namespace rivet {
class RecentFiles;
class RecoveryFolder;
} // namespace rivet

// What the running program shares between its main windows: the start-up (folders,
// settings, catalogue) done once, the auxiliary windows, the long-list setting, the recent
// files and the recovery folder. It is made with the first main window and goes with the
// last. The auxiliary windows serve the main window that was active last: a pick in the
// parts-list viewer, "適用" in the optimiser and the comparison's requests go to its editor,
// and the comparison and the optimiser follow its machine, as one set of tools on the
// desk follows whichever machine the player turns to.
class Planner : public QObject
{
    Q_OBJECT

public:
    // The planner of this run; the first call starts it up (a failure is shown and the
    // planner goes on as far as it got).
    static std::shared_ptr<Planner> shared();
    ~Planner() override;

    const rivet::Workspace& workspace() const { return m_workspace; }
    bool started() const { return m_started; }
    AuxiliaryWindows& auxiliaryWindows() { return *m_windows; }
    rivet::RecentFiles& recentFiles() { return *m_recentFiles; }
    // Nothing when the folder could not be made (the work goes on without it).
    rivet::RecoveryFolder* recovery() { return m_recovery.get(); }
    int nextMachineNumber() { return ++m_machines; }

    bool longList() const { return m_longList; }
    void setLongList(bool longList);

    // --- the main windows
    void add(MainWindow* window);
    void remove(MainWindow* window);
    void activate(MainWindow* window);
    QList<MainWindow*> mainWindows() const;
    MainWindow* activeWindow() const { return m_active; }
    // "新しいウィンドウ": another main window with a fresh machine, shown beside the active one.
    MainWindow* openWindow();
    // A machine file chosen outside the main windows (in the garage): the window that has it
    // open comes to the front; otherwise it opens in the active window, or in a new one beside
    // it while the active machine has unsaved changes, so that nothing is asked or lost.
    void openKeepingWork(const QString& path);
    // "終了": closes every main window, each asking first; false when one stayed open.
    bool closeAll();
    // A main window is closing: the last takes the auxiliary windows with it.
    void windowClosing(MainWindow* window);
    // The machines a crashed run left behind, offered once after the first window is shown.
    void offerRecovery();
    // The machine of a window changed: the auxiliary windows follow it when it is active.
    void machineShown(MainWindow* window);

Q_SIGNALS:
    void longListChanged(bool longList);
    void recentFilesChanged();

private:
    Planner();
    MachineEditor* activeEditor() const;
    void routeToActiveEditor();
    // Runs a request of the auxiliary windows on the active editor, failures shown over it.
    void onActiveEditor(const std::function<void(MachineEditor&)>& request);
    void chooseOpenMachineAsBase(const QPoint& at);

    rivet::Workspace m_workspace;
    bool m_started = false;
    bool m_longList = true;
    AuxiliaryWindows* m_windows = nullptr;
    std::unique_ptr<rivet::RecentFiles> m_recentFiles;
    std::unique_ptr<rivet::RecoveryFolder> m_recovery;
    QList<QPointer<MainWindow>> m_mainWindows;
    QPointer<MainWindow> m_active;
    int m_machines = 0;
    bool m_recoveryOffered = false;
};
