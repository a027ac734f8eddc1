#include "windows/ComparisonTables.h"

#include "widgets/DifferenceColors.h"
#include "widgets/FigureTable.h"

#include <QTableWidget>

namespace {

enum FigureColumn { Caption, Base, Other, Difference };

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

QTableWidget* comparisonTable(const char* name, const QStringList& headers, QWidget* parent)
{
    QTableWidget* table = figureTable(name, headers, parent);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    return table;
}

void showFigureComparison(QTableWidget* table, const rivet::MachineComparison* comparison, const QColor& normal)
{
    table->setRowCount(rivet::kFigureCount);
    for (rivet::Figure f : rivet::allFigures()) {
        const auto i = static_cast<int>(rivet::figureIndex(f));
        setFigureCell(table, i, Caption, text(rivet::describe(f).caption), normal);
        if (!comparison) {
            for (int column : {Base, Other, Difference}) {
                setFigureCell(table, i, column, QString(), normal, Qt::AlignRight);
            }
            continue;
        }
        const rivet::FigureComparison& figure = comparison->figures[f];
        setFigureCell(table, i, Base, text(figure.base), figure.baseWarning ? worseColor(normal) : normal,
                      Qt::AlignRight);
        setFigureCell(table, i, Other, text(figure.other), figure.otherWarning ? worseColor(normal) : normal,
                      Qt::AlignRight);
        setFigureCell(table, i, Difference, text(rivet::differenceText(figure.difference)),
                      differenceColor(figure.better, normal), Qt::AlignRight);
    }
}

void showPartDifferences(QTableWidget* table, const rivet::MachineComparison* comparison, const QColor& normal)
{
    table->setRowCount(comparison ? static_cast<int>(comparison->parts.size() + comparison->options.size()) : 0);
    if (!comparison) {
        return;
    }
    int row = 0;
    for (const rivet::PartDifference& part : comparison->parts) {
        setFigureCell(table, row, Caption, text(rivet::selectorCaption(part.selector)), normal);
        setFigureCell(table, row, Base, text(part.base), normal);
        setFigureCell(table, row, Other, text(part.other), normal);
        ++row;
    }
    for (const rivet::OptionDifference& option : comparison->options) {
        setFigureCell(table, row, Caption, "オプション", normal);
        setFigureCell(table, row, Base, text(rivet::optionMark(option.base) + option.name), normal);
        setFigureCell(table, row, Other, text(rivet::optionMark(option.other) + option.name), normal);
        ++row;
    }
}
