#pragma once

#include "optimiser/Optimiser.h"

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>

#include <exception>

// What one search was asked and what it found: the request remembers the machine it started
// from.
struct SearchOutcome
{
    rivet::OptimiserRequest request;
    rivet::OptimiserResult result;
    qint64 milliseconds = 0;
};

// One search at a time, run through Qt Concurrent on a thread of its own so the window stays
// responsive; its progress and its cancel go through the future's watcher. The parts table is
// read-only after start-up, so the search reads it directly; the request is copied. Destroying
// the object mid-search cancels it and waits for it.
class OptimiserSearch : public QObject
{
    Q_OBJECT

public:
    explicit OptimiserSearch(QObject* parent = nullptr);
    ~OptimiserSearch() override;

    // Starts a search; false (and nothing happens) while one is still running.
    bool start(const rivet::PartsTable& table, const rivet::OptimiserRequest& request);
    // Asks the running search to stop; finished() follows with a cancelled result.
    void cancel();
    // True from start() until finished() or failed() has been emitted.
    bool running() const { return m_running; }

Q_SIGNALS:
    // The share of the search space settled, 0..1.
    void progressed(double share);
    // The search ended (also by a cancel: then its result is marked cancelled and empty).
    void finished(const SearchOutcome& outcome);
    // The search stopped at a failure (no memory, for one).
    void failed(const std::exception_ptr& failure);

private:
    void finish();

    QThreadPool m_pool;
    QFutureWatcher<SearchOutcome> m_watcher;
    rivet::OptimiserRequest m_request;
    bool m_running = false;
};
