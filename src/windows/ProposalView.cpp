#include "windows/ProposalView.h"

#include "common/Numbers.h"
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

#include <algorithm>

namespace {

enum ResultColumn { Rank, GoalValue, GoalDifference, SecondValue, Price, Changes, ChangedParts };
enum DetailColumn { Caption, Current, Proposed, Difference };
constexpr int kReasonColumn = 3;

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// What applying the machine would change, short for the list ("脚→LN-3001、+SP-ABS") and
// in full for its hint, one line a part.
struct ChangeTexts
{
    QStringList brief;
    QStringList full;
};

ChangeTexts changesOf(const rivet::MachineComparison& comparison)
{
    ChangeTexts changes;
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
    m_results = figureTable("twResults", {"順位", "目標値", "差", "次の値", "価格", "変更", "変わる部品"}, this);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    // The changed parts wrap rather than being cut: two proposals may differ only at the end.
    // The rows take the height of their text once the list is written (a trade-off lists
    // hundreds), and again when the column gets wider or narrower.
    m_results->setWordWrap(true);
    connect(m_results->horizontalHeader(), &QHeaderView::sectionResized, m_results,
            [this] { m_results->resizeRowsToContents(); });
    const std::pair<ResultColumn, int> widths[]
        = {{Rank, 40}, {GoalValue, 72}, {GoalDifference, 64}, {SecondValue, 72}, {Price, 72}, {Changes, 44}};
    for (const auto& [column, width] : widths) {
        m_results->setColumnWidth(column, width);
    }
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
    m_detailParts = comparisonTable("twDetailParts", {"部位", "現在", "候補", "理由"}, this);
    m_detailParts->setColumnWidth(0, 72);
    m_detailParts->setColumnWidth(1, 100);
    m_detailParts->setColumnWidth(2, 100);
    m_detailParts->setMinimumWidth(72 + 2 * 100 + 2 * m_detailParts->frameWidth());
    m_detailParts->horizontalHeader()->setStretchLastSection(true);
    // A repair's reasons wrap within the width left to them.
    m_detailParts->setWordWrap(true);
    m_detailParts->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_detailParts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_detailParts->setFixedHeight(m_detail->height());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_detailHeading);
    auto* detail = new QHBoxLayout;
    detail->addWidget(m_detail);
    detail->addWidget(m_detailParts, 1);
    layout->addLayout(detail);
    setProposals({}, {});
}

void ProposalView::setCurrentMachine(const rivet::MachineEvaluation& current)
{
    if (m_current && m_current->selection == current.selection) {
        return;
    }
    m_current = current;
    refresh();
}

void ProposalView::setProposals(const rivet::OptimiserRequest& request,
                                const std::vector<rivet::ProposedMachine>& machines)
{
    m_request = request;
    m_proposals.clear();
    const bool repair = request.kind == rivet::SearchKind::Repair;
    for (const rivet::ProposedMachine& machine : machines) {
        m_proposals.push_back(
            {machine, rivet::evaluateSelection(m_table, machine.selection),
             repair ? rivet::explainRepair(m_table, request, machine.selection) : std::vector<rivet::ChangeReason> {}});
    }
    m_results->setColumnHidden(GoalValue, !request.goal);
    m_results->setColumnHidden(GoalDifference, !request.goal);
    m_results->setColumnHidden(SecondValue, !request.second);
    m_results->setColumnHidden(Changes, !repair);
    m_detailParts->setColumnHidden(kReasonColumn, !repair);
    m_results->clearSelection();
    m_results->setRowCount(count());
    refresh();
    if (!m_proposals.empty()) {
        m_results->selectRow(0);
    }
}

void ProposalView::clear()
{
    setProposals(m_request, {});
}

int ProposalView::chosenRow() const
{
    const QList<QTableWidgetItem*> selected = m_results->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

void ProposalView::chooseRow(int row)
{
    if (row < 0 || row >= count()) {
        m_results->clearSelection();
        return;
    }
    m_results->selectRow(row);
    m_results->scrollToItem(m_results->item(row, Rank));
}

std::optional<rivet::Selection> ProposalView::chosen() const
{
    const int row = chosenRow();
    if (row < 0) {
        return std::nullopt;
    }
    return m_proposals.at(static_cast<std::size_t>(row)).machine.selection;
}

bool ProposalView::lists(const rivet::Selection& selection) const
{
    return std::any_of(m_proposals.begin(), m_proposals.end(),
                       [&](const Proposal& proposal) { return proposal.machine.selection == selection; });
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
        showRow(static_cast<int>(i), m_proposals[i]);
    }
    m_results->resizeRowsToContents();
    showDetail();
}

