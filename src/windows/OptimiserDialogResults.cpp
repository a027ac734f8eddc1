// The optimiser's dialog: what a search found, the trade-off's plot, and "適用".
#include "windows/OptimiserDialog.h"

#include "common/Numbers.h"
#include "widgets/Dialogs.h"
#include "widgets/Guarded.h"
#include "windows/ProposalView.h"
#include "windows/TradeOffPlotLoader.h"

#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kProgressSteps = 1000;

const char* const kNoMachine = "条件を満たす機体がありません";
const char* const kStale = "この候補を探した後で、現在の機体が変わっています。\n"
                           "今の機体からもう一度探しますか？";

QString count(std::uint64_t number)
{
    return QLocale(QLocale::Japanese, QLocale::Japan).toString(static_cast<qulonglong>(number));
}

QString duration(qint64 milliseconds)
{
    if (milliseconds < 1000) {
        return QString("%1 ミリ秒").arg(milliseconds);
    }
    return QString("%1 秒").arg(static_cast<double>(milliseconds) / 1000.0, 0, 'f', 1);
}

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// "12 ミリ秒で 7,163,876,551,680 通りを調べました" and on a line of its own how many of them
// were evaluated and how many the bounds ruled out; a repair says first how much it changes.
QString searchSummary(const SearchOutcome& outcome)
{
    const rivet::OptimiserResult& result = outcome.result;
    QString summary = QString("%1で %2 通りを調べました\n（評価 %3、枝刈り %4）")
                          .arg(duration(outcome.milliseconds), count(result.candidates()), count(result.examined),
                               count(result.boundedAway));
    if (outcome.request.kind == rivet::SearchKind::Repair) {
        const int changes = result.machines.front().changes;
        summary.prepend(changes == 0 ? QString("警告はありません。")
                                     : QString("%1 か所を変えると警告が消えます。").arg(changes));
    }
    return summary;
}

QString heading(const SearchOutcome& outcome)
{
    const int machines = static_cast<int>(outcome.result.machines.size());
    switch (outcome.request.kind) {
    case rivet::SearchKind::TradeOff:
        return QString("2項目のトレードオフ（%1 機）").arg(machines);
    case rivet::SearchKind::Repair:
        return QString("警告を消す（変える部位の少ない順に %1 機）").arg(machines);
    case rivet::SearchKind::Best:
        break;
    }
    return QString("候補（上位 %1 機）").arg(machines);
}

// "AP（大きいほど良い）".
QString axisTitle(const rivet::Goal& goal)
{
    return QString::fromUtf8(rivet::describe(goal.figure).caption)
        + (goal.direction == rivet::Direction::Higher ? "（大きいほど良い）" : "（小さいほど良い）");
}

// A point's hint: its two numbers, then the machine's parts beside its sixteen figures.
QString pointHint(const rivet::PartsTable& table, const rivet::OptimiserRequest& request,
                  const rivet::ProposedMachine& machine, int rank)
{
    const rivet::MachineEvaluation evaluation = rivet::evaluateSelection(table, machine.selection);
    QString rows;
    // The figures outnumber the selectors.
    for (std::size_t i = 0; i < static_cast<std::size_t>(rivet::kFigureCount); ++i) {
        rows += "<tr>";
        if (i < rivet::kSelectorCount) {
            const rivet::Selector selector = rivet::selectorAt(i);
            rows += "<td>" + QString::fromUtf8(rivet::selectorCaption(selector)) + "</td><td>"
                + text(rivet::selectorItemText(table, machine.selection, selector)).toHtmlEscaped() + "</td>";
        } else {
            rows += "<td></td><td></td>";
        }
        const rivet::Figure figure = rivet::figureAt(i);
        const rivet::FigureText& shown = evaluation.figures[figure];
        rows += "<td>&nbsp;&nbsp;" + QString::fromUtf8(rivet::describe(figure).caption) + "</td><td align=right>"
            + text(shown.text).toHtmlEscaped() + "</td></tr>";
    }
    return QString("<b>%1. %2 %3 / %4 %5</b><table cellspacing=0 cellpadding=1>%6</table>")
        .arg(rank)
        .arg(QString::fromUtf8(rivet::describe(request.goal->figure).caption),
             text(rivet::formatGeneral(machine.value)),
             QString::fromUtf8(rivet::describe(request.second->figure).caption),
             text(rivet::formatGeneral(machine.secondValue)), rows);
}

} // namespace

void OptimiserDialog::showOutcome(const SearchOutcome& outcome)
{
    const rivet::OptimiserResult& result = outcome.result;
    if (result.cancelled) {
        // What a cancelled search found is not proven best: nothing is offered.
        m_progress->setValue(0);
        m_status->setText("探索を中止しました");
    } else if (result.machines.empty()) {
        m_progress->setValue(kProgressSteps);
        m_status->setText(kNoMachine);
    } else {
        m_progress->setValue(kProgressSteps);
        m_shown = outcome;
        m_resultsHeading->setText(heading(outcome));
        m_proposals->setProposals(outcome.request, result.machines);
        if (outcome.request.kind == rivet::SearchKind::TradeOff) {
            showTradeOff(outcome);
        }
        m_status->setText(searchSummary(outcome));
    }
    updateControls();
}

void OptimiserDialog::showFailure(const std::exception_ptr& failure)
{
    m_progress->setValue(0);
    m_status->setText("探索できませんでした");
    updateControls();
    runGuarded(this, [&] { std::rethrow_exception(failure); });
}

void OptimiserDialog::showTradeOff(const SearchOutcome& outcome)
{
    m_plotArea->show();
    if (!m_plot) {
        QString problem;
        m_plot = createTradeOffPlot(m_plotArea, problem);
        if (!m_plot) {
            auto* missing = new QLabel("グラフを表示できません：" + problem, m_plotArea);
            missing->setObjectName("lbPlotMissing");
            missing->setWordWrap(true);
            m_plotArea->layout()->addWidget(missing);
            return;
        }
        m_plotArea->layout()->addWidget(m_plot->widget());
        // A click on a point chooses its row, which shows it beside the current machine.
        m_plot->pointClicked = [this](int index) { m_proposals->chooseRow(index); };
        connect(m_proposals, &ProposalView::chosenChanged, this, [this] { m_plot->choose(m_proposals->chosenRow()); });
    }
    const rivet::OptimiserRequest& request = outcome.request;
    PlotAxes axes {axisTitle(*request.goal), axisTitle(*request.second),
                   rivet::describe(request.goal->figure).decimal(), rivet::describe(request.second->figure).decimal()};
    QVector<PlotPoint> points;
    int rank = 0;
    for (const rivet::ProposedMachine& machine : outcome.result.machines) {
        points.push_back({machine.value, machine.secondValue, pointHint(m_table, request, machine, ++rank)});
    }
    m_plot->showPoints(axes, points);
    m_plot->choose(m_proposals->chosenRow());
}

void OptimiserDialog::apply()
{
    const std::optional<rivet::Selection> chosen = m_proposals->chosen();
    if (searching() || !chosen || !m_shown || !m_current) {
        return;
    }
    // Machines proposed for a machine that has changed since would put its parts back; taking
    // one listed machine after another is no change of that kind.
    const rivet::Selection& current = m_current->selection;
    if (!(current == m_shown->request.start) && !m_proposals->lists(current)) {
        if (Dialogs::current().askQuestion(this, kStale, {"探し直す", "適用しない"}) == 0) {
            rivet::OptimiserRequest again = m_shown->request;
            again.start = current;
            runSearch(again);
        }
        return;
    }
    Q_EMIT machineChosen(*chosen);
}
