#include "windows/GarageWindow.h"

#include "widgets/Guarded.h"
#include "windows/GarageFolderTree.h"
#include "windows/GarageLoader.h"
#include "windows/GarageModel.h"
#include "windows/RequirementTable.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Changes on the disk come in bursts (a save writes a temporary file, then renames it).
constexpr int kSettleMilliseconds = 100;
// Edits in place are only seen by looking: the list is at most this late for them.
constexpr int kPollMilliseconds = 1000;

// The key a column is remembered by: "name", "pilot", "modified", "ed1".., "cb1".., "options".
QString columnKey(const rivet::GarageColumn& column)
{
    using Kind = rivet::GarageColumn::Kind;
    switch (column.kind) {
    case Kind::File:
        return "file";
    case Kind::MachineName:
        return "name";
    case Kind::PilotName:
        return "pilot";
    case Kind::Modified:
        return "modified";
    case Kind::Figure:
        return rivet::describe(column.figure).labelName;
    case Kind::Part:
        return QString::fromStdString(rivet::selectorName(column.selector));
    case Kind::Options:
        return "options";
    }
    return {};
}

// The parts and the options are there to be asked for; the figures are what the list is for.
bool shownAtFirst(const rivet::GarageColumn& column)
{
    return column.kind != rivet::GarageColumn::Kind::Part && column.kind != rivet::GarageColumn::Kind::Options;
}

QString withSlash(const QString& folder)
{
    return folder.endsWith('/') ? folder : folder + '/';
}

} // namespace

GarageWindow::GarageWindow(const rivet::PartsTable& table, const QString& garageFolder, const QString& settingsFile,
                           QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_table(table)
    , m_garageFolder(withSlash(garageFolder))
    , m_settingsFile(settingsFile)
    , m_folder(m_garageFolder)
    , m_model(new GarageModel(table, this))
    , m_loader(new GarageLoader(table, this))
    , m_watcher(new QFileSystemWatcher(this))
    , m_settle(new QTimer(this))
    , m_poll(new QTimer(this))
{
    setObjectName("GarageWindow");
    setWindowTitle("ガレージ");

    m_folderLabel = new QLabel(this);
    m_folderLabel->setObjectName("lbGarageFolder");
    m_folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* choose = new QPushButton("フォルダを選ぶ…", this);
    choose->setObjectName("btChooseFolder");
    connect(choose, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { chooseFolder(); }); });
    auto* top = new QHBoxLayout;
    top->addWidget(choose);
    top->addWidget(m_folderLabel, 1);

    m_folders = new GarageFolderTree(this);
    connect(m_folders, &GarageFolderTree::folderChosen, this, &GarageWindow::applyFilter);
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(buildFilters());
    rightLayout->addWidget(m_requirements);
    rightLayout->addWidget(buildTable(), 1);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_folders);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({180, 820});

    m_status = new QLabel(this);
    m_status->setObjectName("lbGarageStatus");
    const auto button = [this](QAction* action, const char* name) {
        auto* pressable = new QPushButton(action->text(), this);
        pressable->setObjectName(name);
        pressable->setEnabled(action->isEnabled());
        connect(pressable, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::changed, pressable,
                [pressable, action] { pressable->setEnabled(action->isEnabled()); });
        return pressable;
    };
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(button(m_openAction, "btGarageOpen"));
    bottom->addWidget(button(m_compareAction, "btGarageCompare"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);
    resize(1000, 640);

    connectLoader();
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMilliseconds);
    connect(m_settle, &QTimer::timeout, this, &GarageWindow::lookAgain);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_settle, qOverload<>(&QTimer::start));
    m_poll->setInterval(kPollMilliseconds);
    connect(m_poll, &QTimer::timeout, this, &GarageWindow::lookAgain);

    loadSettings();
    m_folderLabel->setText(QDir::toNativeSeparators(m_folder));
    m_model->setTextColor(palette().color(QPalette::Text));
    updateActions();
}

GarageWindow::~GarageWindow() = default;

