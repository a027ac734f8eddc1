// The part record has a field named "slots", which Qt's keyword macro would swallow: the
// planner's headers come before the first Qt header.
#include "mainwindow/Fonts.h"
#include "mainwindow/TasmForm.h"

#include "windows/PartsListing.h"
#include "windows/Tdataform.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kRowHeight = 16;
constexpr int kTextAllowance = 7; // pixels beside the widest text of a column

bool isPress(const QEvent* event)
{
    // A double click is a second press of the button.
    return event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
}

} // namespace

Tdataform::Tdataform(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("dataform");
    setWindowTitle("dataform");
    setFont(Fonts::font(Fonts::Gothic, 11));
    resize(562, 341);

    G = new QTableWidget(this);
    G->setObjectName("G");
    G->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G->setSelectionBehavior(QAbstractItemView::SelectRows);
    G->setSelectionMode(QAbstractItemView::SingleSelection);
    G->setShowGrid(true);
    G->setWordWrap(false);
    G->setTextElideMode(Qt::ElideNone);
    G->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (QHeaderView* header : {G->horizontalHeader(), G->verticalHeader()}) {
        header->setTextElideMode(Qt::ElideNone);
        header->setHighlightSections(false);
        header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        header->setMinimumSectionSize(kRowHeight);
    }
    G->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    G->horizontalHeader()->setFixedHeight(kRowHeight + 1);
    G->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    G->verticalHeader()->setDefaultSectionSize(kRowHeight);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(G);
    layout->addWidget(StatusBar1);

    FormCreate();
}

void Tdataform::FormCreate()
{
    // The corner cell shows the first header item like any other fixed cell.
    if (auto* corner = G->findChild<QAbstractButton*>()) {
        m_cornerText = new QLabel(corner);
        m_cornerText->setObjectName("cornerText");
        m_cornerText->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_cornerText->setContentsMargins(3, 0, 0, 0);
        corner->installEventFilter(this);
    }
    G->installEventFilter(this);
    for (QWidget* area : {G->viewport(), G->horizontalHeader()->viewport(), G->verticalHeader()->viewport()}) {
        area->installEventFilter(this);
    }
}

void Tdataform::loadCatalogueFile(const std::string& path)
{
    const rivet::PartsListing listing = rivet::loadPartsListing(path);
    const auto text = [](const std::string& cell) { return QString::fromStdString(cell); };
    const auto& header = listing.rows.front();
    const int rows = static_cast<int>(listing.rows.size());
    const int columns = listing.columnCount;

    setWindowTitle(text(listing.caption));
    G->clear();
    G->setRowCount(rows - 1);
    G->setColumnCount(columns - 1);
    QStringList headers;
    for (int c = 1; c < columns; ++c) {
        headers << text(header[static_cast<std::size_t>(c)]);
    }
    G->setHorizontalHeaderLabels(headers);
    QStringList names;
    for (int r = 1; r < rows; ++r) {
        const auto& cells = listing.rows[static_cast<std::size_t>(r)];
        names << text(cells[0]);
        for (int c = 1; c < columns; ++c) {
            G->setItem(r - 1, c - 1, new QTableWidgetItem(text(cells[static_cast<std::size_t>(c)])));
        }
    }
    G->setVerticalHeaderLabels(names);
    if (m_cornerText) {
        m_cornerText->setText(text(header[0]));
    }
    fitColumns();
}

void Tdataform::fitColumns()
{
    const QFontMetrics metrics(G->font());
    const auto widthOf = [&metrics](const QString& text) { return metrics.horizontalAdvance(text) + kTextAllowance; };
    int namesWidth = widthOf(m_cornerText ? m_cornerText->text() : QString());
    for (int r = 1; r < rowCount(); ++r) {
        namesWidth = std::max(namesWidth, widthOf(cellText(0, r)));
    }
    G->verticalHeader()->setFixedWidth(namesWidth);
    for (int c = 1; c < columnCount(); ++c) {
        int width = 0;
        for (int r = 0; r < rowCount(); ++r) {
            width = std::max(width, widthOf(cellText(c, r)));
        }
        G->setColumnWidth(c - 1, width);
    }
}

void Tdataform::setTarget(TasmForm* mainWindow, int selector)
{
    m_mainWindow = mainWindow;
    m_target = mainWindow ? selector : 0;
}

void Tdataform::selectRow(int row)
{
    if (row < 1 || row >= rowCount()) {
        G->clearSelection();
        G->setCurrentIndex(QModelIndex());
        return;
    }
    G->setCurrentCell(row - 1, 0);
    G->scrollToItem(G->item(row - 1, 0));
}

int Tdataform::rowCount() const
{
    return G->rowCount() + 1;
}

int Tdataform::columnCount() const
{
    return G->columnCount() + 1;
}

int Tdataform::currentRow() const
{
    return G->currentRow() < 0 ? -1 : G->currentRow() + 1;
}

QString Tdataform::cellText(int column, int row) const
{
    if (column == 0 && row == 0) {
        return m_cornerText ? m_cornerText->text() : QString();
    }
    if (row == 0) {
        const QTableWidgetItem* item = G->horizontalHeaderItem(column - 1);
        return item ? item->text() : QString();
    }
    if (column == 0) {
        const QTableWidgetItem* item = G->verticalHeaderItem(row - 1);
        return item ? item->text() : QString();
    }
    const QTableWidgetItem* item = G->item(row - 1, column - 1);
    return item ? item->text() : QString();
}

void Tdataform::GMouseDown(int row)
{
    setWindowTitle(QString::number(row));
    if (!m_mainWindow || m_target < 1 || row < 1 || !m_mainWindow->catalogueReady()) {
        return;
    }
    rivet::Assembly& assembly = m_mainWindow->assembly();
    if (row - 1 >= assembly.itemCount(m_target)) {
        return;
    }
    // Set from code, so the selector's own handling (the back-weapon pairing) does not run;
    // the main window recomputes before the press returns.
    assembly.setPositionFromCode(m_target, row - 1);
    QEvent recalc(static_cast<QEvent::Type>(TasmForm::kRecalcMessage));
    QCoreApplication::sendEvent(m_mainWindow, &recalc);
}

bool Tdataform::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        return FormKeyPress(event);
    }
    if (watched == G->viewport() && isPress(event)) {
        const int modelRow = G->rowAt(static_cast<QMouseEvent*>(event)->position().toPoint().y());
        GMouseDown(modelRow < 0 ? -1 : modelRow + 1);
    } else if (watched == G->verticalHeader()->viewport() && isPress(event)) {
        const int modelRow
            = G->verticalHeader()->logicalIndexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        GMouseDown(modelRow < 0 ? -1 : modelRow + 1);
    } else if (watched == G->horizontalHeader()->viewport() && isPress(event)) {
        GMouseDown(0);
    } else if (m_cornerText && watched == m_cornerText->parent()) {
        if (event->type() == QEvent::Resize) {
            m_cornerText->setGeometry(static_cast<QWidget*>(watched)->rect());
        } else if (isPress(event)) {
            GMouseDown(0);
            return true; // the corner does not select the whole table
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The window sees the keys before its grid: Esc closes (hides) it.
bool Tdataform::FormKeyPress(QEvent* event)
{
    if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void Tdataform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (G->currentItem()) {
        G->scrollToItem(G->currentItem());
    }
}
