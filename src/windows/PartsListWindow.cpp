#include "windows/PartsListWindow.h"

#include "catalogue/PartsListing.h"
#include "widgets/Fonts.h"
#include "widgets/Guarded.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <numeric>

namespace {

constexpr int kRowHeight = 16;

bool isPress(const QEvent* event)
{
    // A double click is a second press of the button.
    return event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
}

} // namespace

PartsListWindow::PartsListWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("dataform");
    setWindowTitle("dataform");
    setFont(Fonts::font(Fonts::Gothic, 11));
    resize(562, 341);

    m_grid = new QTableWidget(this);
    m_grid->setObjectName("G");
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setShowGrid(true);
    m_grid->setWordWrap(false);
    m_grid->setTextElideMode(Qt::ElideNone);
    m_grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (QHeaderView* header : {m_grid->horizontalHeader(), m_grid->verticalHeader()}) {
        header->setTextElideMode(Qt::ElideNone);
        header->setHighlightSections(false);
        header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    // Rows are 16 pixels high; a fitted column may be as narrow as an empty one.
    m_grid->verticalHeader()->setMinimumSectionSize(kRowHeight);
    m_grid->horizontalHeader()->setMinimumSectionSize(kTextAllowance);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->horizontalHeader()->setFixedHeight(kRowHeight + 1);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (column == differenceColumn()) {
            cycleOrder();
        }
    });

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName("StatusBar1");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildDifferenceBar());
    layout->addWidget(m_grid);
    layout->addWidget(m_statusBar);

    watchGridEvents();
}

void PartsListWindow::watchGridEvents()
{
    // The corner cell shows the first header item like any other fixed cell.
    if (auto* corner = m_grid->findChild<QAbstractButton*>()) {
        m_cornerText = new QLabel(corner);
        m_cornerText->setObjectName("cornerText");
        m_cornerText->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_cornerText->setContentsMargins(3, 0, 0, 0);
        corner->installEventFilter(this);
    }
    m_grid->installEventFilter(this);
    for (QWidget* area :
         {m_grid->viewport(), m_grid->horizontalHeader()->viewport(), m_grid->verticalHeader()->viewport()}) {
        area->installEventFilter(this);
    }
    // The rows and the part names report the pointer resting on them.
    m_grid->viewport()->setMouseTracking(true);
    m_grid->verticalHeader()->viewport()->setMouseTracking(true);
}

void PartsListWindow::loadCatalogueFile(const std::string& path)
{
    const rivet::PartsListing listing = rivet::loadPartsListing(path);
    const auto text = [](const std::string& cell) { return QString::fromStdString(cell); };
    const auto& header = listing.rows.front();
    const int rows = static_cast<int>(listing.rows.size());
    const int columns = listing.columnCount;

    setWindowTitle(text(listing.caption));
    m_hoveredRow = -1;
    m_order = RowOrder::File;
    m_grid->horizontalHeader()->setSortIndicatorShown(false);
    m_grid->clear();
    // No columns first: the difference column, last in the grid, is moved before the others
    // anew for every file.
    m_grid->setColumnCount(0);
    m_grid->setRowCount(rows - 1);
    m_grid->setColumnCount(columns);
    QStringList headers;
    for (int c = 1; c < columns; ++c) {
        headers << text(header[static_cast<std::size_t>(c)]);
    }
    headers << "差";
    m_grid->setHorizontalHeaderLabels(headers);
    m_grid->horizontalHeader()->moveSection(differenceColumn(), 0);
    m_names.clear();
    for (int r = 1; r < rows; ++r) {
        const auto& cells = listing.rows[static_cast<std::size_t>(r)];
        m_names << text(cells[0]);
        for (int c = 1; c < columns; ++c) {
            m_grid->setItem(r - 1, c - 1, new QTableWidgetItem(text(cells[static_cast<std::size_t>(c)])));
        }
        auto* difference = new QTableWidgetItem;
        difference->setData(kViewerRowRole, r);
        difference->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_grid->setItem(r - 1, differenceColumn(), difference);
    }
    m_gridRows.resize(static_cast<std::size_t>(rows - 1));
    std::iota(m_gridRows.begin(), m_gridRows.end(), 0);
    m_grid->setVerticalHeaderLabels(m_names);
    if (m_cornerText) {
        m_cornerText->setText(text(header[0]));
    }
    refreshDifferences();
    fitColumns();
}

void PartsListWindow::fitColumns()
{
    const QFontMetrics metrics(m_grid->font());
    const auto widthOf = [&metrics](const QString& text) { return metrics.horizontalAdvance(text) + kTextAllowance; };
    int namesWidth = widthOf(m_cornerText ? m_cornerText->text() : QString());
    for (const QString& name : m_names) {
        namesWidth = std::max(namesWidth, widthOf(name));
    }
    m_grid->verticalHeader()->setFixedWidth(namesWidth);
    for (int c = 1; c < columnCount(); ++c) {
        int width = 0;
        for (int r = 0; r < rowCount(); ++r) {
            width = std::max(width, widthOf(cellText(r, c)));
        }
        m_grid->setColumnWidth(c - 1, width);
    }
    fitDifferenceColumn();
}

