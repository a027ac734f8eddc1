#pragma once

#include "garage/Garage.h"
#include "garage/GarageQuery.h"

#include <QAbstractTableModel>
#include <QColor>

#include <functional>
#include <vector>

// The garage's rows as the list shows them: the query's rows in its order, one column per
// garage column. Figures show their texts (warnings in red, verdicts as tooltips) and sort by
// their numbers; a file that cannot be opened shows its message, greyed. Every change of the
// rows or the query arranges the list anew as one reset, which for ten thousand rows takes a
// few milliseconds; the view keeps its selection through it by the rows' paths.
class GarageModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The role that gives a row's relative path.
    static constexpr int PathRole = Qt::UserRole + 1;

    explicit GarageModel(const rivet::PartsTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    const rivet::Garage& garage() const { return m_garage; }
    // The garage's row shown in that row of the list; nullptr outside the list.
    const rivet::GarageRow* rowAt(int row) const;
    // The column of ed1, where the message of a file that cannot be opened begins.
    static int firstFigureColumn();
    // The list's row of the file, -1 when it is not shown.
    int rowOf(const QString& relativePath) const;

    const rivet::GarageQuery& query() const { return m_query; }
    // The folder, words, bounds and soundness; the order stays.
    void setFilter(const rivet::GarageQuery& filter);

    // The disk as the loader saw it: files that went, rows read for files that came or changed.
    void removeFiles(const std::vector<std::string>& relativePaths);
    void takeRows(std::vector<rivet::GarageRow> rows);
    // A new folder: nothing is known of it yet.
    void clear();

    // The colour of a figure in red, for the desktop's text colour.
    void setTextColor(const QColor& normal);

private:
    // Applies the change to the rows or the query and arranges the list anew, as one reset.
    void arrange(const std::function<void()>& change);
    // The texts of the row's figures; the last row asked for is kept, as a view asks for the
    // cells of a row one after the other.
    const rivet::PerFigure<rivet::FigureText>& figureTexts(const rivet::GarageRow& row) const;
    QVariant display(const rivet::GarageRow& row, const rivet::GarageColumn& column) const;

    const rivet::PartsTable& m_table;
    rivet::Garage m_garage;
    rivet::GarageQuery m_query;
    std::vector<std::size_t> m_shown;
    QColor m_warning;
    QColor m_greyed;
    mutable const rivet::GarageRow* m_textsOf = nullptr;
    mutable rivet::PerFigure<rivet::FigureText> m_texts;
};
