#pragma once

#include <QColor>
#include <QStringList>

class QTableWidget;
class QWidget;

// The read-only tables that list figures and parts side by side (the comparison window, the
// optimiser's proposals): no row numbers, rows of a fixed height, cells not editable.
inline constexpr int kFigureTableRowHeight = 18;
QTableWidget* figureTable(const char* name, const QStringList& headers, QWidget* parent);

// The height that shows the header and exactly `rows` rows, without a scroll bar.
int figureTableHeight(const QTableWidget* table, int rows);

// Writes a cell of such a table in the colour given; the cell is made when first written.
void setFigureCell(QTableWidget* table, int row, int column, const QString& text, const QColor& color,
                   Qt::Alignment alignment = Qt::AlignLeft);