void PartsListWindow::selectRow(int row)
{
    if (row < 1 || row >= rowCount()) {
        m_grid->clearSelection();
        m_grid->setCurrentIndex(QModelIndex());
        return;
    }
    m_grid->setCurrentCell(gridRowOf(row), 0);
    m_grid->scrollToItem(m_grid->item(gridRowOf(row), 0));
}

int PartsListWindow::rowCount() const
{
    return m_grid->rowCount() + 1;
}

int PartsListWindow::columnCount() const
{
    return m_grid->columnCount(); // the names' column is the grid's header; "差" is no file column
}

int PartsListWindow::currentRow() const
{
    return viewerRowOf(m_grid->currentRow());
}

int PartsListWindow::differenceColumn() const
{
    return m_grid->columnCount() - 1;
}

int PartsListWindow::gridRowOf(int row) const
{
    const auto at = static_cast<std::size_t>(row - 1);
    if (row < 1 || at >= m_gridRows.size() || m_gridRows[at] >= m_grid->rowCount()) {
        return -1;
    }
    return m_gridRows[at];
}

int PartsListWindow::viewerRowOf(int gridRow) const
{
    const QTableWidgetItem* item = gridRow < 0 ? nullptr : m_grid->item(gridRow, differenceColumn());
    return item ? item->data(kViewerRowRole).toInt() : -1;
}

QString PartsListWindow::cellText(int row, int column) const
{
    if (column == 0 && row == 0) {
        return m_cornerText ? m_cornerText->text() : QString();
    }
    if (row == 0) {
        const QTableWidgetItem* item = m_grid->horizontalHeaderItem(column - 1);
        return item ? item->text() : QString();
    }
    if (column == 0) {
        return m_names.value(row - 1);
    }
    const QTableWidgetItem* item = m_grid->item(gridRowOf(row), column - 1);
    return item ? item->text() : QString();
}

void PartsListWindow::pressRow(int row)
{
    // An entry point from Qt's events: whatever stops it is shown in the error box.
    runGuarded(this, [&] {
        setWindowTitle(QString::number(row));
        if (m_target && row >= 1) {
            // The pick makes the row's part the machine's: there is nothing left to preview.
            hoverRow(-1, QPoint());
            Q_EMIT partPicked(*m_target, row - 1);
        }
    });
}

void PartsListWindow::hoverRow(int row, const QPoint& at)
{
    if (row == m_hoveredRow) {
        return;
    }
    m_hoveredRow = row;
    if (!m_target || row < 1) {
        Q_EMIT hoverEnded();
        return;
    }
    // The row's line across the whole window: the preview stands beside the window, or above
    // the row, never over the rows the pointer moves on to.
    const QRect line = m_grid->visualRect(m_grid->model()->index(gridRowOf(row), 0));
    const int top = line.isValid() ? m_grid->viewport()->mapToGlobal(line.topLeft()).y() : at.y();
    const QRect frame = frameGeometry();
    Q_EMIT partHovered(*m_target, row - 1, QRect(frame.left(), top, frame.width(), kRowHeight));
}

bool PartsListWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        return handleKeyPress(event);
    }
    trackHover(watched, event);
    if (isRowArea(watched) && isPress(event)) {
        pressRow(rowUnder(watched, static_cast<QMouseEvent*>(event)->position().toPoint()));
    } else if (watched == m_grid->horizontalHeader()->viewport() && isPress(event)) {
        pressRow(0);
    } else if (m_cornerText && watched == m_cornerText->parent()) {
        if (event->type() == QEvent::Resize) {
            m_cornerText->setGeometry(static_cast<QWidget*>(watched)->rect());
        } else if (isPress(event)) {
            pressRow(0);
            return true; // the corner does not select the whole table
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The pointer moving over, or leaving, the rows or the part names.
void PartsListWindow::trackHover(QObject* watched, QEvent* event)
{
    if (!isRowArea(watched)) {
        return;
    }
    if (event->type() == QEvent::Leave) {
        hoverRow(-1, QPoint());
        return;
    }
    if (event->type() != QEvent::MouseMove) {
        return;
    }
    const auto* move = static_cast<QMouseEvent*>(event);
    hoverRow(rowUnder(watched, move->position().toPoint()), move->globalPosition().toPoint());
}

// The part rows and the part names beside them: a press there picks, a rest previews.
bool PartsListWindow::isRowArea(const QObject* area) const
{
    return area == m_grid->viewport() || area == m_grid->verticalHeader()->viewport();
}

// The row under a point of a row area; -1 below the last row.
int PartsListWindow::rowUnder(const QObject* area, const QPoint& at) const
{
    const int gridRow
        = area == m_grid->viewport() ? m_grid->rowAt(at.y()) : m_grid->verticalHeader()->logicalIndexAt(at);
    return viewerRowOf(gridRow);
}

// The window sees the keys before its grid: Esc closes (hides) it.
bool PartsListWindow::handleKeyPress(QEvent* event)
{
    if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void PartsListWindow::hideEvent(QHideEvent* event)
{
    hoverRow(-1, QPoint());
    QWidget::hideEvent(event);
}

void PartsListWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The warning colour follows the desktop's text colour.
    if (event->type() == QEvent::PaletteChange) {
        refreshDifferences();
    }
}

void PartsListWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refreshDifferences();
    if (m_grid->currentItem()) {
        m_grid->scrollToItem(m_grid->currentItem());
    }
}
