#include "widgets/FigureTable.h"

#include <QHeaderView>
#include <QTableWidget>

QTableWidget* figureTable(const char* name, const QStringList& headers, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(kFigureTableRowHeight);
    table->horizontalHeader()->setHighlightSections(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    return table;
}

int figureTableHeight(const QTableWidget* table, int rows)
{
    return table->horizontalHeader()->sizeHint().height() + rows * kFigureTableRowHeight + 2 * table->frameWidth();
}

void setFigureCell(QTableWidget* table, int row, int column, const QString& text, const QColor& color,
                   Qt::Alignment alignment)
{
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        table->setItem(row, column, item);
    }
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setText(text);
    item->setForeground(color);
}
