// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "timelist/TimerEntry.h"
#include "platform/CorvaneError.h"

#include <gtest/gtest.h>
#include <limits>

using namespace corvane;

namespace {
QString errorOf(const std::function<void()>& read)
{
    try {
        read();
    } catch (const CorvaneError& e) {
        return e.text();
    }
    return {};
}

TEST(TimerEntry, SecondsSplitIntoTheEditorsFieldsWithinTheirRanges)
{
    const std::pair<int, DurationParts> cases[] = {
        {0, {0, 0, 0}},
        {330, {0, 5, 30}},
        {86399, {23, 59, 59}},
        {359999, {99, 59, 59}},
        {360000, {99, 59, 59}}, // more than the fields hold: each stops at its bound
        {std::numeric_limits<int>::max(), {99, 59, 59}},
        {-5, {0, 0, 0}},
        {std::numeric_limits<int>::min(), {0, 0, 0}},
    };
    for (const auto& [seconds, parts] : cases)
        EXPECT_EQ(splitDuration(seconds), parts) << seconds;
    for (int s = 0; s <= 359999; s += 997)
        EXPECT_EQ(joinDuration(splitDuration(s)), s);
}

TEST(TimerEntry, TheSecondsFieldIsDecimalOnly)
{
    EXPECT_EQ(entryDuration(QStringLiteral("180")), 180);
    EXPECT_EQ(entryDuration(QStringLiteral("+7")), 7);
    EXPECT_EQ(entryDuration(QStringLiteral("-5")), -5);
    EXPECT_EQ(entryDuration(QStringLiteral("000000000030")), 30); // a hand-edited list
    for (const char* text : {"0x1E", "30 ", "", "1.5", "2147483648"})
        EXPECT_EQ(errorOf([text] { entryDuration(QString::fromLatin1(text)); }),
            QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(text)));
}

TEST(TimerEntry, EntriesReadBackFromTheirFourFields)
{
    const TimerEntry entry = entryFromFields(QStringLiteral("Tea"),
        {QStringLiteral("not read"), QStringLiteral("Ready"), QString(), QStringLiteral("180")});
    EXPECT_EQ(entry.title, QStringLiteral("Tea"));
    EXPECT_EQ(entry.message, QStringLiteral("Ready"));
    EXPECT_EQ(entry.soundFile, QString());
    EXPECT_EQ(entry.seconds, 180);
    EXPECT_EQ(errorOf([] {
        entryFromFields(QStringLiteral("Tea"), {"a", "b", "c"});
    }),
        QStringLiteral("List index out of bounds (3)"));
}

TEST(TimerEntry, ClashingTitlesAreFoundInListOrder)
{
    const QStringList titles{"Tea", "Pizza", "TEA", "tea ", "Äpfel"};
    EXPECT_EQ(sameTitlePositions(titles, QStringLiteral("tea")), (std::vector<qsizetype>{0, 2}));
    EXPECT_TRUE(sameTitlePositions(titles, QStringLiteral("äpfel")).empty());
    EXPECT_TRUE(sameTitlePositions({}, QStringLiteral("Tea")).empty());
}
} // namespace