QWidget* GarageWindow::buildFilters()
{
    auto* filters = new QWidget(this);
    m_filter = new QLineEdit(filters);
    m_filter->setObjectName("edGarageFilter");
    m_filter->setPlaceholderText("機体名・パイロット・ファイル名・部品名で絞り込み");
    m_filter->setClearButtonEnabled(true);
    m_soundOnly = new QCheckBox("警告なしだけ", filters);
    m_soundOnly->setObjectName("chkSoundOnly");
    m_soundOnly->setToolTip("赤で示す数値がなく、出力不足でもない機体だけ");
    auto* add = new QPushButton("条件を追加", filters);
    add->setObjectName("btAddRequirement");
    m_requirements = new RequirementTable(this);
    m_requirements->hide();
    connect(m_filter, &QLineEdit::textChanged, this, &GarageWindow::applyFilter);
    connect(m_soundOnly, &QCheckBox::toggled, this, &GarageWindow::applyFilter);
    connect(add, &QPushButton::clicked, this, [this] {
        // "At least as good as" the row looked at, or else the machine being worked on.
        const rivet::GarageRow* current = m_model->rowAt(m_view->currentIndex().row());
        m_requirements->setCurrentTotals(current && current->readable() ? current->totals : m_workedOn);
        m_requirements->addRequirement();
    });
    connect(m_requirements, &RequirementTable::requirementsChanged, this, [this] {
        // As tall as its rows: the list keeps the rest.
        int height = m_requirements->horizontalHeader()->sizeHint().height() + 2 * m_requirements->frameWidth();
        for (int row = 0; row < m_requirements->rowCount(); ++row) {
            height += m_requirements->rowHeight(row);
        }
        m_requirements->setFixedHeight(height);
        m_requirements->setVisible(m_requirements->rowCount() > 0);
        applyFilter();
    });
    auto* layout = new QHBoxLayout(filters);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_filter, 1);
    layout->addWidget(m_soundOnly);
    layout->addWidget(add);
    return filters;
}

QTableView* GarageWindow::buildTable()
{
    m_view = new QTableView(this);
    m_view->setObjectName("twGarage");
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setSectionsMovable(true);
    m_view->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(0, Qt::AscendingOrder);
    // As wide as the caption and the sort mark, and the names and times a little wider.
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const auto& garageColumn = rivet::garageColumnAt(column);
        const int caption = m_view->fontMetrics().horizontalAdvance(
            m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        const bool figure = garageColumn.kind == rivet::GarageColumn::Kind::Figure;
        m_view->setColumnWidth(column, column == 0 ? 200 : std::max(caption + 28, figure ? 64 : 110));
    }
    connect(m_view->horizontalHeader(), &QWidget::customContextMenuRequested, this, &GarageWindow::showColumnMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &GarageWindow::showRowMenu);
    connect(m_view, &QAbstractItemView::activated, this, [this](const QModelIndex& index) { openRow(index.row()); });
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, &GarageWindow::keepSelection);
    connect(m_model, &QAbstractItemModel::modelReset, this, &GarageWindow::restoreSelection);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &GarageWindow::updateActions);
    buildRowActions();
    return m_view;
}

void GarageWindow::buildRowActions()
{
    const auto make = [this](const char* name, const char* caption, auto handler, const QKeySequence& keys = {}) {
        auto* action = new QAction(caption, this);
        action->setObjectName(name);
        // The desktop's keys for files: F2 renames, Delete moves to the trash.
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this,
                [this, handler] { runGuarded(this, [this, handler] { (this->*handler)(); }); });
        m_view->addAction(action);
        return action;
    };
    m_openAction = make("acGarageOpen", "開く", &GarageWindow::openCurrent);
    m_compareAction = make("acGarageCompare", "比較", &GarageWindow::compareSelected);
    m_duplicateAction = make("acGarageDuplicate", "複製", &GarageWindow::duplicateSelected);
    m_renameAction = make("acGarageRename", "名前を変更", &GarageWindow::renameCurrent, QKeySequence(Qt::Key_F2));
    m_trashAction = make("acGarageTrash", "ゴミ箱へ移動", &GarageWindow::trashSelected, QKeySequence::Delete);
}

void GarageWindow::connectLoader()
{
    connect(m_loader, &GarageLoader::scanned, this,
            [this](int look, std::vector<std::string> folders, std::vector<std::string> removed, int toRead) {
                if (look != m_look) {
                    return;
                }
                m_failure.clear();
                m_toRead = toRead;
                m_read = 0;
                m_model->removeFiles(removed);
                m_folders->showFolders(QFileInfo(m_folder.chopped(1)).fileName(), folders);
                watchFolders(folders);
                showStatus();
            });
    connect(m_loader, &GarageLoader::rowsRead, this, [this](int look, std::vector<rivet::GarageRow> rows) {
        if (look != m_look) {
            return;
        }
        m_read += static_cast<int>(rows.size());
        m_model->takeRows(std::move(rows));
        showStatus();
    });
    const auto ended = [this](int look) {
        if (look != m_look) {
            return;
        }
        showStatus();
        if (m_lookPending) {
            m_lookPending = false;
            lookAgain();
        }
    };
    connect(m_loader, &GarageLoader::finished, this, ended);
    connect(m_loader, &GarageLoader::failed, this, [this, ended](int look, const QString& message) {
        if (look == m_look) {
            m_failure = message;
            m_model->clear();
            m_folders->showFolders(QFileInfo(m_folder.chopped(1)).fileName(), {""});
        }
        ended(look);
    });
}

