// The optimiser's dialog: its settings and the run of a search.
#include "windows/OptimiserDialog.h"

#include "widgets/Guarded.h"
#include "windows/GoalChoice.h"
#include "windows/ProposalView.h"
#include "windows/RequirementTable.h"
#include "windows/SlotRuleBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kProposals = 10;
constexpr int kProgressSteps = 1000;

const char* const kReady = "目標を選んで「探索」を押してください";

QPushButton* button(const char* text, const char* name, QWidget* parent)
{
    auto* pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(name);
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

OptimiserDialog::OptimiserDialog(const rivet::PartsTable& table, QWidget* parent)
    : QDialog(parent)
    , m_table(table)
{
    setObjectName("OptimiserDialog");
    setWindowTitle("自動構成");
    setModal(false);

    m_search = new OptimiserSearch(this);
    connect(m_search, &OptimiserSearch::finished, this, &OptimiserDialog::showOutcome);
    connect(m_search, &OptimiserSearch::failed, this, &OptimiserDialog::showFailure);
    connect(m_search, &OptimiserSearch::progressed, this,
            [this](double share) { m_progress->setValue(static_cast<int>(share * kProgressSteps)); });

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(buildSettings(), 1);
    left->addWidget(buildRun());
    auto* settingsColumn = new QWidget(this);
    settingsColumn->setLayout(left);
    left->setContentsMargins(0, 0, 0, 0);
    settingsColumn->setFixedWidth(420);
    columns->addWidget(settingsColumn);
    columns->addWidget(buildResults(), 1);

    m_applyButton = button("適用", "btApply", this);
    m_applyButton->setToolTip("選んだ候補を現在の機体にする");
    auto* close = button("閉じる", "btClose", this);
    connect(m_applyButton, &QPushButton::clicked, this, &OptimiserDialog::apply);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_applyButton);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(1180, 860);
    updateControls();
}

QWidget* OptimiserDialog::buildSettings()
{
    m_settings = new QWidget(this);
    auto* layout = new QVBoxLayout(m_settings);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildGoals());
    m_slots = new SlotRuleBox(m_settings);
    layout->addWidget(m_slots);
    layout->addWidget(buildRequirements(), 1);
    layout->addWidget(buildOptions());
    return m_settings;
}

QWidget* OptimiserDialog::buildGoals()
{
    auto* box = new QGroupBox("目標", this);
    m_goal = new GoalChoice("cbGoal", "cbDirection", false, box);
    m_second = new GoalChoice("cbSecondGoal", "cbSecondDirection", true, box);
    m_second->setToolTip("目標が同じ機体の順位を決める項目（トレードオフではもう一つの軸）");
    auto* layout = new QGridLayout(box);
    layout->addWidget(new QLabel("目標", box), 0, 0);
    layout->addWidget(m_goal, 0, 1);
    layout->addWidget(new QLabel("次に重視", box), 1, 0);
    layout->addWidget(m_second, 1, 1);
    layout->setColumnStretch(1, 1);
    return box;
}

QWidget* OptimiserDialog::buildRequirements()
{
    auto* box = new QGroupBox("条件", this);
    m_requirements = new RequirementTable(box);
    auto* add = button("条件を追加", "btAddRequirement", box);
    connect(add, &QPushButton::clicked, this, [this] { m_requirements->addRequirement(); });
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_requirements, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addStretch();
    layout->addLayout(buttons);
    return box;
}

QWidget* OptimiserDialog::buildOptions()
{
    auto* box = new QGroupBox("オプション", this);
    m_optionsKept = new QRadioButton("オプションはそのまま", box);
    m_optionsKept->setObjectName("rbOptionsKeep");
    m_optionsKept->setChecked(true);
    m_optionsFree = new QRadioButton("オプションも探す", box);
    m_optionsFree->setObjectName("rbOptionsFree");
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(m_optionsKept);
    layout->addWidget(m_optionsFree);
    layout->addStretch();
    return box;
}

