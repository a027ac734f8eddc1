#include "windows/OptimiserDialog.h"

#include "comparison/MachineComparison.h"
#include "widgets/FigureChoice.h"
#include "widgets/Guarded.h"
#include "windows/OptimiserSearch.h"
#include "windows/ProposalView.h"
#include "windows/RequirementTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kProposals = 10;
constexpr int kProgressSteps = 1000;
constexpr int kProgressInterval = 50; // milliseconds

const char* const kReady = "目標を選んで「探索」を押してください";
const char* const kNoMachine = "条件を満たす機体がありません";

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

// "12 ミリ秒で 7,163,876,551,680 通りを調べました" and on a line of its own how many of them
// were evaluated and how many the bounds ruled out.
QString searchSummary(const rivet::OptimiserResult& result, qint64 milliseconds)
{
    return QString("%1で %2 通りを調べました\n（評価 %3、枝刈り %4）")
        .arg(duration(milliseconds), count(result.candidates()), count(result.examined), count(result.boundedAway));
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
    connect(m_search, &OptimiserSearch::finished, this, &OptimiserDialog::showResult);
    connect(m_search, &OptimiserSearch::failed, this, &OptimiserDialog::showFailure);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(kProgressInterval);
    connect(m_progressTimer, &QTimer::timeout, this, &OptimiserDialog::showProgress);

    auto* resultsHeading = new QLabel(QString("候補（上位 %1 機）").arg(kProposals), this);
    m_proposals = new ProposalView(table, this);
    connect(m_proposals, &ProposalView::chosenChanged, this, &OptimiserDialog::updateButtons);
    connect(m_proposals, &ProposalView::activated, this, &OptimiserDialog::apply);
    auto* results = new QVBoxLayout;
    results->addWidget(resultsHeading);
    results->addWidget(m_proposals, 1);

    auto* columns = new QHBoxLayout;
    columns->addWidget(buildSettings());
    columns->addLayout(results, 1);

    m_applyButton = new QPushButton("適用", this);
    m_applyButton->setObjectName("btApply");
    m_applyButton->setToolTip("選んだ候補を現在の機体にする");
    m_applyButton->setAutoDefault(false);
    auto* close = new QPushButton("閉じる", this);
    close->setObjectName("btClose");
    close->setAutoDefault(false);
    connect(m_applyButton, &QPushButton::clicked, this, &OptimiserDialog::apply);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_applyButton);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(1120, 660);
    updateButtons();
}

QWidget* OptimiserDialog::buildSettings()
{
    auto* settings = new QWidget(this);
    auto* layout = new QVBoxLayout(settings);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildGoal());
    layout->addWidget(buildKeptParts());
    layout->addWidget(buildRequirements(), 1);
    layout->addWidget(buildOptions());

    m_searchButton = new QPushButton("探索", settings);
    m_searchButton->setObjectName("btSearch");
    m_searchButton->setDefault(true);
    m_progress = new QProgressBar(settings);
    m_progress->setObjectName("pbSearch");
    m_progress->setRange(0, kProgressSteps);
    m_progress->setValue(0);
    m_cancelButton = new QPushButton("中止", settings);
    m_cancelButton->setObjectName("btCancelSearch");
    m_cancelButton->setAutoDefault(false);
    connect(m_searchButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { startSearch(); }); });
    connect(m_cancelButton, &QPushButton::clicked, this, &OptimiserDialog::cancelSearch);
    auto* run = new QHBoxLayout;
    run->addWidget(m_searchButton);
    run->addWidget(m_progress, 1);
    run->addWidget(m_cancelButton);
    layout->addLayout(run);

    m_status = new QLabel(kReady, settings);
    m_status->setObjectName("lbSearchStatus");
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->setMinimumHeight(2 * m_status->fontMetrics().lineSpacing());
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_status);
    settings->setFixedWidth(400);
    return settings;
}

QWidget* OptimiserDialog::buildGoal()
{
    auto* box = new QGroupBox("目標", this);
    m_goal = new QComboBox(box);
    m_goal->setObjectName("cbGoal");
    fillWithFigures(m_goal);
    m_direction = new QComboBox(box);
    m_direction->setObjectName("cbDirection");
    m_direction->addItem("大きいほど良い");
    m_direction->addItem("小さいほど良い");
    // A new goal starts in the direction in which the figure gets better.
    connect(m_goal, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        m_direction->setCurrentIndex(rivet::describe(chosenFigure(m_goal)).better == rivet::Direction::Higher ? 0 : 1);
    });
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(m_goal, 1);
    layout->addWidget(m_direction, 1);
    return box;
}

