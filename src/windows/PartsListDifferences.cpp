// The parts-list viewer's column "差": for the figure chosen above the table, the difference
// choosing each row would make to the machine being worked on (a press sets the selector from
// code, so the rules apply and the back-weapon pairing does not), red where the choice would
// bring a warning. Pressing its header orders the rows by it.
#include "windows/PartsListWindow.h"

#include "comparison/ChoicePreview.h"
#include "widgets/DifferenceColors.h"
#include "widgets/FigureChoice.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int kDifferenceRole = Qt::UserRole + 1; // the difference as a number; none without one
constexpr int kSortIndicatorAllowance = 16; // the header's arrow beside "差"

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// "警告：地上ブースト速度 MAX:63オーバー、…": the warnings the choice would bring.
QString warningsHint(const rivet::ChoicePreview& preview)
{
    QStringList warnings;
    for (rivet::Figure f : preview.warnings) {
        warnings << text(rivet::describe(f).caption) + " " + text(preview.machine.figures[f].verdict.value_or(""));
    }
    return warnings.isEmpty() ? QString() : "警告：" + warnings.join("、");
}

void showDifference(QTableWidgetItem* cell, const rivet::ChoicePreview* preview, rivet::Figure figure,
                    const QColor& normal)
{
    cell->setData(kDifferenceRole, QVariant());
    cell->setData(Qt::ForegroundRole, QVariant());
    if (!preview) {
        // A row the catalogue loaded at start does not have: the file changed since.
        cell->setText(QString());
        cell->setToolTip(QString());
        return;
    }
    if (!preview->equipped()) {
        cell->setText("×");
        cell->setToolTip("この組み合わせでは装備できません");
        return;
    }
    const std::optional<double> difference = preview->comparison.figures[figure].difference;
    cell->setText(text(rivet::differenceText(difference)));
    if (difference) {
        cell->setData(kDifferenceRole, *difference);
    }
    cell->setToolTip(warningsHint(*preview));
    if (!preview->warnings.empty()) {
        cell->setForeground(worseColor(normal));
    }
}

} // namespace

QWidget* PartsListWindow::buildDifferenceBar()
{
    m_differenceBar = new QWidget(this);
    auto* layout = new QHBoxLayout(m_differenceBar);
    layout->setContentsMargins(4, 2, 4, 2);
    auto* caption = new QLabel("差：", m_differenceBar);
    m_differenceFigure = new QComboBox(m_differenceBar);
    m_differenceFigure->setObjectName("cbDifference");
    m_differenceFigure->setToolTip("選ぶとこの項目がいくつ変わるか");
    fillWithFigures(m_differenceFigure);
    chooseFigure(m_differenceFigure, rivet::Figure::Weight);
    caption->setBuddy(m_differenceFigure);
    layout->addWidget(caption);
    layout->addWidget(m_differenceFigure);
    layout->addStretch();
    connect(m_differenceFigure, &QComboBox::activated, this, [this] { m_figurePicked = true; });
    connect(m_differenceFigure, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        refreshDifferences();
        fitDifferenceColumn();
    });
    m_differenceFigure->installEventFilter(this); // Esc closes the window here too
    m_differenceBar->hide();
    return m_differenceBar;
}

void PartsListWindow::setTarget(std::optional<rivet::Selector> selector)
{
    m_target = selector;
    refreshDifferences();
    fitDifferenceColumn();
}

void PartsListWindow::showCurrentMachine(const rivet::MachineEvaluation& machine)
{
    m_machine = machine;
    if (isVisible()) {
        refreshDifferences();
    }
}

void PartsListWindow::setSearchedGoal(rivet::Figure figure)
{
    if (!m_figurePicked) {
        chooseFigure(m_differenceFigure, figure);
    }
}

rivet::Figure PartsListWindow::differenceFigure() const
{
    return chosenFigure(m_differenceFigure);
}

QString PartsListWindow::differenceText(int row) const
{
    const QTableWidgetItem* cell = m_grid->item(gridRowOf(row), differenceColumn());
    return cell ? cell->text() : QString();
}