QWidget* OptimiserDialog::buildRun()
{
    auto* run = new QWidget(this);
    m_searchButton = button("探索", "btSearch", run);
    m_searchButton->setDefault(true);
    m_searchButton->setToolTip("目標の最も良い機体を探す");
    m_tradeOffButton = button("2項目のトレードオフ", "btTradeOff", run);
    m_tradeOffButton->setToolTip("「目標」と「次に重視」の両方で他に負けない機体をすべて探す");
    m_repairButton = button("警告を消す", "btRepair", run);
    m_repairButton->setToolTip("変える部位がいちばん少ない、警告のない機体を探す");
    const std::pair<QPushButton*, rivet::SearchKind> kinds[] = {{m_searchButton, rivet::SearchKind::Best},
                                                                {m_tradeOffButton, rivet::SearchKind::TradeOff},
                                                                {m_repairButton, rivet::SearchKind::Repair}};
    for (const auto& [pushButton, kind] : kinds) {
        connect(pushButton, &QPushButton::clicked, this,
                [this, kind = kind] { runGuarded(this, [this, kind] { startSearch(kind); }); });
    }
    m_progress = new QProgressBar(run);
    m_progress->setObjectName("pbSearch");
    m_progress->setRange(0, kProgressSteps);
    m_progress->setValue(0);
    m_cancelButton = button("中止", "btCancelSearch", run);
    connect(m_cancelButton, &QPushButton::clicked, this, &OptimiserDialog::cancelSearch);
    m_status = new QLabel(kReady, run);
    m_status->setObjectName("lbSearchStatus");
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->setMinimumHeight(2 * m_status->fontMetrics().lineSpacing());
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_searchButton);
    buttons->addWidget(m_tradeOffButton);
    buttons->addWidget(m_repairButton);
    auto* progress = new QHBoxLayout;
    progress->addWidget(m_progress, 1);
    progress->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(run);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addLayout(progress);
    layout->addWidget(m_status);
    return run;
}

QWidget* OptimiserDialog::buildResults()
{
    auto* results = new QWidget(this);
    m_resultsHeading = new QLabel(QString("候補（上位 %1 機）").arg(kProposals), results);
    m_resultsHeading->setObjectName("lbResults");
    // The trade-off's plot appears here the first time one is shown.
    m_plotArea = new QWidget(results);
    m_plotArea->setObjectName("tradeOffArea");
    auto* plotLayout = new QVBoxLayout(m_plotArea);
    plotLayout->setContentsMargins(0, 0, 0, 0);
    m_plotArea->setMinimumHeight(240);
    m_plotArea->hide();
    m_proposals = new ProposalView(m_table, results);
    connect(m_proposals, &ProposalView::chosenChanged, this, &OptimiserDialog::updateControls);
    connect(m_proposals, &ProposalView::activated, this, &OptimiserDialog::apply);
    auto* layout = new QVBoxLayout(results);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_resultsHeading);
    layout->addWidget(m_plotArea, 1);
    layout->addWidget(m_proposals, 2);
    return results;
}

void OptimiserDialog::showCurrentMachine(const rivet::MachineEvaluation& current)
{
    m_current = current;
    m_requirements->setCurrentTotals(current.totals);
    m_proposals->setCurrentMachine(current);
    m_slots->showCurrentParts(m_table, current.selection);
}

bool OptimiserDialog::searching() const
{
    return m_search->running();
}

void OptimiserDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // Closed by the player or with the main window; a minimised desktop hides it on its own.
    if (!event->spontaneous()) {
        cancelSearch();
    }
}

rivet::OptimiserRequest OptimiserDialog::request(rivet::SearchKind kind) const
{
    rivet::OptimiserRequest request;
    request.kind = kind;
    request.start = m_current->selection;
    request.goal = m_goal->goal();
    request.second = m_second->goal();
    request.slots = m_slots->rules();
    request.requirements = m_requirements->requirements();
    request.freeOptions = m_optionsFree->isChecked();
    request.top = kProposals;
    return request;
}

void OptimiserDialog::startSearch(rivet::SearchKind kind)
{
    if (!m_current || searching()) {
        return;
    }
    const rivet::OptimiserRequest asked = request(kind);
    if (kind == rivet::SearchKind::TradeOff && !asked.second) {
        m_status->setText("トレードオフには「次に重視」の項目も選んでください");
        return;
    }
    if (kind == rivet::SearchKind::TradeOff && asked.second->figure == asked.goal->figure) {
        m_status->setText("トレードオフには「目標」と「次に重視」に別の項目を選んでください");
        return;
    }
    runSearch(asked);
}

void OptimiserDialog::runSearch(const rivet::OptimiserRequest& request)
{
    m_shown.reset();
    m_proposals->clear();
    m_plotArea->hide();
    m_progress->setValue(0);
    m_status->setText("探索しています…");
    m_search->start(m_table, request);
    updateControls();
    if (request.goal) {
        Q_EMIT goalSearched(request.goal->figure);
    }
}

void OptimiserDialog::cancelSearch()
{
    if (!searching()) {
        return;
    }
    m_search->cancel();
    m_status->setText("中止しています…");
    m_cancelButton->setEnabled(false);
}

void OptimiserDialog::updateControls()
{
    const bool running = searching();
    // What a running search was asked stays as it was asked.
    m_settings->setEnabled(!running);
    for (QPushButton* start : {m_searchButton, m_tradeOffButton, m_repairButton}) {
        start->setEnabled(!running);
    }
    m_cancelButton->setEnabled(running);
    m_applyButton->setEnabled(!running && m_proposals->chosen().has_value());
}
