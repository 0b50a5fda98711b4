// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Local date-times are built from date and time fields away from midnight-hour DST changes,
// so the results do not depend on the machine's time zone.
#include "platform/Clock.h"

#include "TimeZoneScope.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace corvane;

namespace {
QDateTime local(int y, int m, int d, int h, int min, int s = 0, int ms = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min, s, ms));
}

TEST(Clock, daysSince1899December30)
{
    const std::pair<QDateTime, double> cases[] = {
        {local(1899, 12, 30, 0, 0), 0.0},
        {local(1900, 1, 1, 12, 0), 2.5},
        {local(1899, 12, 29, 6, 0), -1.25},
        {local(2024, 2, 29, 18, 0), 45351.75},
    };
    for (const auto& [dt, days] : cases) {
        EXPECT_DOUBLE_EQ(toDateTime(dt), days) << dt.toString().toStdString();
        EXPECT_EQ(fromDateTime(days), dt) << days;
    }
}

TEST(Clock, keepsMilliseconds)
{
    const QDateTime t = local(2024, 6, 1, 13, 14, 15, 999);
    EXPECT_EQ(fromDateTime(toDateTime(t)), t);
    EXPECT_NEAR(toDateTime(local(1899, 12, 30, 0, 0, 0, 1)), 1.0 / 86'400'000, 1e-15);
    EXPECT_FALSE(fromDateTime(std::numeric_limits<double>::quiet_NaN()).isValid());
}

TEST(Clock, instantAndOffsetGiveTheSameDaysAsTheLocalFields)
{
    // Local fields, offset from UTC: the instant is rebuilt from them, so the cases do not
    // depend on the machine's zone.
    const struct {
        QDate date;
        QTime time;
        int offset;
        double days;
    } cases[] = {
        {{1970, 1, 1}, {0, 0}, 0, 25569.0},
        {{2024, 2, 29}, {18, 0}, 3600, 45351.75},
        {{2024, 2, 29}, {18, 0}, -5 * 3600 - 1800, 45351.75},
        {{1899, 12, 29}, {6, 0}, 7200, -1.25},
        {{1899, 12, 30}, {0, 0}, -3600, 0.0},
    };
    for (const auto& c : cases) {
        const qint64 ms
            = QDateTime(c.date, c.time, Qt::UTC).toMSecsSinceEpoch() - c.offset * 1000LL;
        EXPECT_DOUBLE_EQ(toDateTime(ms, c.offset), c.days) << c.date.toString().toStdString();
    }
    // The last millisecond of a day stays on that day, bit for bit as the field overload.
    const QDateTime lastMs(QDate(2031, 7, 14), QTime(23, 59, 59, 999));
    const qint64 ms = QDateTime(lastMs.date(), lastMs.time(), Qt::UTC).toMSecsSinceEpoch();
    EXPECT_EQ(toDateTime(ms, 0), toDateTime(lastMs));
    EXPECT_EQ(toDateTime(ms + 1, 0), toDateTime(local(2031, 7, 15, 0, 0)));
}

TEST(Clock, realClockAgreesWithTheLocalTime)
{
    Clock::setSource({});
    const double before = toDateTime(QDateTime::currentDateTime());
    const double now = Clock::now();
    const double after = toDateTime(QDateTime::currentDateTime());
    EXPECT_LE(before, now);
    EXPECT_LE(now, after);
    const double utcBefore = toDateTime(QDateTime::currentMSecsSinceEpoch(), 0);
    const double utc = Clock::nowUtc();
    EXPECT_LE(utcBefore, utc);
    EXPECT_LE(utc, toDateTime(QDateTime::currentMSecsSinceEpoch(), 0));
}

TEST(Clock, utcCountRunsOnThroughDaylightSavingChanges)
{
    const test::TimeZoneScope berlin(test::berlinZone);
    // The source gives local times, as the system's clock does; ten minutes across each
    // change, which falls at 01:00 UTC.
    for (const QDate day : {QDate(2026, 3, 29), QDate(2026, 10, 25)}) {
        const QDateTime change(day, QTime(1, 0), Qt::UTC);
        QDateTime now = change.addSecs(-300).toLocalTime();
        Clock::setSource([&] { return now; });
        const double utcBefore = Clock::nowUtc();
        const double localBefore = Clock::now();
        EXPECT_DOUBLE_EQ(utcBefore, toDateTime(change.addSecs(-300).toMSecsSinceEpoch(), 0));
        now = now.addSecs(600);
        EXPECT_NEAR((Clock::nowUtc() - utcBefore) * 86400.0, 600.0, 1e-3);
        // The local count jumps by the hour the clocks are put forward or back.
        const double localJump = (Clock::now() - localBefore) * 86400.0 - 600.0;
        EXPECT_NEAR(std::fabs(localJump), 3600.0, 1e-3) << day.toString().toStdString();
    }
    Clock::setSource({});
}

TEST(Clock, sourceCanBeReplacedAndRestored)
{
    const QDateTime fixed = local(2030, 1, 2, 3, 4, 5, 6);
    Clock::setSource([&] { return fixed; });
    EXPECT_EQ(Clock::nowLocal(), fixed);
    EXPECT_DOUBLE_EQ(Clock::now(), toDateTime(fixed));
    Clock::setSource({});
    EXPECT_LT(qAbs(Clock::nowLocal().secsTo(QDateTime::currentDateTime())), 60);
}
} // namespace
