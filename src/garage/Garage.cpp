#include "garage/Garage.h"

#include "garage/Parallel.h"

#include <algorithm>

namespace rivet {

namespace {

// The first row whose file is not ordered before the path.
template <typename Rows> auto lowerBound(Rows& rows, const std::string& relativePath)
{
    return std::lower_bound(rows.begin(), rows.end(), relativePath, [](const GarageRow& row, const std::string& path) {
        return inFileOrder(row.file.relativePath, path);
    });
}

} // namespace

std::vector<GarageRow> readGarageRows(const PartsTable& table, const std::vector<GarageFile>& files)
{
    std::vector<GarageRow> rows(files.size());
    forEachInParallel(files.size(), [&](std::size_t i) { rows[i] = readGarageRow(table, files[i]); });
    return rows;
}

std::vector<GarageFile> Garage::files() const
{
    std::vector<GarageFile> files;
    files.reserve(m_rows.size());
    for (const GarageRow& row : m_rows) {
        files.push_back(row.file);
    }
    return files;
}

const GarageRow* Garage::find(const std::string& relativePath) const
{
    const auto at = lowerBound(m_rows, relativePath);
    return at != m_rows.end() && at->file.relativePath == relativePath ? &*at : nullptr;
}

void Garage::take(GarageRow row)
{
    // Rows mostly come in the order of their files: the end is the place to look first.
    if (m_rows.empty() || inFileOrder(m_rows.back().file.relativePath, row.file.relativePath)) {
        m_rows.push_back(std::move(row));
        return;
    }
    const auto at = lowerBound(m_rows, row.file.relativePath);
    if (at != m_rows.end() && at->file.relativePath == row.file.relativePath) {
        *at = std::move(row);
    } else {
        m_rows.insert(at, std::move(row));
    }
}

void Garage::remove(const std::string& relativePath)
{
    const auto at = lowerBound(m_rows, relativePath);
    if (at != m_rows.end() && at->file.relativePath == relativePath) {
        m_rows.erase(at);
    }
}

void Garage::apply(const GarageChanges& changes, const PartsTable& table)
{
    for (const std::string& gone : changes.removed) {
        remove(gone);
    }
    for (const auto* files : {&changes.added, &changes.changed}) {
        takeAll(readGarageRows(table, *files));
    }
}

void Garage::takeAll(std::vector<GarageRow> rows)
{
    for (GarageRow& row : rows) {
        take(std::move(row));
    }
}

GarageChanges Garage::refresh(const PartsTable& table, const std::string& folder)
{
    GarageChanges changes = compareScans(files(), scanGarage(folder));
    apply(changes, table);
    return changes;
}

} // namespace rivet
