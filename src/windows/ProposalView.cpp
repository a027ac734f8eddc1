#include "windows/ProposalView.h"

#include "common/Numbers.h"
#include "comparison/MachineComparison.h"
#include "widgets/DifferenceColors.h"
#include "widgets/FigureTable.h"
#include "windows/ComparisonTables.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum ResultColumn { Rank, GoalValue, GoalDifference, Price, ChangedParts };
enum DetailColumn { Caption, Current, Proposed, Difference };

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// What applying the machine would change, short for the list ("脚→LN-3001、+SP-ABS") and
// in full for its hint, one line a part.
struct Changes
{
    QStringList brief;
    QStringList full;
};

Changes changesOf(const rivet::MachineComparison& comparison)
{
    Changes changes;
    for (const rivet::PartDifference& part : comparison.parts) {
        const QString caption = QString::fromUtf8(rivet::selectorCaption(part.selector));
        changes.brief << caption + "→" + text(part.other);
        changes.full << caption + "：" + text(part.base) + " → " + text(part.other);
    }
    for (const rivet::OptionDifference& option : comparison.options) {
        changes.brief << (option.other ? "+" : "−") + text(option.name);
        changes.full << "オプション：" + text(rivet::optionMark(option.base) + option.name) + " → "
                + text(rivet::optionMark(option.other) + option.name);
    }
    return changes;
}

} // namespace

ProposalView::ProposalView(const rivet::PartsTable& table, QWidget* parent)
    : QWidget(parent)
    , m_table(table)
{
    m_results = figureTable("twResults", {"順位", "目標値", "差", "価格", "変わる部品"}, this);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setColumnWidth(Rank, 40);
    m_results->setColumnWidth(GoalValue, 72);
    m_results->setColumnWidth(GoalDifference, 64);
    m_results->setColumnWidth(Price, 72);
    m_results->horizontalHeader()->setStretchLastSection(true);
    connect(m_results, &QTableWidget::itemSelectionChanged, this, [this] {
        showDetail();
        Q_EMIT chosenChanged();
    });
    // A double click, not "activation": some desktops activate an item on a single click.
    connect(m_results, &QTableWidget::cellDoubleClicked, this, [this] { Q_EMIT activated(); });

    m_detailHeading = new QLabel(this);
    m_detailHeading->setObjectName("lbDetail");
    m_detail = comparisonTable("twDetail", {"項目", "現在", "候補", "差"}, this);
    m_detail->setColumnWidth(Caption, 132);
    m_detail->setColumnWidth(Current, 84);
    m_detail->setColumnWidth(Proposed, 84);
    m_detail->setColumnWidth(Difference, 70);
    m_detail->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_detail->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_detail->setFixedSize(132 + 2 * 84 + 70 + 2 * m_detail->frameWidth(),
                           figureTableHeight(m_detail, rivet::kFigureCount));
    m_detailParts = comparisonTable("twDetailParts", {"部位", "現在", "候補"}, this);
    m_detailParts->setColumnWidth(0, 84);
    m_detailParts->setColumnWidth(1, 110);
    m_detailParts->setMinimumWidth(84 + 2 * 110 + 2 * m_detailParts->frameWidth());
    m_detailParts->horizontalHeader()->setStretchLastSection(true);
    m_detailParts->setFixedHeight(m_detail->height());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_detailHeading);
    auto* detail = new QHBoxLayout;
    detail->addWidget(m_detail);
    detail->addWidget(m_detailParts, 1);
    layout->addLayout(detail);
    showDetail();
}

void ProposalView::setCurrentMachine(const rivet::MachineEvaluation& current)
{
    if (m_current && m_current->selection == current.selection) {
        return;
    }
    m_current = current;
    refresh();
}

void ProposalView::setProposals(const std::vector<rivet::ProposedMachine>& machines, rivet::Figure goalFigure,
                                rivet::Direction direction)
{
    m_proposals.clear();
    m_values.clear();
    for (const rivet::ProposedMachine& machine : machines) {
        m_proposals.push_back(rivet::evaluateSelection(m_table, machine.selection));
        m_values.push_back(machine.value);
    }
    m_goalFigure = goalFigure;
    m_direction = direction;
    m_results->clearSelection();
    m_results->setRowCount(static_cast<int>(m_proposals.size()));
    refresh();
    if (!m_proposals.empty()) {
        m_results->selectRow(0);
    }
}

void ProposalView::clear()
{
    setProposals({}, m_goalFigure, m_direction);
}

std::optional<rivet::Selection> ProposalView::chosen() const
{
    const QList<QTableWidgetItem*> selected = m_results->selectedItems();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    return m_proposals.at(static_cast<std::size_t>(selected.first()->row())).selection;
}

void ProposalView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        refresh();
    }
}

void ProposalView::refresh()
{
    if (!m_current) {
        return;
    }
    for (std::size_t i = 0; i < m_proposals.size(); ++i) {
        showRow(static_cast<int>(i), m_proposals[i], m_values[i]);
    }
    showDetail();
}

void ProposalView::showRow(int row, const rivet::MachineEvaluation& proposal, double value)
{
    const QColor normal = palette().color(QPalette::Text);
    const rivet::MachineComparison comparison = rivet::compareMachines(m_table, *m_current, proposal);
    const Changes changes = changesOf(comparison);
    setFigureCell(m_results, row, Rank, QString::number(row + 1), normal, Qt::AlignRight);
    setFigureCell(m_results, row, GoalValue, text(rivet::formatGeneral(value)), normal, Qt::AlignRight);
    // Green where the proposal comes closer to the goal than the current machine, red where not.
    const std::optional<double> goalDifference = comparison.figures[m_goalFigure].difference;
    setFigureCell(m_results, row, GoalDifference, text(rivet::differenceText(goalDifference)),
                  differenceColor(rivet::favouredBy(goalDifference, m_direction), normal), Qt::AlignRight);
    setFigureCell(m_results, row, Price, text(proposal.figures[rivet::Figure::Price].text), normal, Qt::AlignRight);
    setFigureCell(m_results, row, ChangedParts,
                  changes.brief.isEmpty() ? "（現在の機体と同じ）" : changes.brief.join("、"), normal);
    const QString hint = changes.full.isEmpty() ? "現在の機体と同じです" : changes.full.join("\n");
    for (int column = Rank; column <= ChangedParts; ++column) {
        m_results->item(row, column)->setToolTip(hint);
    }
}

void ProposalView::showDetail()
{
    const QList<QTableWidgetItem*> selected = m_results->selectedItems();
    const int row = selected.isEmpty() ? -1 : selected.first()->row();
    m_detailHeading->setText(row < 0 ? "候補を選ぶと、現在の機体との違いをここに表示します"
                                     : QString("%1 位の機体と現在の機体の比較").arg(row + 1));
    std::optional<rivet::MachineComparison> comparison;
    if (row >= 0 && m_current) {
        comparison = rivet::compareMachines(m_table, *m_current, m_proposals.at(static_cast<std::size_t>(row)));
    }
    const QColor normal = palette().color(QPalette::Text);
    showFigureComparison(m_detail, comparison ? &*comparison : nullptr, normal);
    showPartDifferences(m_detailParts, comparison ? &*comparison : nullptr, normal);
}
