#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <ctime>

// For the start-up measurement: when RIVET_EXIT_AFTER_FIRST_PAINT is set, the program prints
// the wall-clock time of its main window's first paint ("first-paint-ns N" on standard error)
// and quits. Shared by the window program and the bare comparison window in bench/.
class FirstPaintProbe : public QObject
{
public:
    static void watch(QObject* window)
    {
        if (qEnvironmentVariableIsSet("RIVET_EXIT_AFTER_FIRST_PAINT")) {
            window->installEventFilter(new FirstPaintProbe(window));
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            timespec now {};
            clock_gettime(CLOCK_REALTIME, &now);
            std::fprintf(stderr, "first-paint-ns %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    explicit FirstPaintProbe(QObject* parent)
        : QObject(parent)
    {
    }
    bool m_seen = false;
};
