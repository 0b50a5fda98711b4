// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <functional>

namespace corvane {

// Date-time values: days since 1899-12-30 00:00, the fraction being the time of day. Local
// time unless said otherwise; the countdown keeps UTC moments (Clock::nowUtc).
using TDateTime = double;

TDateTime toDateTime(const QDateTime& local);
QDateTime fromDateTime(TDateTime value);

// The same value from an instant (milliseconds since 1970 UTC) and the local offset from UTC
// in effect then, without building a QDateTime.
TDateTime toDateTime(qint64 utcMilliseconds, int offsetSeconds);

// "Now" as local time with milliseconds. Tests replace the source so a countdown can run,
// cross midnight or see the clock moved without waiting.
class Clock {
public:
    using Source = std::function<QDateTime()>;

    static QDateTime nowLocal();
    // Cheap enough for ten ticks a second: the time zone is consulted once a second, not at
    // every call (each consultation stats the zone file).
    static TDateTime now();
    // The same count taken in UTC: days since 1899-12-30 00:00 UTC. Neither the changes to and
    // from daylight-saving time nor a change of zone move it; setting the system clock does.
    // No zone is consulted, so it costs less than now().
    static TDateTime nowUtc();

    // An empty source restores the real clock.
    static void setSource(Source source);

private:
    static Source& source();
};

} // namespace corvane
