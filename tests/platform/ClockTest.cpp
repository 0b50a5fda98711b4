// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Local date-times are built from date and time fields away from midnight-hour DST changes,
// so the results do not depend on the machine's time zone.
#include "platform/Clock.h"

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
