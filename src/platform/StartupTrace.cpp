// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StartupTrace.h"

#include <QEvent>
#include <QFile>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace corvane {

namespace {

double realtimeMs()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// The kernel's record of the process start, in jiffies since boot, against the boot clock.
double processAgeMs()
{
    QFile f(QStringLiteral("/proc/self/stat"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = f.readAll();
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    const double startJiffies = fields[19].toDouble();
    timespec boot{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double nowMs = double(boot.tv_sec) * 1e3 + double(boot.tv_nsec) / 1e6;
    return nowMs - startJiffies * 1e3 / double(sysconf(_SC_CLK_TCK));
}

double statusMb(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').value(0).toDouble()
                / 1024.0;
    }
    return -1;
}

class FirstPaintWatcher : public QObject {
public:
    explicit FirstPaintWatcher(QWidget* window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            report();
            deleteLater();
        }
        return false;
    }

private:
    static void report()
    {
        bool isStamp = false;
        const double stampNs = qEnvironmentVariable("CORVANE_TRACE_STARTUP").toDouble(&isStamp);
        const double elapsed
            = isStamp && stampNs > 1e17 ? realtimeMs() - stampNs / 1e6 : processAgeMs();
        std::fprintf(stderr,
            "startup: first paint after %.1f ms, resident %.1f MB (peak %.1f MB)\n", elapsed,
            statusMb("VmRSS:"), statusMb("VmHWM:"));
        std::fflush(stderr);
    }
};

// Waits for the window system's activation, not for our own request: WindowActivate comes
// when the X server gives the window the focus the window manager granted.
class ActivationWatcher : public QObject {
public:
    explicit ActivationWatcher(QWidget* window)
        : QObject(window)
        , m_window(window)
        , m_startMs(realtimeMs())
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate) {
            std::fprintf(stderr, "instance: window 0x%llx active again after %.1f ms\n",
                static_cast<unsigned long long>(m_window->winId()), realtimeMs() - m_startMs);
            std::fflush(stderr);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* m_window;
    double m_startMs;
};

} // namespace

void traceBringToFront(QWidget* window, int argumentCount)
{
    if (!qEnvironmentVariableIsSet("CORVANE_TRACE_STARTUP"))
        return;
    std::fprintf(stderr, "instance: request to come to the front (%d arguments)\n", argumentCount);
    std::fflush(stderr);
    // Only one watcher waits at a time, for the first activation after the latest request.
    for (QObject* child : window->children()) {
        if (dynamic_cast<ActivationWatcher*>(child))
            delete child;
    }
    if (window->isActiveWindow()) {
        std::fprintf(stderr, "instance: window 0x%llx already active\n",
            static_cast<unsigned long long>(window->winId()));
        std::fflush(stderr);
        return;
    }
    new ActivationWatcher(window);
}

void traceStartup(QWidget* window)
{
    if (qEnvironmentVariableIsSet("CORVANE_TRACE_STARTUP"))
        new FirstPaintWatcher(window);
}

} // namespace corvane
