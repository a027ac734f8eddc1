#pragma once

#include "catalogue/Slots.h"

#include <QWidget>

#include <optional>
#include <string>

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
class PartsListWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PartsListWindow(QWidget* parent = nullptr);

    // Reads the catalogue file at path into the grid and makes its first line the caption;
    // fails with the I/O message, leaving the grid as it was.
    void loadCatalogueFile(const std::string& path);
    // The selector a pick is for; none for the option list.
    void setTarget(std::optional<rivet::Selector> selector) { m_target = selector; }
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

Q_SIGNALS:
    // The player picked item `item` of the selector; the receiver sets the selector from
    // code, so the pick runs none of the selector's own handling.
    void partPicked(rivet::Selector selector, int item);
    // The pointer came to rest over the row of item `item` of the selector, at a global
    // position: what a press would pick there can be previewed.
    void partHovered(rivet::Selector selector, int item, const QPoint& at);
    // The pointer left the part rows (or the window closed, or a press picked the part).
    void hoverEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void watchGridEvents();
    bool handleKeyPress(QEvent* event);
    void trackHover(QObject* watched, QEvent* event);
    bool isRowArea(const QObject* area) const;
    int rowUnder(const QObject* area, const QPoint& at) const;

    QTableWidget* m_grid = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_cornerText = nullptr; // cell (0, 0): the first header item
    std::optional<rivet::Selector> m_target;
    int m_hoveredRow = -1;
};
