#pragma once

#include "optimiser/Optimiser.h"

#include <QObject>

#include <exception>
#include <memory>
#include <thread>

// One search for the best machines at a time, on a thread of its own so the window stays
// responsive. The parts table is read-only after start-up, so the search reads it directly;
// the request is copied. Destroying the object mid-search cancels it and waits for the thread.
class OptimiserSearch : public QObject
{
    Q_OBJECT

public:
    explicit OptimiserSearch(QObject* parent = nullptr);
    ~OptimiserSearch() override;

    // Starts a search; one still running is cancelled and waited for first, and its result
    // dropped.
    void start(const rivet::PartsTable& table, const rivet::OptimiserRequest& request);
    // Asks the running search to stop; finished() follows with a cancelled result.
    void cancel();
    // True from start() until finished() has been emitted.
    bool running() const { return m_thread.joinable(); }
    // The share of the search space covered, 0..1.
    double progress() const;

Q_SIGNALS:
    // The search ended (also by a cancel), on the thread this object lives in.
    void finished(const rivet::OptimiserResult& result, qint64 milliseconds);
    // The search stopped at a failure (no memory, for one).
    void failed(const std::exception_ptr& failure);

private:
    void finish(int search);
    void stopAndWait();

    std::thread m_thread;
    int m_search = 0; // counts the searches, so a finish() of one waited for earlier is dropped
    std::unique_ptr<rivet::SearchControl> m_control;
    // Written by the searching thread before it posts finish(), read by finish() after the join.
    rivet::OptimiserResult m_result;
    qint64 m_milliseconds = 0;
    std::exception_ptr m_failure;
};
