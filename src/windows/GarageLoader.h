#pragma once

#include "garage/Garage.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <string>
#include <vector>

class QThread;

// Looks at a garage folder on a thread of its own, so the window never waits for the disk:
// scans the folder, compares it with the files the window knows, and reads what came or
// changed, a few rows first and then in larger batches, each batch as soon as it is ready.
// A newer look makes an older one stop at its next batch; everything it reports carries its
// number, so the window can tell a late report of an older look.
class GarageLoader : public QObject
{
    Q_OBJECT

public:
    explicit GarageLoader(const rivet::PartsTable& table, QObject* parent = nullptr);
    ~GarageLoader() override;

    // Starts a look at the folder; returns its number. `known` are the files the window has
    // rows of. The look of a folder that is not there fails.
    int look(const QString& folder, std::vector<rivet::GarageFile> known);
    // Whether the last look has not finished yet.
    bool looking() const { return m_looking; }

Q_SIGNALS:
    // The scan is done: the folder's subfolders (as scanGarage gives them), the files that
    // went, and how many files are to be read.
    void scanned(int look, std::vector<std::string> folders, std::vector<std::string> removed, int toRead);
    void rowsRead(int look, std::vector<rivet::GarageRow> rows);
    void finished(int look);
    void failed(int look, const QString& message);

private:
    void run(int look, const QString& folder, const std::vector<rivet::GarageFile>& known);
    bool overtaken(int look) const { return m_latest.load() != look; }
    void end(int look);

    const rivet::PartsTable& m_table;
    QThread* m_thread = nullptr;
    QObject* m_worker = nullptr; // lives on m_thread and runs the looks there
    std::atomic<int> m_latest {0};
    bool m_looking = false;
};