QWidget* OptimiserDialog::buildKeptParts()
{
    auto* box = new QGroupBox("固定する部品", this);
    box->setToolTip("チェックした部位は現在の部品のまま探します");
    auto* layout = new QGridLayout(box);
    for (rivet::Selector selector : rivet::allSelectors()) {
        auto* kept = new QCheckBox(QString::fromUtf8(rivet::selectorCaption(selector)), box);
        kept->setObjectName(QString("chkKeep%1").arg(selector));
        const auto index = static_cast<int>(rivet::selectorIndex(selector));
        m_kept[rivet::selectorIndex(selector)] = kept;
        layout->addWidget(kept, index / 4, index % 4);
    }
    return box;
}

QWidget* OptimiserDialog::buildRequirements()
{
    auto* box = new QGroupBox("条件", this);
    m_requirements = new RequirementTable(box);
    auto* add = new QPushButton("条件を追加", box);
    add->setObjectName("btAddRequirement");
    add->setAutoDefault(false);
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

void OptimiserDialog::showCurrentMachine(const rivet::MachineEvaluation& current)
{
    m_current = current;
    m_requirements->setCurrentTotals(current.totals);
    m_proposals->setCurrentMachine(current);
    for (rivet::Selector selector : rivet::allSelectors()) {
        m_kept[rivet::selectorIndex(selector)]->setToolTip(
            "現在の部品：" + QString::fromStdString(rivet::selectorItemText(m_table, current.selection, selector)));
    }
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

rivet::OptimiserRequest OptimiserDialog::request() const
{
    rivet::OptimiserRequest request;
    request.start = m_current->selection;
    request.goal = rivet::Goal {chosenFigure(m_goal),
                                m_direction->currentIndex() == 0 ? rivet::Direction::Higher : rivet::Direction::Lower};
    for (std::size_t i = 0; i < m_kept.size(); ++i) {
        request.slots[i] = m_kept[i]->isChecked() ? rivet::SlotRule::Keep : rivet::SlotRule::Free;
    }
    request.requirements = m_requirements->requirements();
    request.freeOptions = m_optionsFree->isChecked();
    request.top = kProposals;
    return request;
}

void OptimiserDialog::startSearch()
{
    if (!m_current || searching()) {
        return;
    }
    const rivet::OptimiserRequest asked = request();
    m_searchedGoal = asked.goal->figure;
    m_searchedDirection = asked.goal->direction;
    m_proposals->clear();
    m_progress->setValue(0);
    m_status->setText("探索しています…");
    m_search->start(m_table, asked);
    m_progressTimer->start();
    updateButtons();
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

void OptimiserDialog::showResult(const rivet::OptimiserResult& result, qint64 milliseconds)
{
    m_progressTimer->stop();
    if (result.cancelled) {
        // What a cancelled search found is not proven best: nothing is offered.
        m_progress->setValue(0);
        m_status->setText("探索を中止しました");
    } else if (result.machines.empty()) {
        m_progress->setValue(kProgressSteps);
        m_status->setText(kNoMachine);
    } else {
        m_progress->setValue(kProgressSteps);
        m_proposals->setProposals(result.machines, m_searchedGoal, m_searchedDirection);
        m_status->setText(searchSummary(result, milliseconds));
    }
    updateButtons();
}

void OptimiserDialog::showFailure(const std::exception_ptr& failure)
{
    m_progressTimer->stop();
    m_progress->setValue(0);
    m_status->setText("探索できませんでした");
    updateButtons();
    runGuarded(this, [&] { std::rethrow_exception(failure); });
}

void OptimiserDialog::showProgress()
{
    m_progress->setValue(static_cast<int>(m_search->progress() * kProgressSteps));
}

void OptimiserDialog::apply()
{
    if (searching()) {
        return;
    }
    if (const std::optional<rivet::Selection> chosen = m_proposals->chosen()) {
        Q_EMIT machineChosen(*chosen);
    }
}

void OptimiserDialog::updateButtons()
{
    const bool running = searching();
    m_searchButton->setEnabled(!running);
    m_cancelButton->setEnabled(running);
    m_applyButton->setEnabled(!running && m_proposals->chosen().has_value());
}
