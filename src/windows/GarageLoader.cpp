#include "windows/GarageLoader.h"

#include <QThread>

#include <algorithm>
#include <exception>

namespace {

// The first rows come quickly; later batches are larger, as each one rearranges the list.
constexpr std::size_t kFirstBatch = 48;
constexpr std::size_t kBatch = 1024;

} // namespace

GarageLoader::GarageLoader(const rivet::PartsTable& table, QObject* parent)
    : QObject(parent)
    , m_table(table)
    , m_thread(new QThread(this))
    , m_worker(new QObject)
{
    m_thread->setObjectName("garage");
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(this, &GarageLoader::finished, this, &GarageLoader::end);
    connect(this, &GarageLoader::failed, this, [this](int look) { end(look); });
    m_thread->start();
}

GarageLoader::~GarageLoader()
{
    ++m_latest; // a running look stops at its next batch
    m_thread->quit();
    m_thread->wait();
}

int GarageLoader::look(const QString& folder, std::vector<rivet::GarageFile> known)
{
    const int look = ++m_latest;
    m_looking = true;
    QMetaObject::invokeMethod(m_worker, [this, look, folder, known = std::move(known)] {
        if (!overtaken(look)) {
            run(look, folder, known);
        }
    });
    return look;
}

void GarageLoader::end(int look)
{
    if (look == m_latest.load()) {
        m_looking = false;
    }
}

void GarageLoader::run(int look, const QString& folder, const std::vector<rivet::GarageFile>& known)
{
    try {
        std::vector<std::string> folders;
        const rivet::GarageChanges changes
            = rivet::compareScans(known, rivet::scanGarage(folder.toStdString(), &folders));
        std::vector<rivet::GarageFile> toRead = changes.added;
        toRead.insert(toRead.end(), changes.changed.begin(), changes.changed.end());
        Q_EMIT scanned(look, folders, changes.removed, static_cast<int>(toRead.size()));
        for (std::size_t first = 0; first < toRead.size() && !overtaken(look);) {
            const std::size_t count = std::min(first == 0 ? kFirstBatch : kBatch, toRead.size() - first);
            const std::vector<rivet::GarageFile> batch(toRead.begin() + static_cast<long>(first),
                                                       toRead.begin() + static_cast<long>(first + count));
            Q_EMIT rowsRead(look, rivet::readGarageRows(m_table, batch));
            first += count;
        }
        Q_EMIT finished(look);
    } catch (const std::exception& failure) {
        Q_EMIT failed(look, QString::fromStdString(failure.what()));
    }
}
