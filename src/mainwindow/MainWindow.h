#pragma once

#include "startup/StartUp.h"

#include <QMainWindow>

#include <memory>

class AuxiliaryWindows;
class BackgroundPrograms;
class MachineEditor;
class Planner;
class QAction;
class QMenu;
class QToolBar;

namespace rivet {
struct TakenMachine;
}

// The main window: the shell around the machine's editor. It keeps the menus, the tool bar,
// the status bar and the settings, and routes every action that works on the machine to its
// editor; the tools that do not (printing the window, the file association, the about box)
// are its own. The program may show several, each with its machine; what they share (the
// start-up, the auxiliary windows, the recent files) is the Planner's.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const QStringList& arguments, QWidget* parent = nullptr);
    ~MainWindow() override;

    // False when the catalogue failed to load: the window then refuses to work with it.
    bool catalogueReady() const;
    MachineEditor& editor() { return *m_editor; }
    AuxiliaryWindows& auxiliaryWindows();
    Planner& planner() { return *m_planner; }

    void print();
    void registerFileType();
    void showAbout();

    // Taking in a machine someone shared: from the clipboard ("貼り付けて開く"), a card or
    // report file (opened or dropped). It opens in this window when its machine is saved,
    // and otherwise in a new window beside it.
    void pasteMachine();
    void takeInFile(const QString& path);
    void takeIn(const rivet::TakenMachine& taken);

protected:
    // Closing asks first when the machine is unsaved; キャンセル keeps the window.
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // An ".asm" file dropped on the window opens in it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildActions();
    void buildMenus();
    void fillRecentFiles();
    void openRecentFile(const QString& path);
    // The undo and redo items name the step they would take, or stay disabled.
    void showHistory();
    void buildToolBar();
    // The items of sharing, after the tool's own ones: "貼り付けて開く" in the file menu,
    // "機体コードをコピー" and "機体カードを保存…" in the tool menu; and dropped cards and reports.
    void addSharingItems(QMenu* fileMenu, QMenu* toolMenu);
    // Every action and auxiliary window that works on the machine goes to the editor.
    void routeToEditor();
    // The save action, the caption and the auxiliary windows follow the editor's document.
    void followEditor();

    void startUp(const QStringList& arguments);
    void refuseWork();
    // The status bar is made when there is first something to say in it; the window, of
    // fixed size, grows by its height.
    void fitStatusBar();
    void showStatus(const QString& text);
    void saveSettings();
    // The template number (1..3) a template menu has marked.
    static int selectedTemplate(const QMenu* menu);

    std::shared_ptr<Planner> m_planner;
    const rivet::Workspace& m_workspace;
    AuxiliaryWindows* m_windows = nullptr;
    MachineEditor* m_editor = nullptr;
    int m_heightWithoutStatusBar = 0; // 0 while there is no status bar
    BackgroundPrograms* m_desktopCaches = nullptr; // rebuilding the desktop's caches

    QToolBar* m_toolBar = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QAction* m_textExportAction = nullptr;
    QAction* m_htmlExportAction = nullptr;
    QAction* m_quitAction = nullptr;
    QAction* m_damageCalculatorAction = nullptr;
    QAction* m_printAction = nullptr;
    QAction* m_registerFileTypeAction = nullptr;
    QAction* m_aboutAction = nullptr;
    QAction* m_compareAction = nullptr;
    QAction* m_optimiseAction = nullptr;
    QAction* m_garageAction = nullptr;
    QAction* m_copyToClipboardAction = nullptr;
    QAction* m_longListAction = nullptr;
    QAction* m_newAction = nullptr;
    QAction* m_newWindowAction = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QMenu* m_recentMenu = nullptr;
    QAction* m_pasteMachineAction = nullptr;
    QAction* m_copyMachineCodeAction = nullptr;
    QAction* m_saveMachineCardAction = nullptr;
    QMenu* m_textTemplateMenu = nullptr;
    QMenu* m_htmlTemplateMenu = nullptr;
};
