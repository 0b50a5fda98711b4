// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CountdownMath.h"

#include "platform/CorvaneError.h"
#include "timelist/TimerEntry.h"

#include <cmath>
#include <limits>

namespace corvane {

namespace {

// Rounding to the millisecond first keeps 10:00:05.000, stored as 10:00:04.9999999, in its
// own second.
qint64 wholeSeconds(TDateTime moment)
{
    const double ms = moment * millisecondsPerDay;
    if (!std::isfinite(ms) || std::fabs(ms) > 9.0e18)
        return 0;
    const qint64 rounded = std::llround(ms);
    // Floor, not truncation: a moment before the origin belongs to the second before it.
    return rounded >= 0 ? rounded / 1000 : -((-rounded + 999) / 1000);
}

qint32 clampToInt32(double value)
{
    constexpr double lo = std::numeric_limits<qint32>::min();
    constexpr double hi = std::numeric_limits<qint32>::max();
    if (std::isnan(value))
        return 0;
    return qint32(value < lo ? lo : value > hi ? hi : value);
}

} // namespace

qint32 SecondsBetween(TDateTime a, TDateTime b)
{
    return clampToInt32(double(wholeSeconds(a) - wholeSeconds(b)));
}

QString spanText(TDateTime span)
{
    const qint64 s = wholeSeconds(std::fabs(span));
    return durationText(s);
}

qint64 msUntilChange(TDateTime endTime, TDateTime now, int totalSeconds, int frameHeight)
{
    const double leftMs = (endTime - now) * millisecondsPerDay;
    const double nowMs = now * millisecondsPerDay;
    if (!std::isfinite(leftMs) || !std::isfinite(nowMs) || std::fabs(leftMs) > 9.0e18
        || std::fabs(nowMs) > 9.0e18)
        return 0;
    // Rounded to the millisecond as the tick rounds them.
    const qint64 left = std::llround(leftMs);
    if (left <= 0)
        return 0;
    const qint64 untilShownChanges = std::min(left, left % 1000 + 1);
    const int d = SecondsBetween(endTime, now);
    if (progressHeight(d, totalSeconds, frameHeight)
        == progressHeight(d - 1, totalSeconds, frameHeight))
        return untilShownChanges;
    const qint64 intoClockSecond = (std::llround(nowMs) % 1000 + 1000) % 1000;
    return std::min(untilShownChanges, 1000 - intoClockSecond);
}

int progressHeight(int d, int totalSeconds, int frameHeight)
{
    if (totalSeconds == 0)
        return 0;
    const double scale = double(frameHeight) / double(totalSeconds);
    return clampToInt32(std::fabs(std::trunc(d * scale - 1.0)));
}

int trayIconIndex(int height, int frameHeight)
{
    if (frameHeight == 0 || height < 3)
        return 3;
    const double index = std::trunc((1.0 - double(height) / double(frameHeight)) * 3.0);
    return index < 0.0 || index > 3.0 ? 3 : int(index);
}

TDateTime editorDuration(int hours, int minutes, int seconds)
{
    if (hours < 0 || hours > 99 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59)
        throw CorvaneError(QStringLiteral("Invalid argument to time encode"));
    return (hours * 3600 + minutes * 60 + seconds) / 86400.0;
}

} // namespace corvane
