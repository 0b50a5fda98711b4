// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"

#include <cmath>

namespace corvane {

namespace {
constexpr qint64 msPerDay = 86'400'000;

QDate epoch()
{
    return QDate(1899, 12, 30);
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

void Clock::setSource(Source s)
{
    source() = std::move(s);
}

} // namespace corvane
