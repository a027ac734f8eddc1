#pragma once

#include "garage/GarageFiles.h"
#include "garage/GarageRow.h"

#include <functional>
#include <string>
#include <vector>

namespace rivet {

// The rows of one garage folder, kept in the order of their files and up to date with the
// disk through change sets: only files that appeared or changed are read again.
// The rows of the files, in their order, read on several threads at once.
std::vector<GarageRow> readGarageRows(const PartsTable& table, const std::vector<GarageFile>& files);

class Garage
{
public:
    const std::vector<GarageRow>& rows() const { return m_rows; }
    // The files as last read, for comparing with a new scan.
    std::vector<GarageFile> files() const;
    // The row of that file, nullptr when there is none.
    const GarageRow* find(const std::string& relativePath) const;

    // A row read for an added or changed file takes its place (replacing the file's old row).
    void take(GarageRow row);
    void remove(const std::string& relativePath);
    // The files that went, and then the rows read for the files that came or changed.
    void apply(const GarageChanges& changes, const PartsTable& table);
    // The rows read for files (added or changed) take their places.
    void takeAll(std::vector<GarageRow> rows);

    // Scans the folder, reads what changed since the last look (all of it the first time) and
    // returns what changed. Fails as scanGarage does.
    GarageChanges refresh(const PartsTable& table, const std::string& folder);

private:
    std::vector<GarageRow> m_rows;
};

} // namespace rivet