bool PartsListWindow::differenceWarns(int row) const
{
    const QTableWidgetItem* cell = m_grid->item(gridRowOf(row), differenceColumn());
    return cell && cell->data(Qt::ForegroundRole).isValid();
}

void PartsListWindow::refreshDifferences()
{
    const bool shown = m_table && m_machine && m_target && m_grid->columnCount() > 0;
    m_differenceBar->setVisible(m_target.has_value());
    if (m_grid->columnCount() > 0) {
        m_grid->setColumnHidden(differenceColumn(), !shown);
    }
    if (!shown) {
        return;
    }
    const rivet::Figure figure = differenceFigure();
    const std::vector<rivet::ChoicePreview> previews = rivet::previewList(*m_table, *m_machine, *m_target);
    const QColor normal = palette().color(QPalette::Text);
    for (int g = 0; g < m_grid->rowCount(); ++g) {
        QTableWidgetItem* cell = m_grid->item(g, differenceColumn());
        const auto item = static_cast<std::size_t>(cell->data(kViewerRowRole).toInt() - 1);
        showDifference(cell, item < previews.size() ? &previews[item] : nullptr, figure, normal);
    }
    if (m_order != RowOrder::File) {
        orderRows(m_order);
    }
}

void PartsListWindow::fitDifferenceColumn()
{
    if (m_grid->columnCount() == 0) {
        return;
    }
    const QFontMetrics metrics(m_grid->font());
    int width = metrics.horizontalAdvance("差") + kSortIndicatorAllowance;
    for (int g = 0; g < m_grid->rowCount(); ++g) {
        width = std::max(width, metrics.horizontalAdvance(m_grid->item(g, differenceColumn())->text()));
    }
    m_grid->setColumnWidth(differenceColumn(), width + kTextAllowance);
}

void PartsListWindow::cycleOrder()
{
    switch (m_order) {
    case RowOrder::File:
        orderRows(RowOrder::Ascending);
        break;
    case RowOrder::Ascending:
        orderRows(RowOrder::Descending);
        break;
    case RowOrder::Descending:
        orderRows(RowOrder::File);
        break;
    }
}

void PartsListWindow::orderRows(RowOrder order)
{
    m_order = order;
    const int current = currentRow();
    const int rows = m_grid->rowCount();
    const int columns = m_grid->columnCount();
    std::vector<std::vector<QTableWidgetItem*>> taken(static_cast<std::size_t>(rows));
    for (int g = 0; g < rows; ++g) {
        for (int c = 0; c < columns; ++c) {
            taken[static_cast<std::size_t>(g)].push_back(m_grid->takeItem(g, c));
        }
    }
    const auto column = static_cast<std::size_t>(differenceColumn());
    // Rows without a difference last; equals, and the file's order, by row.
    std::sort(taken.begin(), taken.end(), [&](const auto& a, const auto& b) {
        const QVariant x = a[column]->data(kDifferenceRole);
        const QVariant y = b[column]->data(kDifferenceRole);
        if (order != RowOrder::File) {
            if (x.isValid() != y.isValid()) {
                return x.isValid();
            }
            if (x.isValid() && x.toDouble() != y.toDouble()) {
                return order == RowOrder::Ascending ? x.toDouble() < y.toDouble() : x.toDouble() > y.toDouble();
            }
        }
        return a[column]->data(kViewerRowRole).toInt() < b[column]->data(kViewerRowRole).toInt();
    });
    QStringList names;
    for (int g = 0; g < rows; ++g) {
        const auto& row = taken[static_cast<std::size_t>(g)];
        for (int c = 0; c < columns; ++c) {
            m_grid->setItem(g, c, row[static_cast<std::size_t>(c)]);
        }
        const int viewerRow = row[column]->data(kViewerRowRole).toInt();
        names << m_names.value(viewerRow - 1);
        m_gridRows[static_cast<std::size_t>(viewerRow - 1)] = g;
    }
    m_grid->setVerticalHeaderLabels(names);
    QHeaderView* header = m_grid->horizontalHeader();
    header->setSortIndicatorShown(order != RowOrder::File);
    header->setSortIndicator(differenceColumn(),
                             order == RowOrder::Descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    if (current >= 1) {
        m_grid->setCurrentCell(gridRowOf(current), 0);
    }
}
