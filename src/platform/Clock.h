// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <functional>

namespace corvane {

// Date-time values as the countdown keeps them: days since 1899-12-30 00:00 local time, the
// fraction being the time of day.
using TDateTime = double;

TDateTime toDateTime(const QDateTime& local);
QDateTime fromDateTime(TDateTime value);

// "Now" as local time with milliseconds. Tests replace the source so a countdown can run,
// cross midnight or see the clock moved without waiting.
class Clock {
public:
    using Source = std::function<QDateTime()>;

    static QDateTime nowLocal();
    static TDateTime now() { return toDateTime(nowLocal()); }

    // An empty source restores the real clock.
    static void setSource(Source source);

private:
    static Source& source();
};

} // namespace corvane
