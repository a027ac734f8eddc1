#include "windows/OptimiserSearch.h"

#include <QPromise>
#include <QtConcurrent>

#include <chrono>

namespace {

constexpr int kProgressSteps = 1000;

void search(QPromise<SearchOutcome>& promise, const rivet::PartsTable* table, const rivet::OptimiserRequest& request)
{
    const auto started = std::chrono::steady_clock::now();
    rivet::SearchControl control;
    control.setCancelCheck([&] { return promise.isCanceled(); });
    promise.setProgressRange(0, kProgressSteps);
    control.setProgressCallback(
        [&](double share) { promise.setProgressValue(static_cast<int>(share * kProgressSteps)); });
    try {
        SearchOutcome outcome {request, rivet::optimise(*table, request, &control), 0};
        outcome.milliseconds
            = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count();
        promise.addResult(std::move(outcome));
    } catch (...) {
        // Out of memory, say: the watcher's result() throws it again on the window's thread.
        promise.setException(std::current_exception());
    }
}

} // namespace

OptimiserSearch::OptimiserSearch(QObject* parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
    connect(&m_watcher, &QFutureWatcherBase::progressValueChanged, this,
            [this](int value) { Q_EMIT progressed(static_cast<double>(value) / kProgressSteps); });
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &OptimiserSearch::finish);
}

OptimiserSearch::~OptimiserSearch()
{
    m_watcher.disconnect(this);
    m_watcher.cancel();
    m_pool.waitForDone();
}

bool OptimiserSearch::start(const rivet::PartsTable& table, const rivet::OptimiserRequest& request)
{
    if (m_running) {
        return false;
    }
    m_running = true;
    m_request = request;
    m_watcher.setFuture(QtConcurrent::run(&m_pool, search, &table, request));
    return true;
}

void OptimiserSearch::cancel()
{
    if (m_running) {
        m_watcher.cancel();
    }
}

void OptimiserSearch::finish()
{
    m_running = false;
    if (m_watcher.isCanceled()) {
        SearchOutcome outcome {m_request, {}, 0};
        outcome.result.cancelled = true;
        Q_EMIT finished(outcome);
        return;
    }
    SearchOutcome outcome;
    try {
        outcome = m_watcher.result();
    } catch (...) {
        Q_EMIT failed(std::current_exception());
        return;
    }
    Q_EMIT finished(outcome);
}
