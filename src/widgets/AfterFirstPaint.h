#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <functional>

// Runs an action once, right after a window's first paint (queued, so the paint completes).
class AfterFirstPaint : public QObject
{
public:
    static void run(QObject* window, std::function<void()> action)
    {
        window->installEventFilter(new AfterFirstPaint(window, std::move(action)));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_action) {
            QTimer::singleShot(0, parent(), std::move(m_action));
            m_action = nullptr;
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    AfterFirstPaint(QObject* window, std::function<void()> action)
        : QObject(window)
        , m_action(std::move(action))
    {
    }
    std::function<void()> m_action;
};

// For the start-up measurement: when RIVET_EXIT_AFTER_FIRST_PAINT is set, the program prints
// the wall-clock time of its main window's first paint ("first-paint-ns N" on standard error)
// and quits. Shared by the window program and the bare comparison window in bench/.
inline void probeFirstPaint(QObject* window)
{
    if (!qEnvironmentVariableIsSet("RIVET_EXIT_AFTER_FIRST_PAINT")) {
        return;
    }
    AfterFirstPaint::run(window, [] {
        timespec now {};
        clock_gettime(CLOCK_REALTIME, &now);
        std::fprintf(stderr, "first-paint-ns %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        QCoreApplication::exit(0);
    });
}
