#pragma once

// What a start-up probe reports once its main window is first painted: the
// monotonic clock in nanoseconds (comparable across processes) and the
// resident memory in KiB, on one line of standard output. Then it quits.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

inline long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

class FirstPaintReporter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            const long long ns = now.tv_sec * 1000000000LL + now.tv_nsec;
            std::printf("%lld %ld\n", ns, residentKiB());
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};

inline void reportFirstPaint(QWidget *window)
{
    window->installEventFilter(new FirstPaintReporter(window));
}