void ProposalView::showRow(int row, const Proposal& proposal)
{
    const QColor normal = palette().color(QPalette::Text);
    const rivet::MachineComparison comparison = rivet::compareMachines(m_table, *m_current, proposal.evaluation);
    const ChangeTexts changes = changesOf(comparison);
    setFigureCell(m_results, row, Rank, QString::number(row + 1), normal, Qt::AlignRight);
    // Every cell is written, those of the columns hidden for this kind of search too.
    for (int column : {GoalValue, GoalDifference, SecondValue}) {
        setFigureCell(m_results, row, column, QString(), normal, Qt::AlignRight);
    }
    if (m_request.goal) {
        setFigureCell(m_results, row, GoalValue, text(rivet::formatGeneral(proposal.machine.value)), normal,
                      Qt::AlignRight);
        // Green where the proposal comes closer to the goal than the current machine, red where not.
        const std::optional<double> difference = comparison.figures[m_request.goal->figure].difference;
        setFigureCell(m_results, row, GoalDifference, text(rivet::differenceText(difference)),
                      differenceColor(rivet::favouredBy(difference, m_request.goal->direction), normal),
                      Qt::AlignRight);
    }
    if (m_request.second) {
        setFigureCell(m_results, row, SecondValue, text(rivet::formatGeneral(proposal.machine.secondValue)), normal,
                      Qt::AlignRight);
    }
    setFigureCell(m_results, row, Price, text(proposal.evaluation.figures[rivet::Figure::Price].text), normal,
                  Qt::AlignRight);
    setFigureCell(m_results, row, Changes, QString::number(proposal.machine.changes), normal, Qt::AlignRight);
    setFigureCell(m_results, row, ChangedParts,
                  changes.brief.isEmpty() ? "（現在の機体と同じ）" : changes.brief.join("、"), normal);
    const QString hint = changes.full.isEmpty() ? "現在の機体と同じです" : changes.full.join("\n");
    for (int column = Rank; column <= ChangedParts; ++column) {
        m_results->item(row, column)->setToolTip(hint);
    }
}

void ProposalView::showDetail()
{
    const int row = chosenRow();
    m_detailHeading->setText(row < 0 ? "候補を選ぶと、現在の機体との違いをここに表示します"
                                     : QString("%1 位の機体と現在の機体の比較").arg(row + 1));
    std::optional<rivet::MachineComparison> comparison;
    if (row >= 0 && m_current) {
        comparison
            = rivet::compareMachines(m_table, *m_current, m_proposals.at(static_cast<std::size_t>(row)).evaluation);
    }
    const QColor normal = palette().color(QPalette::Text);
    showFigureComparison(m_detail, comparison ? &*comparison : nullptr, normal);
    showPartDifferences(m_detailParts, comparison ? &*comparison : nullptr, normal);
    if (comparison) {
        showReasons(*comparison, m_proposals.at(static_cast<std::size_t>(row)));
    }
}

void ProposalView::showReasons(const rivet::MachineComparison& comparison, const Proposal& proposal)
{
    // The part rows come first, one for each selector that differs, in selector order.
    const QColor normal = palette().color(QPalette::Text);
    for (int row = 0; row < m_detailParts->rowCount(); ++row) {
        QString why;
        if (row < static_cast<int>(comparison.parts.size())) {
            const rivet::Selector selector = comparison.parts[static_cast<std::size_t>(row)].selector;
            for (const rivet::ChangeReason& reason : proposal.reasons) {
                if (reason.selector == selector) {
                    why = text(rivet::reasonText(reason));
                }
            }
        }
        setFigureCell(m_detailParts, row, kReasonColumn, why, normal);
        m_detailParts->item(row, kReasonColumn)->setToolTip(why);
    }
}