bool GarageWindow::reading() const
{
    return m_loader->looking();
}

void GarageWindow::showFolder(const QString& folder)
{
    m_folder = withSlash(QDir::cleanPath(folder));
    m_folderLabel->setText(QDir::toNativeSeparators(m_folder));
    saveSettings();
    if (!m_watcher->directories().isEmpty()) {
        m_watcher->removePaths(m_watcher->directories());
    }
    m_model->clear();
    m_lookPending = false;
    // A newer look makes a running one of the old folder stop.
    m_look = m_loader->look(m_folder, {});
    showStatus();
}

void GarageWindow::lookAgain()
{
    if (m_loader->looking()) {
        m_lookPending = true;
        return;
    }
    m_look = m_loader->look(m_folder, m_model->garage().files());
}

void GarageWindow::watchFolders(const std::vector<std::string>& folders)
{
    QStringList wanted;
    for (const std::string& folder : folders) {
        wanted << m_folder + QString::fromStdString(folder);
    }
    const QStringList watched = m_watcher->directories();
    const auto missingFrom = [](const QStringList& paths, const QStringList& others) {
        const QSet<QString> present(others.begin(), others.end());
        QStringList missing;
        for (const QString& path : paths) {
            if (!present.contains(path)) {
                missing << path;
            }
        }
        return missing;
    };
    if (const QStringList gone = missingFrom(watched, wanted); !gone.isEmpty()) {
        m_watcher->removePaths(gone);
    }
    if (const QStringList added = missingFrom(wanted, watched); !added.isEmpty()) {
        m_watcher->addPaths(added);
    }
}

void GarageWindow::applyFilter()
{
    rivet::GarageQuery filter;
    filter.folder = m_folders->chosenFolder().toStdString();
    filter.text = m_filter->text().toStdString();
    filter.requirements = m_requirements->requirements();
    filter.soundOnly = m_soundOnly->isChecked();
    m_model->setFilter(filter);
    showStatus();
}

void GarageWindow::showStatus()
{
    if (!m_failure.isEmpty()) {
        m_status->setText(m_failure);
        return;
    }
    const std::vector<rivet::GarageRow>& rows = m_model->garage().rows();
    const auto unreadable = std::count_if(rows.begin(), rows.end(), [](const auto& row) { return !row.readable(); });
    QString text;
    if (reading() && m_read < m_toRead) {
        text = QString("読み込み中… %1 / %2").arg(m_read).arg(m_toRead);
    } else if (rows.empty()) {
        text = "このフォルダに機体はありません";
    } else if (m_model->rowCount() == static_cast<int>(rows.size())) {
        text = QString("%1 件").arg(rows.size());
    } else {
        text = QString("%1 件中 %2 件を表示").arg(rows.size()).arg(m_model->rowCount());
    }
    if (unreadable > 0) {
        text += QString("（開けないファイル %1 件）").arg(unreadable);
    }
    m_status->setText(text);
}

void GarageWindow::keepSelection()
{
    m_keptSelection = selectedFiles();
    const QModelIndex current = m_view->currentIndex();
    m_keptCurrent = current.isValid() ? current.data(GarageModel::PathRole).toString() : QString();
    m_keptScroll = m_view->verticalScrollBar()->value();
}

void GarageWindow::spanMessages()
{
    m_view->clearSpans();
    // A garage of nothing but broken files keeps its messages in the first figure's cell.
    constexpr int kMostSpans = 1000;
    int spans = 0;
    for (int row = 0; row < m_model->rowCount() && spans < kMostSpans; ++row) {
        if (!m_model->rowAt(row)->readable()) {
            m_view->setSpan(row, GarageModel::firstFigureColumn(), 1, rivet::kFigureCount);
            ++spans;
        }
    }
}

void GarageWindow::restoreSelection()
{
    spanMessages();
    const bool revealNew = !m_selectWhenShown.isEmpty();
    if (m_keptSelection.isEmpty() && m_keptCurrent.isEmpty() && !revealNew) {
        m_view->verticalScrollBar()->setValue(m_keptScroll);
        return;
    }
    QSet<QString> wanted(m_keptSelection.begin(), m_keptSelection.end());
    QItemSelection selection;
    int current = -1;
    int revealed = -1;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QString path = m_model->index(row, 0).data(GarageModel::PathRole).toString();
        if (m_selectWhenShown.remove(path)) {
            if (revealed < 0) {
                selection.clear();
                wanted.clear();
            }
            revealed = row;
        } else if (revealed >= 0 || !wanted.contains(path)) {
            continue;
        }
        selection.select(m_model->index(row, 0), m_model->index(row, m_model->columnCount() - 1));
        if (path == m_keptCurrent || revealed == row) {
            current = row;
        }
    }
    QItemSelectionModel* selected = m_view->selectionModel();
    if (current >= 0) {
        selected->setCurrentIndex(m_model->index(current, 0), QItemSelectionModel::NoUpdate);
    }
    selected->select(selection, QItemSelectionModel::ClearAndSelect);
    m_view->verticalScrollBar()->setValue(m_keptScroll);
    if (revealed >= 0) {
        m_view->scrollTo(m_model->index(revealed, 0));
    }
    updateActions();
}

