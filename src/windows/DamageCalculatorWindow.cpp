#include "windows/DamageCalculatorWindow.h"

#include "widgets/Fonts.h"
#include "widgets/Guarded.h"
#include "widgets/LiveEditDelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTableWidget>
#include <algorithm>

namespace {

constexpr int kRowHeight = 24;
constexpr int kColumnWidth = 64;
constexpr QAbstractItemView::EditTriggers kTyping = QAbstractItemView::DoubleClicked
    | QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed;

bool isFixed(int column, int row)
{
    return column == 0 || row == 0;
}

} // namespace

DamageCalculatorWindow::DamageCalculatorWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName("DForm");
    setWindowTitle("簡易ダメージ計算表");
    setFont(Fonts::font(Fonts::ProportionalGothic, 13));
    setFixedSize(439, 235);

    m_formula = new QLabel("ダメージ = 攻撃力 × ダメージ係数 ÷ ９６", this);
    m_formula->setObjectName("Label1");
    m_formula->setGeometry(8, 8, 425, 18);

    m_grid = new QTableWidget(rivet::DamageTable::kRows, rivet::DamageTable::kColumns, this);
    m_grid->setObjectName("G");
    m_grid->setGeometry(7, 34, 425, 193);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setMinimumSectionSize(kRowHeight);
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setTabKeyNavigation(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < rivet::DamageTable::kRows; ++row) {
        for (int column = 0; column < rivet::DamageTable::kColumns; ++column) {
            auto* item = new QTableWidgetItem;
            if (isFixed(column, row)) {
                item->setFlags(Qt::ItemIsEnabled);
            }
            m_grid->setItem(row, column, item);
        }
    }
    shadeFixedCells();
    auto* delegate = new LiveEditDelegate(m_grid);
    m_grid->setItemDelegate(delegate);
    connect(delegate, &LiveEditDelegate::textEdited, this, &DamageCalculatorWindow::editCellText);
    // A cancelled edit leaves the cell as it was: the trial and its damage follow the cell.
    connect(delegate, &LiveEditDelegate::editingEnded, this, &DamageCalculatorWindow::itemEdited);
    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_showing) {
            itemEdited(item->column(), item->row());
        }
    });
    m_grid->viewport()->installEventFilter(this);
    // The fixed header row and marker column never hold the current cell; Tab and the
    // arrow keys step over them.
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row, int column, int oldRow, int oldColumn) {
        if (row < 0 || !isFixed(column, row)) {
            return;
        }
        const bool backwards = row == oldRow && oldColumn == 1;
        if (backwards && row > 1) {
            m_grid->setCurrentCell(row - 1, rivet::DamageTable::kColumns - 1);
        } else if (backwards || row == 0) {
            m_grid->setCurrentCell(std::max(oldRow, 1), std::max(oldColumn, 1));
        } else {
            m_grid->setCurrentCell(row, 1);
        }
    });
    m_grid->setCurrentCell(1, 1);

    showTable();
    if (QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

// A cell editor still open when the window goes away writes its text into the grid as the
// grid is deleted, after this form's own parts are gone: the grid must no longer reach them.
DamageCalculatorWindow::~DamageCalculatorWindow()
{
    m_grid->disconnect(this);
    m_grid->itemDelegate()->disconnect(this);
}

void DamageCalculatorWindow::fillFromAssembly(const std::string& shellFigure, const std::string& beamFigure)
{
    m_table.fillFromAssembly(shellFigure, beamFigure);
    showTable();
    show();
    raise();
    activateWindow();
}

// The handlers below are entry points from Qt's events: whatever stops one is shown in the
// error box and the calculator goes on.

void DamageCalculatorWindow::pressCell(int column, int row)
{
    runGuarded(this, [&] {
        // Only the attack and coefficient columns open for typing by a click.
        m_grid->setEditTriggers(column == rivet::DamageTable::Attack || column == rivet::DamageTable::Coefficient
                                    ? kTyping
                                    : QAbstractItemView::NoEditTriggers);
        if (row >= 1 && column == rivet::DamageTable::Type) {
            m_table.toggleType(row);
        }
        if (row >= 1 && column == rivet::DamageTable::Bonus) {
            m_table.toggleBonus(row);
        }
        m_table.recomputeDamage();
        showTable();
    });
}

void DamageCalculatorWindow::editCellText(int column, int row, const QString& text)
{
    runGuarded(this, [&] {
        m_table.setCell(column, row, text.toStdString());
        m_table.recomputeDamage();
        showDamage();
    });
}

// The editor has written its text into the cell, or has closed leaving the cell as it was.
void DamageCalculatorWindow::itemEdited(int column, int row)
{
    runGuarded(this, [&] {
        m_table.setCell(column, row, m_grid->item(row, column)->text().toStdString());
        m_table.recomputeDamage();
        showDamage();
    });
}

void DamageCalculatorWindow::showTable()
{
    m_showing = true;
    for (int row = 0; row < rivet::DamageTable::kRows; ++row) {
        for (int column = 0; column < rivet::DamageTable::kColumns; ++column) {
            m_grid->item(row, column)->setText(QString::fromStdString(m_table.cell(column, row)));
        }
    }
    m_showing = false;
}

void DamageCalculatorWindow::showDamage()
{
    m_showing = true;
    for (int row = 1; row < rivet::DamageTable::kRows; ++row) {
        m_grid->item(row, rivet::DamageTable::Damage)
            ->setText(QString::fromStdString(m_table.cell(rivet::DamageTable::Damage, row)));
    }
    m_showing = false;
}

// The header row and marker column in the colour of buttons, following the desktop's palette.
void DamageCalculatorWindow::shadeFixedCells()
{
    m_showing = true; // not an edit of the cells
    for (int row = 0; row < rivet::DamageTable::kRows; ++row) {
        for (int column = 0; column < rivet::DamageTable::kColumns; ++column) {
            if (isFixed(column, row)) {
                m_grid->item(row, column)->setBackground(palette().button());
            }
        }
    }
    m_showing = false;
}

void DamageCalculatorWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_grid) {
        shadeFixedCells();
    }
}

bool DamageCalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A double click arrives as a second press: a type or E+ cell toggles twice.
    if (watched == m_grid->viewport()
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        pressCell(m_grid->columnAt(at.x()), m_grid->rowAt(at.y()));
    }
    return QWidget::eventFilter(watched, event);
}
