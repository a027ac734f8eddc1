#include "windows/OptimiserSearch.h"

#include <chrono>

OptimiserSearch::OptimiserSearch(QObject* parent)
    : QObject(parent)
{
}

OptimiserSearch::~OptimiserSearch()
{
    // A finish() posted meanwhile goes with this object, unsent.
    stopAndWait();
}

void OptimiserSearch::start(const rivet::PartsTable& table, const rivet::OptimiserRequest& request)
{
    stopAndWait();
    m_control = std::make_unique<rivet::SearchControl>();
    m_result = {};
    m_failure = nullptr;
    rivet::SearchControl* control = m_control.get();
    const int search = ++m_search;
    m_thread = std::thread([this, &table, request, control, search] {
        const auto started = std::chrono::steady_clock::now();
        try {
            m_result = rivet::optimise(table, request, control);
        } catch (...) {
            m_failure = std::current_exception();
        }
        m_milliseconds
            = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count();
        // The last thing the thread does: the owner's thread joins it in finish().
        QMetaObject::invokeMethod(
            this, [this, search] { finish(search); }, Qt::QueuedConnection);
    });
}

void OptimiserSearch::cancel()
{
    if (m_control) {
        m_control->cancel();
    }
}

double OptimiserSearch::progress() const
{
    return m_control ? m_control->progress() : 0.0;
}

void OptimiserSearch::finish(int search)
{
    if (search != m_search || !m_thread.joinable()) {
        return; // already waited for
    }
    m_thread.join();
    if (m_failure) {
        Q_EMIT failed(m_failure);
    } else {
        Q_EMIT finished(m_result, m_milliseconds);
    }
}

void OptimiserSearch::stopAndWait()
{
    if (m_thread.joinable()) {
        cancel();
        m_thread.join();
    }
}
