#pragma once

#include "evaluation/MachineEvaluation.h"

#include <QSet>
#include <QWidget>

#include <string>
#include <vector>

class GarageFolderTree;
class GarageLoader;
class GarageModel;
class QAction;
class QCheckBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
class RequirementTable;

// "ガレージ": every machine below a folder (the garage by default) as one row, with its
// names, last change and sixteen figures, sorted by any column and filtered by text, bounds
// and soundness as the player types. The rows are read on a thread of their own and appear as
// they are ready; the list follows the disk, reading again only the files that changed. A row
// opens as the machine being worked on; two rows are compared; files are duplicated, renamed
// and moved to the desktop's trash. Modeless; the folder chosen and the columns shown are kept
// in a file of its own beside the settings file.
class GarageWindow : public QWidget
{
    Q_OBJECT

public:
    // `garageFolder` is where it looks unless the player chose another folder before.
    GarageWindow(const rivet::PartsTable& table, const QString& garageFolder, const QString& settingsFile,
                 QWidget* parent = nullptr);
    ~GarageWindow() override;

    // The folder shown, ending in "/".
    QString folder() const { return m_folder; }
    // Shows another folder (and remembers it).
    void showFolder(const QString& folder);
    const GarageModel& model() const { return *m_model; }
    // Whether rows are still being read.
    bool reading() const;
    // The machine being worked on, where a new requirement starts when no row is chosen.
    void showCurrentMachine(const rivet::MachineTotals& totals) { m_workedOn = totals; }

Q_SIGNALS:
    // The machine of that file is to become the one being worked on.
    void machineOpenRequested(const QString& path);
    // "比較" of two rows: the first is the base.
    void comparisonRequested(const rivet::MachineEvaluation& base, const QString& baseName,
                             const rivet::MachineEvaluation& other, const QString& otherName);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildFilters();
    QTableView* buildTable();
    void buildRowActions();
    void connectLoader();

    // Looks at the folder again now, or as soon as the running look is done.
    void lookAgain();
    void watchFolders(const std::vector<std::string>& folders);
    void applyFilter();
    void showStatus();
    void keepSelection();
    void restoreSelection();
    // The message of a file that cannot be opened stands in place of its sixteen figures.
    void spanMessages();

    void showColumnMenu(const QPoint& at);
    void showRowMenu(const QPoint& at);
    void chooseFolder();
    void openRow(int row);
    void openCurrent();
    void compareSelected();
    void updateActions();
    // The files of the selected rows, relative to the folder, in the order they were chosen.
    QStringList selectedFiles() const;
    void duplicateSelected();
    void renameCurrent();
    void trashSelected();

    void loadSettings();
    void saveSettings() const;

    const rivet::PartsTable& m_table;
    QString m_garageFolder;
    QString m_settingsFile;
    QString m_folder;
    GarageModel* m_model = nullptr;
    GarageLoader* m_loader = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
    QTimer* m_settle = nullptr; // a burst of changes on the disk is one look
    QTimer* m_poll = nullptr; // edits in place, which no folder reports
    GarageFolderTree* m_folders = nullptr;
    QLabel* m_folderLabel = nullptr;
    QLineEdit* m_filter = nullptr;
    QCheckBox* m_soundOnly = nullptr;
    RequirementTable* m_requirements = nullptr;
    QTableView* m_view = nullptr;
    QLabel* m_status = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_compareAction = nullptr;
    QAction* m_duplicateAction = nullptr;
    QAction* m_renameAction = nullptr;
    QAction* m_trashAction = nullptr;

    rivet::MachineTotals m_workedOn;
    int m_look = 0;
    bool m_lookPending = false;
    int m_toRead = 0;
    int m_read = 0;
    QString m_failure; // why the folder could not be looked at
    // What the list keeps through a rearrangement.
    QStringList m_keptSelection;
    QString m_keptCurrent;
    int m_keptScroll = 0;
    // Files to select once they appear (a duplicate, a renamed file).
    QSet<QString> m_selectWhenShown;
};
