// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"

#include <cmath>
#include <ctime>
#include <limits>

namespace corvane {

namespace {
constexpr qint64 msPerDay = 86'400'000;

QDate epoch()
{
    return QDate(1899, 12, 30);
}
// The local zone's offset from UTC at that second, the zone re-read if it was changed.
int utcOffsetAt(qint64 second)
{
#if defined(__GLIBC__)
    // One look at the zone file; QDateTime looks twice for the same answer.
    tzset();
    const time_t t = time_t(second);
    tm local{};
    if (localtime_r(&t, &local))
        return int(local.tm_gmtoff);
#endif
    return QDateTime::fromSecsSinceEpoch(second).offsetFromUtc();
}
} // namespace

TDateTime toDateTime(const QDateTime& local)
{
    const QDateTime t = local.toLocalTime();
    const double days = double(epoch().daysTo(t.date()));
    const double frac = double(t.time().msecsSinceStartOfDay()) / double(msPerDay);
    // Before the epoch the fraction still counts forward from midnight, as Windows' OLE dates
    // do: -1.25 is 1899-12-29 06:00.
    return days >= 0 ? days + frac : days - frac;
}

TDateTime toDateTime(qint64 utcMilliseconds, int offsetSeconds)
{
    const qint64 local = utcMilliseconds + qint64(offsetSeconds) * 1000;
    // Split into whole days and the time of day exactly as the QDateTime overload does, so
    // both give the same double for the same moment.
    qint64 days = local / msPerDay;
    qint64 ms = local % msPerDay;
    if (ms < 0) {
        ms += msPerDay;
        --days;
    }
    days += epoch().daysTo(QDate(1970, 1, 1));
    const double frac = double(ms) / double(msPerDay);
    return days >= 0 ? double(days) + frac : double(days) - frac;
}

QDateTime fromDateTime(TDateTime value)
{
    if (!std::isfinite(value))
        return {};
    const double whole = std::trunc(value);
    const double frac = std::fabs(value - whole);
    qint64 ms = qint64(std::llround(frac * double(msPerDay)));
    qint64 days = qint64(whole);
    if (ms >= msPerDay) {
        ms -= msPerDay;
        days += value >= 0 ? 1 : -1;
    }
    return QDateTime(epoch().addDays(days), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

Clock::Source& Clock::source()
{
    static Source s;
    return s;
}

QDateTime Clock::nowLocal()
{
    const Source& s = source();
    return s ? s() : QDateTime::currentDateTime();
}

TDateTime Clock::now()
{
    if (const Source& s = source())
        return toDateTime(s());
    // The offset only changes at a zone's transitions, which fall on whole seconds; asking
    // again whenever the second changes keeps every reading exact.
    static qint64 cachedSecond = std::numeric_limits<qint64>::min();
    static int cachedOffset = 0;
    const qint64 ms = QDateTime::currentMSecsSinceEpoch();
    const qint64 second = ms >= 0 ? ms / 1000 : (ms - 999) / 1000;
    if (second != cachedSecond) {
        cachedOffset = utcOffsetAt(second);
        cachedSecond = second;
    }
    return toDateTime(ms, cachedOffset);
}

TDateTime Clock::nowUtc()
{
    const Source& s = source();
    return toDateTime(s ? s().toMSecsSinceEpoch() : QDateTime::currentMSecsSinceEpoch(), 0);
}

void Clock::setSource(Source s)
{
    source() = std::move(s);
}

} // namespace corvane