QStringList GarageWindow::selectedFiles() const
{
    QStringList files;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows()) {
        files << index.data(GarageModel::PathRole).toString();
    }
    return files;
}

void GarageWindow::updateActions()
{
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    const bool readable = std::all_of(
        rows.begin(), rows.end(), [this](const QModelIndex& index) { return m_model->rowAt(index.row())->readable(); });
    m_openAction->setEnabled(rows.size() == 1);
    m_compareAction->setEnabled(rows.size() == 2 && readable);
    m_duplicateAction->setEnabled(!rows.isEmpty());
    m_renameAction->setEnabled(rows.size() == 1);
    m_trashAction->setEnabled(!rows.isEmpty());
}

void GarageWindow::openCurrent()
{
    openRow(m_view->currentIndex().row());
}

void GarageWindow::openRow(int row)
{
    if (const rivet::GarageRow* garageRow = m_model->rowAt(row)) {
        Q_EMIT machineOpenRequested(m_folder + QString::fromStdString(garageRow->file.relativePath));
    }
}

void GarageWindow::compareSelected()
{
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    if (rows.size() != 2) {
        return;
    }
    const rivet::GarageRow* base = m_model->rowAt(rows[0].row());
    const rivet::GarageRow* other = m_model->rowAt(rows[1].row());
    if (!base->readable() || !other->readable()) {
        return;
    }
    Q_EMIT comparisonRequested(rivet::evaluationOf(m_table, *base), QString::fromStdString(base->file.relativePath),
                               rivet::evaluationOf(m_table, *other), QString::fromStdString(other->file.relativePath));
}

void GarageWindow::showColumnMenu(const QPoint& at)
{
    QMenu menu(this);
    QHeaderView* header = m_view->horizontalHeader();
    for (int column = 1; column < m_model->columnCount(); ++column) {
        QAction* action = menu.addAction(m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        action->setCheckable(true);
        action->setChecked(!header->isSectionHidden(column));
        connect(action, &QAction::toggled, this, [this, header, column](bool shown) {
            header->setSectionHidden(column, !shown);
            saveSettings();
        });
    }
    menu.exec(header->mapToGlobal(at));
}

void GarageWindow::showRowMenu(const QPoint& at)
{
    if (!m_view->indexAt(at).isValid()) {
        return;
    }
    QMenu menu(this);
    menu.addActions({m_openAction, m_compareAction});
    menu.addSeparator();
    menu.addActions({m_duplicateAction, m_renameAction, m_trashAction});
    menu.exec(m_view->viewport()->mapToGlobal(at));
}

void GarageWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_look == 0) {
        showFolder(m_folder);
    } else {
        lookAgain();
    }
    m_poll->start();
}

void GarageWindow::hideEvent(QHideEvent* event)
{
    m_poll->stop();
    QWidget::hideEvent(event);
}

void GarageWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        m_model->setTextColor(palette().color(QPalette::Text));
    }
}

void GarageWindow::loadSettings()
{
    const QSettings settings(m_settingsFile, QSettings::IniFormat);
    const QString folder = settings.value("garage/folder").toString();
    if (!folder.isEmpty()) {
        m_folder = withSlash(folder);
    }
    const QStringList stored = settings.value("garage/columns").toStringList();
    const QSet<QString> shown(stored.begin(), stored.end());
    for (int column = 1; column < m_model->columnCount(); ++column) {
        const auto& garageColumn = rivet::garageColumnAt(column);
        const bool show = settings.contains("garage/columns") ? shown.contains(columnKey(garageColumn))
                                                              : shownAtFirst(garageColumn);
        m_view->horizontalHeader()->setSectionHidden(column, !show);
    }
}

void GarageWindow::saveSettings() const
{
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    // The garage itself is where the window looks without being told: only another folder
    // is remembered.
    if (m_folder == m_garageFolder) {
        settings.remove("garage/folder");
    } else {
        settings.setValue("garage/folder", m_folder);
    }
    QStringList shown;
    for (int column = 1; column < m_model->columnCount(); ++column) {
        if (!m_view->horizontalHeader()->isSectionHidden(column)) {
            shown << columnKey(rivet::garageColumnAt(column));
        }
    }
    settings.setValue("garage/columns", shown);
}
