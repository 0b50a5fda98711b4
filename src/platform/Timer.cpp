// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Timer.h"

#include <QScopedValueRollback>
#include <chrono>
#include <limits>

namespace corvane {

namespace {
TTimer::Monotonic& monotonicSource()
{
    static TTimer::Monotonic source;
    return source;
}
} // namespace

qint64 nextGridTick(qint64 elapsed, qint64 interval)
{
    if (elapsed < interval)
        return interval;
    return (elapsed / interval + 1) * interval;
}

TTimer::TTimer(QObject* parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early or late; the grid needs its ticks on time.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TTimer::deliver);
}

qint64 TTimer::monotonicNow()
{
    if (const Monotonic& source = monotonicSource())
        return source();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void TTimer::setMonotonic(Monotonic monotonic)
{
    monotonicSource() = std::move(monotonic);
}

void TTimer::start()
{
    m_active = true;
    m_origin = monotonicNow();
    m_deliveredAt = m_origin;
    scheduleAt(m_interval);
}

void TTimer::stop()
{
    m_active = false;
    m_timer.stop();
}

void TTimer::tickAgainIn(qint64 milliseconds)
{
    if (!m_active)
        return;
    const qint64 base = m_delivering ? m_deliveredAt : monotonicNow();
    scheduleAt(base - m_origin + qMax<qint64>(1, milliseconds));
}

void TTimer::wake()
{
    if (m_active)
        scheduleAt(nextGridTick(monotonicNow() - m_origin, m_interval));
}

void TTimer::scheduleAt(qint64 next)
{
    const qint64 elapsed = monotonicNow() - m_origin;
    m_next = next;
    m_timer.start(int(qBound<qint64>(0, next - elapsed, qint64(std::numeric_limits<int>::max()))));
}

void TTimer::deliver()
{
    if (!m_active)
        return;
    m_deliveredAt = monotonicNow();
    // The next grid tick unless the handler says otherwise; ticks missed while the process
    // was busy are not made up.
    scheduleAt(nextGridTick(m_deliveredAt - m_origin, m_interval));
    const QScopedValueRollback<bool> delivering(m_delivering, true);
    Q_EMIT timeout();
}

} // namespace corvane
