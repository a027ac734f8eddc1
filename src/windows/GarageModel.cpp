#include "windows/GarageModel.h"

#include "evaluation/FigureTexts.h"
#include "widgets/DifferenceColors.h"

#include <QDateTime>

#include <algorithm>

namespace {

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QString modifiedText(std::int64_t modifiedNs)
{
    return QDateTime::fromMSecsSinceEpoch(modifiedNs / 1000000).toString("yyyy/MM/dd HH:mm");
}

const rivet::GarageColumn kFirstFigure = rivet::GarageColumn::ofFigure(rivet::allFigures().front());

} // namespace

GarageModel::GarageModel(const rivet::PartsTable& table, QObject* parent)
    : QAbstractTableModel(parent)
    , m_table(table)
{
    setTextColor(QColor(Qt::black));
}

int GarageModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int GarageModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rivet::garageColumns().size());
}

const rivet::GarageRow* GarageModel::rowAt(int row) const
{
    if (row < 0 || row >= rowCount()) {
        return nullptr;
    }
    return &m_garage.rows()[m_shown[static_cast<std::size_t>(row)]];
}

int GarageModel::firstFigureColumn()
{
    const auto& columns = rivet::garageColumns();
    return static_cast<int>(std::find(columns.begin(), columns.end(), kFirstFigure) - columns.begin());
}

int GarageModel::rowOf(const QString& relativePath) const
{
    const std::string path = relativePath.toStdString();
    for (std::size_t row = 0; row < m_shown.size(); ++row) {
        if (m_garage.rows()[m_shown[row]].file.relativePath == path) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

const rivet::PerFigure<rivet::FigureText>& GarageModel::figureTexts(const rivet::GarageRow& row) const
{
    if (m_textsOf != &row) {
        m_texts = rivet::figureTextsOf(m_table, row);
        m_textsOf = &row;
    }
    return m_texts;
}

QVariant GarageModel::display(const rivet::GarageRow& row, const rivet::GarageColumn& column) const
{
    using Kind = rivet::GarageColumn::Kind;
    switch (column.kind) {
    case Kind::File:
        return text(row.file.relativePath);
    case Kind::MachineName:
        return text(row.machineName);
    case Kind::PilotName:
        return text(row.pilotName);
    case Kind::Modified:
        return modifiedText(row.file.modifiedNs);
    default:
        break;
    }
    if (!row.readable()) {
        // A file that cannot be opened says why in place of its figures, from the first on.
        return column == kFirstFigure ? text(*row.failure) : QVariant();
    }
    switch (column.kind) {
    case Kind::Figure:
        return text(figureTexts(row)[column.figure].text);
    case Kind::Part:
        return text(rivet::selectorItemText(m_table, row.selection, column.selector));
    case Kind::Options:
        return text(rivet::optionNames(m_table, row.selection));
    default:
        return {};
    }
}

QVariant GarageModel::data(const QModelIndex& index, int role) const
{
    const rivet::GarageRow* row = rowAt(index.row());
    if (!row || index.column() < 0 || index.column() >= columnCount()) {
        return {};
    }
    const rivet::GarageColumn& column = rivet::garageColumnAt(index.column());
    const bool figure = column.kind == rivet::GarageColumn::Kind::Figure && row->readable();
    switch (role) {
    case Qt::DisplayRole:
        return display(*row, column);
    case Qt::ToolTipRole:
        if (!row->readable()) {
            return text(*row->failure);
        }
        if (figure) {
            const auto& verdict = figureTexts(*row)[column.figure].verdict;
            return verdict && !verdict->empty() ? text(*verdict) : QVariant();
        }
        return column.kind == rivet::GarageColumn::Kind::File ? text(row->file.path) : QVariant();
    case Qt::ForegroundRole:
        if (!row->readable()) {
            return m_greyed;
        }
        return figure && figureTexts(*row)[column.figure].warning ? QVariant(m_warning) : QVariant();
    case Qt::TextAlignmentRole:
        return figure ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case PathRole:
        return text(row->file.relativePath);
    default:
        return {};
    }
}

QVariant GarageModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    const rivet::GarageColumn& column = rivet::garageColumnAt(section);
    if (role == Qt::DisplayRole) {
        return text(rivet::columnCaption(column));
    }
    if (role == Qt::ToolTipRole && column.kind == rivet::GarageColumn::Kind::Figure) {
        return text(rivet::describe(column.figure).labelName);
    }
    // A first click lists the best first: the figure's better end, the newest change.
    if (role == Qt::InitialSortOrderRole) {
        const bool highFirst = column.kind == rivet::GarageColumn::Kind::Modified
            || (column.kind == rivet::GarageColumn::Kind::Figure
                && rivet::describe(column.figure).better == rivet::Direction::Higher);
        return highFirst ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
    return {};
}

void GarageModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount()) {
        return;
    }
    arrange([&] { m_query.order = {rivet::garageColumnAt(column), order == Qt::DescendingOrder}; });
}

void GarageModel::setFilter(const rivet::GarageQuery& filter)
{
    arrange([&] {
        const rivet::GarageOrder order = m_query.order;
        m_query = filter;
        m_query.order = order;
    });
}

void GarageModel::removeFiles(const std::vector<std::string>& relativePaths)
{
    if (relativePaths.empty()) {
        return;
    }
    arrange([&] {
        for (const std::string& path : relativePaths) {
            m_garage.remove(path);
        }
    });
}

void GarageModel::takeRows(std::vector<rivet::GarageRow> rows)
{
    if (!rows.empty()) {
        arrange([&] { m_garage.takeAll(std::move(rows)); });
    }
}

void GarageModel::clear()
{
    arrange([&] { m_garage = rivet::Garage(); });
}

void GarageModel::setTextColor(const QColor& normal)
{
    m_warning = worseColor(normal);
    m_greyed = QColor(128, 128, 128);
    if (rowCount() > 0) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::ForegroundRole});
    }
}

void GarageModel::arrange(const std::function<void()>& change)
{
    beginResetModel();
    change();
    m_textsOf = nullptr;
    m_shown = rivet::arrangeGarage(m_table, m_garage.rows(), m_query);
    endResetModel();
}
