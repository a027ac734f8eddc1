#pragma once

#include "evaluation/DamageTable.h"

#include <QWidget>

#include <string>

class QLabel;
class QTableWidget;

// The damage calculator "簡易ダメージ計算表": six trials of a weapon type, attack power and
// damage coefficient, with the damage of one hit worked out beside each. Created hidden at
// start, modeless, and keeping its trials while hidden for the rest of the run.
//
// The grid's cells are numbered as the table's: row 0 holds the headers, column 0 the row
// markers; both are fixed and not editable.
class DamageCalculatorWindow : public QWidget
{
    Q_OBJECT

public:
    explicit DamageCalculatorWindow(QWidget* parent = nullptr);
    ~DamageCalculatorWindow() override;

    // Fills the first two trials from the main window's shell and beam defence figures
    // ("coefficient/total") and shows the window, bringing it to the front.
    void fillFromAssembly(const std::string& shellFigure, const std::string& beamFigure);

    const rivet::DamageTable& table() const { return m_table; }

    // A mouse press (any button) on cell (column, row); -1 outside the cells.
    void pressCell(int column, int row);
    // The in-cell editor's text changed (every keystroke).
    void editCellText(int column, int row, const QString& text);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTable();
    void showDamage();
    void shadeFixedCells();
    void itemEdited(int column, int row);

    QLabel* m_formula = nullptr;
    QTableWidget* m_grid = nullptr;
    rivet::DamageTable m_table;
    bool m_showing = false; // the grid is being written from the table
};
