// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CountdownMath.h"
#include "platform/CorvaneError.h"

#include <gtest/gtest.h>
#include <limits>

using namespace corvane;

namespace {
// A moment on day `day` (days since 1899-12-30) at h:m:s.ms, built the way the clock builds it.
TDateTime at(int day, int h, int m, int s, int ms = 0)
{
    return day + (h * 3600000.0 + m * 60000.0 + s * 1000.0 + ms) / millisecondsPerDay;
}
constexpr int today = 45000; // 2023-03-15
} // namespace

TEST(CountdownMath, SecondsBetweenCountsWholeSecondsOfEachMoment)
{
    struct Case {
        TDateTime a, b;
        qint32 expected;
    };
    const Case cases[] = {
        {at(today, 10, 0, 5, 700), at(today, 10, 0, 1, 800), 4},
        {at(today, 10, 0, 1, 800), at(today, 10, 0, 5, 700), -4},
        {at(today, 10, 0, 5, 0), at(today, 10, 0, 4, 999), 1},
        {at(today + 1, 0, 0, 1, 200), at(today, 23, 59, 59, 500), 2}, // across midnight
        {at(today + 3, 3, 0, 0), at(today, 0, 0, 0), 3 * 86400 + 3 * 3600},
        // Before the origin the count is floored: -1.5 s lies in second -2, -0.5 s in -1.
        {-1500 / millisecondsPerDay, -500 / millisecondsPerDay, -1},
        {-1 / millisecondsPerDay, 0.0, -1},
        {1e9, 0.0, std::numeric_limits<qint32>::max()},
        {-1e9, 0.0, std::numeric_limits<qint32>::min()},
        {std::numeric_limits<double>::quiet_NaN(), at(0, 0, 0, 7), -7},
        {1e300, 0.0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SecondsBetween(c.a, c.b), c.expected) << c.a << " - " << c.b;
}

TEST(CountdownMath, SecondsBetweenIsExactForEveryMillisecondOfARun)
{
    // Days near 45000 keep only about 10 microseconds of precision: without rounding to the
    // millisecond first, moments on a whole second would fall into the second before.
    const TDateTime start = at(today, 23, 58, 0);
    for (int ms = 0; ms < 240000; ms += 7)
        ASSERT_EQ(SecondsBetween(start + ms / millisecondsPerDay, start), ms / 1000) << ms;
}

TEST(CountdownMath, SpanTextShowsTotalHoursOfTheAbsoluteValue)
{
    const struct {
        TDateTime span;
        const char* text;
    } cases[] = {
        {0.0, "00:00:00"},
        {2999 / millisecondsPerDay, "00:00:02"},
        {at(today, 10, 0, 3) - at(today, 10, 0, 0), "00:00:03"},
        {-65500 / millisecondsPerDay, "00:01:05"},
        {editorDuration(27, 0, 0), "27:00:00"},
        {editorDuration(99, 59, 59), "99:59:59"},
        {at(today + 1, 0, 0, 1) - at(today, 23, 59, 59), "00:00:02"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spanText(c.span), QLatin1String(c.text)) << c.span;
}

TEST(CountdownMath, OneMinuteRunShowsEachClockIconForItsThird)
{
    // Design frame of 118 pixels: icon 0 for the first 20 s, 1 for the next 20, 2 until
    // 2 s are left, 3 for the last 2 s.
    for (int d = 60; d >= 0; --d) {
        const int h = progressHeight(d, 60, 118);
        const int expected = d > 40 ? 0 : d > 20 ? 1 : d > 2 ? 2 : 3;
        EXPECT_EQ(trayIconIndex(h, 118), expected) << "d=" << d << " h=" << h;
    }
    EXPECT_EQ(progressHeight(60, 60, 118), 117);
    EXPECT_EQ(progressHeight(1, 60, 118), 0);
    EXPECT_EQ(progressHeight(0, 60, 118), 1);
}

TEST(CountdownMath, ProgressAndIconStayDefinedAtTheEdges)
{
    EXPECT_EQ(progressHeight(5, 0, 118), 0);
    EXPECT_EQ(progressHeight(-3, 60, 118), 6); // |trunc(-5.9 - 1)|
    EXPECT_EQ(
        progressHeight(std::numeric_limits<int>::max(), 1, 118), std::numeric_limits<int>::max());
    EXPECT_EQ(progressHeight(-15, -60, 118), 28); // a negative total still scales
    EXPECT_EQ(trayIconIndex(2, 118), 3);
    EXPECT_EQ(trayIconIndex(200, 118), 3); // taller than the frame: the index goes negative
    EXPECT_EQ(trayIconIndex(118, 118), 0);
    EXPECT_EQ(trayIconIndex(50, 0), 3);
}

TEST(CountdownMath, EditorDurationCarriesHoursUpTo99)
{
    EXPECT_DOUBLE_EQ(editorDuration(0, 1, 30), 90 / 86400.0);
    EXPECT_DOUBLE_EQ(editorDuration(27, 0, 0), 1.125);
    for (const auto& [h, m, s] :
        {std::tuple{100, 0, 0}, {-1, 0, 0}, {0, 60, 0}, {0, 0, 60}, {0, -1, 0}}) {
        try {
            editorDuration(h, m, s);
            ADD_FAILURE() << h << ":" << m << ":" << s << " accepted";
        } catch (const CorvaneError& e) {
            EXPECT_EQ(e.text(), QStringLiteral("Invalid argument to time encode"));
        }
    }
}

TEST(CountdownMath, ThreeSecondRunAcrossMidnightTicksDownWithoutAJump)
{
    // Ticks every 100 ms from a start just before midnight, as the timer drives them.
    const TDateTime start = at(today, 23, 59, 58, 950);
    const TDateTime end = start + editorDuration(0, 0, 3);
    const int total = SecondsBetween(end, start);
    ASSERT_EQ(total, 3);
    QStringList shown;
    int lastHeight = 118;
    int tick = 1;
    for (;; ++tick) {
        const TDateTime now = start + tick * 100 / millisecondsPerDay;
        const QString text = spanText(end - now);
        if (shown.isEmpty() || shown.last() != text)
            shown << text;
        const int h = progressHeight(SecondsBetween(end, now), total, 118);
        EXPECT_LE(h, lastHeight + 1) << tick; // only the final 0 -> 1 step may rise
        lastHeight = h;
        if (end - now <= 0)
            break;
    }
    EXPECT_EQ(shown, (QStringList{"00:00:02", "00:00:01", "00:00:00"}));
    EXPECT_LE(tick, 31); // ends within one tick after its end time
}

TEST(CountdownMath, NothingChangesBeforeTheNextWholeSecondOfTheTimeLeft)
{
    const TDateTime end = at(today, 10, 0, 3, 370);
    // A long run: the progress picture does not move at the clock's next second.
    const int hour = 3600;
    EXPECT_EQ(msUntilChange(end, at(today, 10, 0, 0, 470), hour, 118), 901); // 2.900 -> 1.999
    EXPECT_EQ(msUntilChange(end, at(today, 10, 0, 0, 100), hour, 118), 271); // 3.270 -> 2.999
    EXPECT_EQ(msUntilChange(end, at(today, 10, 0, 3, 300), hour, 118), 70); // the end itself
    EXPECT_EQ(msUntilChange(end, end, hour, 118), 0);
    EXPECT_EQ(msUntilChange(end, end + 1.0, hour, 118), 0);
    EXPECT_EQ(msUntilChange(std::numeric_limits<double>::quiet_NaN(), end, hour, 118), 0);
    // A short one: every clock second moves the picture (4 s in 118 pixels).
    EXPECT_EQ(msUntilChange(end, at(today, 10, 0, 0, 470), 4, 118), 530);
    EXPECT_EQ(msUntilChange(end, at(today, 10, 0, 2, 999), 4, 118), 1);
    // Across midnight the clock's seconds go on counting.
    EXPECT_EQ(msUntilChange(at(today + 1, 0, 0, 5), at(today, 23, 59, 59, 800), 6, 118), 200);
}

TEST(CountdownMath, EveryChangeOfARunFallsOnAMomentThePlanPredicted)
{
    // Looks at every millisecond of runs short and long (the picture moving at every clock
    // second or only now and then); wherever what a tick would show changes, the plan made
    // at the last wake-up must not have pointed past it.
    for (const int seconds : {4, 150}) {
        const TDateTime start = at(today, 23, 59, 57, 613);
        const TDateTime end = start + editorDuration(0, seconds / 60, seconds % 60);
        const int total = SecondsBetween(end, start);
        auto picture = [&](TDateTime now) {
            const int height = progressHeight(SecondsBetween(end, now), total, 118);
            return std::make_tuple(spanText(end - now), height, now >= end);
        };
        auto previous = picture(start);
        qint64 plannedAt = msUntilChange(end, start, total, 118);
        int wakes = 0;
        for (qint64 ms = 1; ms <= seconds * 1000; ++ms) {
            const TDateTime now = start + ms / millisecondsPerDay;
            const auto shown = picture(now);
            if (shown != previous) {
                ASSERT_LE(plannedAt, ms) << seconds << " s run, at " << ms;
            }
            if (ms >= plannedAt) {
                plannedAt = ms + msUntilChange(end, now, total, 118);
                ++wakes;
            }
            previous = shown;
        }
        EXPECT_LE(wakes, seconds * 2 + 2) << seconds;
    }
}
