#include "windows/ComparisonWindow.h"

#include "widgets/FigureTable.h"
#include "windows/ComparisonTables.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum FigureColumn { Caption, Base, Current };

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
    m_otherLabel = new QLabel(this);
    m_otherLabel->setObjectName("lbOther");
    m_otherLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_otherLabel->hide();

    m_figures = comparisonTable("twFigures", {"項目", "基準", "現在", "差"}, this);
    showFigureComparison(m_figures, nullptr, palette().color(QPalette::Text));
    m_figures->setColumnWidth(Caption, 132);
    m_figures->setColumnWidth(Base, 92);
    m_figures->setColumnWidth(Current, 92);
    m_figures->horizontalHeader()->setStretchLastSection(true);
    m_figures->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_figures->setFixedHeight(figureTableHeight(m_figures, rivet::kFigureCount));

    m_partsHeading = new QLabel("部品の違い", this);
    m_partsHeading->setObjectName("lbParts");
    m_parts = comparisonTable("twParts", {"部位", "基準", "現在"}, this);
    m_parts->setColumnWidth(0, 90);
    m_parts->setColumnWidth(1, 160);
    m_parts->horizontalHeader()->setStretchLastSection(true);

    auto* pin = new QPushButton("現在の機体を基準にする", this);
    pin->setObjectName("btPinCurrent");
    auto* file = new QPushButton("ファイルと比較…", this);
    file->setObjectName("btCompareFile");
    auto* open = new QPushButton("開いている機体と比較…", this);
    open->setObjectName("btCompareOpen");
    connect(pin, &QPushButton::clicked, this, &ComparisonWindow::pinCurrentRequested);
    connect(file, &QPushButton::clicked, this, &ComparisonWindow::baseFileRequested);
    connect(open, &QPushButton::clicked, this,
            [this, open] { Q_EMIT openMachineRequested(open->mapToGlobal(QPoint(0, open->height()))); });

    m_buttons = new QWidget(this);
    auto* buttons = new QHBoxLayout(m_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(pin);
    buttons->addWidget(file);
    buttons->addWidget(open);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_baseLabel);
    layout->addWidget(m_otherLabel);
    layout->addWidget(m_figures);
    layout->addWidget(m_partsHeading);
    layout->addWidget(m_parts, 1);
    layout->addWidget(m_buttons);
    resize(440, 600);
}

void ComparisonWindow::showCurrentMachine(const rivet::MachineEvaluation& current)
{
    // The figures follow from the selection: the same selection shows the same comparison.
    if (m_pair || (m_current && m_current->selection == current.selection)) {
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

void ComparisonWindow::showPair(const rivet::MachineEvaluation& base, const QString& baseDescription,
                                const rivet::MachineEvaluation& other, const QString& otherDescription)
{
    m_pair = true;
    m_current = other;
    m_otherLabel->setText("対象：" + otherDescription);
    m_otherLabel->show();
    m_buttons->hide();
    for (QTableWidget* table : {m_figures, m_parts}) {
        table->horizontalHeaderItem(table == m_figures ? Current : 2)->setText("対象");
    }
    setBase(base, baseDescription);
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

void ComparisonWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The colours follow the desktop's text colour.
    if (event->type() == QEvent::PaletteChange) {
        refresh();
    }
}

void ComparisonWindow::refresh()
{
    if (!m_base || !m_current) {
        return;
    }
    const rivet::MachineComparison comparison = rivet::compareMachines(m_table, *m_base, *m_current);
    const QColor normal = palette().color(QPalette::Text);
    showFigureComparison(m_figures, &comparison, normal);
    showPartDifferences(m_parts, &comparison, normal);
    m_partsHeading->setText(comparison.parts.empty() && comparison.options.empty() ? "部品の違い：なし" : "部品の違い");
}
