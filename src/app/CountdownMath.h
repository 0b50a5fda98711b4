// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <QString>

namespace corvane {

// The arithmetic of a running countdown, kept apart from the window so every tick's numbers
// can be checked without a timer. Moments and spans are TDateTime days.

constexpr double millisecondsPerDay = 86400000.0;

// Whole-second count of a minus whole-second count of b. A moment's count is the number of
// whole seconds since a fixed origin, date included, after rounding to the millisecond and
// then dropping the milliseconds; so 10:00:05.700 and 10:00:01.800 give 4, not 3. Results
// beyond the 32-bit range are clamped; a moment that is not a number of days within about
// ±10^14 (NaN, infinity) counts as 0.
qint32 SecondsBetween(TDateTime a, TDateTime b);

// The span as "HH:mm:ss" of its absolute value: whole seconds, total hours (27:00:00).
QString spanText(TDateTime span);

// The progress picture's height for d seconds left of totalSeconds in a frame frameHeight
// high: |trunc(d × (frameHeight ÷ totalSeconds) − 1)|, falling from about frameHeight − 1 to 1.
// A zero total has no scale and gives 0.
int progressHeight(int d, int totalSeconds, int frameHeight);

// The clock icon for a progress picture of that height: trunc((1 − height ÷ frameHeight) × 3),
// 3 when that falls outside 0..3 or when the picture is less than 3 pixels high.
int trayIconIndex(int height, int frameHeight);

// Milliseconds from now until a tick of a run of totalSeconds could show something new: the
// time left reaching its next whole second, the end, or the clock reaching its next whole
// second when that moves the progress picture (it counts whole seconds of the clock). 0 when
// the end has come; never more than 1000.
qint64 msUntilChange(TDateTime endTime, TDateTime now, int totalSeconds, int frameHeight);

// The editor's duration as a span. Hours run 0..99 (longer than a day is carried, never
// refused); minutes and seconds 0..59. Anything else throws CorvaneError
// "Invalid argument to time encode".
TDateTime editorDuration(int hours, int minutes, int seconds);

} // namespace corvane
