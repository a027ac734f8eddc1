#pragma once

#include "catalogue/Slots.h"
#include "evaluation/Figure.h"
#include "evaluation/MachineEvaluation.h"

#include <QStringList>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QStatusBar;
class QTableWidget;

// The parts-list viewer: one slot's whole catalogue file as a table, a part per row. A press
// on a row picks that part for the slot it lists (partPicked); whoever shows the machine
// takes it and recomputes the figures before the press returns. Created once, kept for the
// whole run; closing only hides it.
//
// Rows and columns are numbered as the catalogue file gives them: row 0 holds the column
// headers, row 1 "NO EQUIP", row r >= 2 the part lines, so row r is item r - 1 of the slot's
// selector; column 0 holds the part names. Row 0 and column 0 are the grid's headers, which
// stay in view while the parts scroll.
//
// Beside the names, the column "差" shows for one figure, chosen above the table, the
// difference choosing each row would make to the machine being worked on, red where the choice
// would bring a warning; pressing its header orders the rows by it. The rows keep their
// numbers (and items) in whatever order they stand.
class PartsListWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PartsListWindow(QWidget* parent = nullptr);

    // Reads the catalogue file at path into the grid and makes its first line the caption;
    // fails with the I/O message, leaving the grid as it was.
    void loadCatalogueFile(const std::string& path);
    // The selector a pick is for; none for the option list.
    void setTarget(std::optional<rivet::Selector> selector);
    std::optional<rivet::Selector> targetSelector() const { return m_target; }
    // Makes row r current and scrolls it into view; a row the grid does not have (the file
    // may have changed since start) leaves no row current.
    void selectRow(int row);

    int rowCount() const;
    int columnCount() const;
    // The current row, or -1 when there is none.
    int currentRow() const;
    QString cellText(int row, int column) const;

    // A mouse press (any button) over row r of the grid; -1 outside all rows.
    void pressRow(int row);
    // The pointer rests over row r (global position at); -1 when it left the rows.
    void hoverRow(int row, const QPoint& at);
    // Sets every column as wide as its widest text + 7 pixels.
    void fitColumns();

    // --- the column "差" (PartsListDifferences.cpp)
    // The catalogue whose items the rows are, and the machine a pick would change.
    void setCatalogue(const rivet::PartsTable& table) { m_table = &table; }
    void showCurrentMachine(const rivet::MachineEvaluation& machine);
    // The goal of the optimiser's last search: the column's figure until the player picks one.
    void setSearchedGoal(rivet::Figure figure);
    rivet::Figure differenceFigure() const;
    // The difference cell of row r: its text ("" without one) and whether it is drawn red.
    QString differenceText(int row) const;
    bool differenceWarns(int row) const;
    enum class RowOrder { File, Ascending, Descending };
    // Orders the rows by their difference (those without one last), or as the file has them.
    void orderRows(RowOrder order);
    RowOrder rowOrder() const { return m_order; }

Q_SIGNALS:
    // The player picked item `item` of the selector; the receiver sets the selector from
    // code, so the pick runs none of the selector's own handling.
    void partPicked(rivet::Selector selector, int item);
    // The pointer came to rest over the row of item `item` of the selector: what a press would
    // pick there can be previewed.
    // anchor: the row's line across the window, in global coordinates, so that a popup can
    // stand beside the window and leave the rows in view.
    void partHovered(rivet::Selector selector, int item, const QRect& anchor);
    // The pointer left the part rows (or the window closed, or a press picked the part).
    void hoverEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void watchGridEvents();
    bool handleKeyPress(QEvent* event);
    void trackHover(QObject* watched, QEvent* event);
    bool isRowArea(const QObject* area) const;
    int rowUnder(const QObject* area, const QPoint& at) const;
    // The grid's own rows stand in the order chosen; these map them to the viewer's rows.
    int gridRowOf(int row) const;
    int viewerRowOf(int gridRow) const;
    int differenceColumn() const;
    // The viewer's row a grid row shows, kept in its difference cell.
    static constexpr int kViewerRowRole = Qt::UserRole;
    static constexpr int kTextAllowance = 7; // pixels beside the widest text of a column

    QWidget* buildDifferenceBar();
    void refreshDifferences();
    void fitDifferenceColumn();
    void cycleOrder();

    QTableWidget* m_grid = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_cornerText = nullptr; // cell (0, 0): the first header item
    std::optional<rivet::Selector> m_target;
    int m_hoveredRow = -1;
    QStringList m_names; // the part names of rows 1.., in the file's order
    std::vector<int> m_gridRows; // the grid row of each row 1..

    QWidget* m_differenceBar = nullptr;
    QComboBox* m_differenceFigure = nullptr;
    const rivet::PartsTable* m_table = nullptr;
    std::optional<rivet::MachineEvaluation> m_machine;
    bool m_figurePicked = false; // the player chose the column's figure
    RowOrder m_order = RowOrder::File;
};
