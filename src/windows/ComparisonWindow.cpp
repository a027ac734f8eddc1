#include "windows/ComparisonWindow.h"

#include "widgets/FigureTable.h"

#include "widgets/DifferenceColors.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum FigureColumn { Caption, Base, Current, Difference };

QTableWidget* table(const char* name, const QStringList& headers, QWidget* parent)
{
    QTableWidget* grid = figureTable(name, headers, parent);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    return grid;
}

QTableWidgetItem* cell(QTableWidget* grid, int row, int column, Qt::Alignment alignment = Qt::AlignLeft)
{
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(alignment | Qt::AlignVCenter);
        grid->setItem(row, column, item);
    }
    return item;
}

void setCell(QTableWidget* grid, int row, int column, const std::string& text, const QColor& color,
             Qt::Alignment alignment = Qt::AlignLeft)
{
    QTableWidgetItem* item = cell(grid, row, column, alignment);
    item->setText(QString::fromStdString(text));
    item->setForeground(color);
}

} // namespace

ComparisonWindow::ComparisonWindow(const rivet::PartsTable& table, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_table(table)
{
    setObjectName("ComparisonWindow");
    setWindowTitle("比較");

    m_baseLabel = new QLabel(this);
    m_baseLabel->setObjectName("lbBase");
    m_baseLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_figures = ::table("twFigures", {"項目", "基準", "現在", "差"}, this);
    m_figures->setRowCount(rivet::kFigureCount);
    for (int i = 0; i < rivet::kFigureCount; ++i) {
        setCell(m_figures, i, Caption, rivet::figureCaption(i), palette().color(QPalette::Text));
    }
    m_figures->setColumnWidth(Caption, 132);
    m_figures->setColumnWidth(Base, 92);
    m_figures->setColumnWidth(Current, 92);
    m_figures->horizontalHeader()->setStretchLastSection(true);
    m_figures->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_figures->setFixedHeight(figureTableHeight(m_figures, rivet::kFigureCount));

    m_partsHeading = new QLabel("部品の違い", this);
    m_partsHeading->setObjectName("lbParts");
    m_parts = ::table("twParts", {"部位", "基準", "現在"}, this);
    m_parts->setColumnWidth(0, 90);
    m_parts->setColumnWidth(1, 160);
    m_parts->horizontalHeader()->setStretchLastSection(true);

    auto* pin = new QPushButton("現在の機体を基準にする", this);
    pin->setObjectName("btPinCurrent");
    auto* file = new QPushButton("ファイルと比較…", this);
    file->setObjectName("btCompareFile");
    connect(pin, &QPushButton::clicked, this, &ComparisonWindow::pinCurrentRequested);
    connect(file, &QPushButton::clicked, this, &ComparisonWindow::baseFileRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pin);
    buttons->addWidget(file);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_baseLabel);
    layout->addWidget(m_figures);
    layout->addWidget(m_partsHeading);
    layout->addWidget(m_parts, 1);
    layout->addLayout(buttons);
    resize(440, 600);
}

void ComparisonWindow::showCurrentMachine(const rivet::MachineEvaluation& current)
{
    // The figures follow from the selection: the same selection shows the same comparison.
    if (m_current && m_current->selection == current.selection) {
        return;
    }
    m_current = current;
    if (isVisible()) {
        refresh();
    }
}

void ComparisonWindow::setBase(const rivet::MachineEvaluation& base, const QString& description)
{
    m_base = base;
    m_baseDescription = description;
    m_baseLabel->setText("基準：" + description);
    refresh();
}

void ComparisonWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
}

void ComparisonWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ComparisonWindow::refresh()
{
    if (!m_base || !m_current) {
        return;
    }
    const rivet::MachineComparison comparison = rivet::compareMachines(m_table, *m_base, *m_current);
    showFigures(comparison);
    showParts(comparison);
}

void ComparisonWindow::showFigures(const rivet::MachineComparison& comparison)
{
    const QColor normal = palette().color(QPalette::Text);
    for (int i = 0; i < rivet::kFigureCount; ++i) {
        const rivet::FigureComparison& figure = comparison.figures[static_cast<std::size_t>(i)];
        // A figure over its limit is red here as on the main window.
        setCell(m_figures, i, Base, figure.base, figure.baseWarning ? worseColor(normal) : normal, Qt::AlignRight);
        setCell(m_figures, i, Current, figure.other, figure.otherWarning ? worseColor(normal) : normal, Qt::AlignRight);
        setCell(m_figures, i, Difference, rivet::differenceText(figure.difference),
                differenceColor(figure.better, normal), Qt::AlignRight);
    }
}

void ComparisonWindow::showParts(const rivet::MachineComparison& comparison)
{
    const QColor normal = palette().color(QPalette::Text);
    const int rows = static_cast<int>(comparison.parts.size() + comparison.options.size());
    m_parts->setRowCount(rows);
    int row = 0;
    for (const rivet::PartDifference& part : comparison.parts) {
        setCell(m_parts, row, 0, rivet::selectorCaption(part.selector), normal);
        setCell(m_parts, row, 1, part.base, normal);
        setCell(m_parts, row, 2, part.other, normal);
        ++row;
    }
    for (const rivet::OptionDifference& option : comparison.options) {
        setCell(m_parts, row, 0, "オプション", normal);
        setCell(m_parts, row, 1, rivet::optionMark(option.base) + option.name, normal);
        setCell(m_parts, row, 2, rivet::optionMark(option.other) + option.name, normal);
        ++row;
    }
    m_partsHeading->setText(rows == 0 ? "部品の違い：なし" : "部品の違い");
}
