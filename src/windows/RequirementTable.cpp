#include "windows/RequirementTable.h"

#include "evaluation/FigureNumbers.h"
#include "widgets/FigureChoice.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace {

enum Column { FigureColumn, KindColumn, ValueColumn, RemoveColumn };
enum Kind { AtLeast, AtMost };

constexpr double kLargest = 1e9;

} // namespace

RequirementTable::RequirementTable(QWidget* parent)
    : QTableWidget(0, 4, parent)
{
    setObjectName("twRequirements");
    setHorizontalHeaderLabels({"項目", "以上/以下", "値", ""});
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    // Wide enough for the controls in them; the figure takes the rest.
    const QFontMetrics metrics = fontMetrics();
    horizontalHeader()->setSectionResizeMode(FigureColumn, QHeaderView::Stretch);
    const std::pair<int, int> widths[] = {
        {KindColumn, std::max(metrics.horizontalAdvance("≥") + 44, metrics.horizontalAdvance("以上/以下") + 16)},
        {ValueColumn, metrics.horizontalAdvance("-000,000,000.0") + 36},
        {RemoveColumn, metrics.horizontalAdvance("削除") + 20},
    };
    for (const auto& [column, width] : widths) {
        horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
        setColumnWidth(column, width);
    }
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setShowGrid(false);
}

int RequirementTable::addRequirement(rivet::Figure figure)
{
    const int row = rowCount();
    insertRow(row);

    auto* figures = new QComboBox;
    fillWithFigures(figures);
    chooseFigure(figures, figure);
    auto* kind = new QComboBox;
    kind->addItem("≥");
    kind->addItem("≤");
    kind->setItemData(AtLeast, "以上", Qt::ToolTipRole);
    kind->setItemData(AtMost, "以下", Qt::ToolTipRole);
    auto* value = new QDoubleSpinBox;
    value->setRange(-kLargest, kLargest);
    // Written as every figure of the tool is: no group separators.
    value->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    value->setGroupSeparatorShown(false);
    value->setAlignment(Qt::AlignRight);
    auto* remove = new QToolButton;
    remove->setText("削除");
    remove->setToolTip("この条件を外す");

    setCellWidget(row, FigureColumn, figures);
    setCellWidget(row, KindColumn, kind);
    setCellWidget(row, ValueColumn, value);
    setCellWidget(row, RemoveColumn, remove);
    startFromCurrent(row);
    connect(figures, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this, figures] { startFromCurrent(rowOf(figures)); });
    connect(remove, &QToolButton::clicked, this, [this, remove] { removeRequirement(rowOf(remove)); });
    resizeRowToContents(row);
    return row;
}

void RequirementTable::removeRequirement(int row)
{
    if (row >= 0 && row < rowCount()) {
        removeRow(row);
    }
}

std::vector<rivet::Requirement> RequirementTable::requirements() const
{
    std::vector<rivet::Requirement> requirements;
    for (int row = 0; row < rowCount(); ++row) {
        rivet::Requirement requirement;
        requirement.figure = chosenFigure(static_cast<QComboBox*>(cellWidget(row, FigureColumn)));
        requirement.kind = static_cast<QComboBox*>(cellWidget(row, KindColumn))->currentIndex() == AtMost
            ? rivet::Requirement::Kind::AtMost
            : rivet::Requirement::Kind::AtLeast;
        requirement.value = static_cast<QDoubleSpinBox*>(cellWidget(row, ValueColumn))->value();
        requirements.push_back(requirement);
    }
    return requirements;
}

void RequirementTable::startFromCurrent(int row)
{
    if (row < 0) {
        return;
    }
    const rivet::Figure figure = chosenFigure(static_cast<QComboBox*>(cellWidget(row, FigureColumn)));
    const rivet::FigureDescriptor& described = rivet::describe(figure);
    static_cast<QComboBox*>(cellWidget(row, KindColumn))
        ->setCurrentIndex(described.better == rivet::Direction::Lower ? AtMost : AtLeast);
    auto* value = static_cast<QDoubleSpinBox*>(cellWidget(row, ValueColumn));
    value->setDecimals(described.decimal() ? 1 : 0);
    value->setSingleStep(described.decimal() ? 0.1 : 1);
    value->setValue(rivet::figureNumber(m_current, figure).value_or(0));
}

int RequirementTable::rowOf(const QWidget* control) const
{
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (cellWidget(row, column) == control) {
                return row;
            }
        }
    }
    return -1;
}
