#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>

// Runs the event loop until a window (the one of that object name, when
// given) has been painted for the first time: then it is on screen, not
// merely asked to show.
inline void WaitForFirstPaint(const char *windowName = nullptr)
{
    struct Watcher : QObject
    {
        const char *name = nullptr;
        bool painted = false;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && watched->isWidgetType()
                && static_cast<QWidget *>(watched)->isWindow()
                && (!name || watched->objectName() == QLatin1String(name)))
                painted = true;
            return false;
        }
    } watcher;
    watcher.name = windowName;
    QCoreApplication::instance()->installEventFilter(&watcher);
    QElapsedTimer limit;
    limit.start();
    while (!watcher.painted && limit.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QCoreApplication::instance()->removeEventFilter(&watcher);
}

// What a child of the viewer benchmark reports: the time to its first
// paint and the process's peak resident memory, "<microseconds> <kilobytes>".
inline int ReportReady(const QElapsedTimer &sinceStart)
{
    const qint64 micros = sinceStart.nsecsElapsed() / 1000;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%lld %ld\n", static_cast<long long>(micros), usage.ru_maxrss);
    return 0;
}
