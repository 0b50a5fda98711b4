// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace corvane {

// The first tick on a grid of `interval` milliseconds (k × interval, k ≥ 1) after `elapsed`.
qint64 nextGridTick(qint64 elapsed, qint64 interval);

// A repeating timer whose ticks lie on a fixed grid from its start, as a window timer's do,
// unless its owner knows better: during a tick it may say when the next tick is wanted,
// because the ticks before that would change nothing. A countdown whose picture changes
// once a second thus wakes the process once a second instead of ten times, and the tick
// that shows a change comes when the change is due rather than up to an interval later.
class TTimer : public QObject {
    Q_OBJECT
public:
    // Milliseconds of a clock that never goes back.
    using Monotonic = std::function<qint64()>;

    explicit TTimer(QObject* parent = nullptr);

    void setInterval(int milliseconds) { m_interval = qMax(1, milliseconds); }
    int interval() const { return m_interval; }
    bool isActive() const { return m_active; }

    // Starts the grid afresh: the first tick comes one interval from now.
    void start();
    void stop();

    // The next tick comes this many milliseconds after the current tick was delivered (or
    // after now, outside a tick) instead of at the next grid tick; at least 1.
    void tickAgainIn(qint64 milliseconds);
    // Something the owner could not foresee happened (the wall clock was set, or the computer
    // woke from suspend while this timer's clock stood still): back to the next grid tick.
    void wake();

    // The next tick, in milliseconds since start().
    qint64 nextTickAt() const { return m_next; }

    // Tests replace the clock; an empty function restores the system's.
    static void setMonotonic(Monotonic monotonic);

Q_SIGNALS:
    void timeout();

private Q_SLOTS:
    // Delivers a due tick; a slot so that tests can deliver one without waiting.
    void deliver();

private:
    static qint64 monotonicNow();
    void scheduleAt(qint64 next);

    QTimer m_timer;
    int m_interval = 100;
    bool m_active = false;
    bool m_delivering = false;
    qint64 m_origin = 0;
    qint64 m_deliveredAt = 0;
    qint64 m_next = 0;
};

} // namespace corvane
