// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "timelist/TreeText.h"
#include "timelist/TimerEntry.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {
using Lines = std::vector<TreeLine>;

std::string show(const Lines& lines)
{
    std::string out;
    for (const TreeLine& l : lines)
        out += std::to_string(l.depth) + ":" + l.text.toStdString() + "|";
    return out;
}
} // namespace

TEST(TreeText, ReadsTheShapesFilesComeIn)
{
    const struct {
        const char* name;
        const char16_t* text;
        const char* expected;
    } cases[] = {
        {"two entries", u"Entries\r\n\tTea\r\n\t\t00:03:00\r\n\t\tReady\r\n\t\t\r\n\t\t180\r\n",
            "0:Entries|1:Tea|2:00:03:00|2:Ready|2:|2:180|"},
        {"no final line break", u"Entries\r\n\tTea", "0:Entries|1:Tea|"},
        {"lone LF and lone CR", u"A\n\tB\r\tC\r\n\t\tD", "0:A|1:B|1:C|2:D|"},
        {"two spaces are two levels", u"A\n\tB\n  C", "0:A|1:B|2:C|"},
        {"indented first line", u"\t\tRoot\n\tChild\nTop", "0:Root|1:Child|0:Top|"},
        {"back up several levels", u"A\n\tB\n\t\tC\n\t\t\tD\n\tE", "0:A|1:B|2:C|3:D|1:E|"},
        {"empty lines are nodes", u"A\r\n\r\n\tB\r\n", "0:A|0:|1:B|"},
        {"CR CR LF is two line ends", u"A\r\r\nB", "0:A|0:|0:B|"},
        {"empty text", u"", ""},
    };
    for (const auto& c : cases) {
        const TreeTextRead read
            = readTreeText(QStringView(c.text, std::char_traits<char16_t>::length(c.text)));
        EXPECT_EQ(show(read.lines), c.expected) << c.name;
        EXPECT_TRUE(read.error.isEmpty()) << c.name;
    }
}

TEST(TreeText, NulInsideTheTextStopsReading)
{
    const char16_t raw[] = u"A\n\tB\0\n\tC";
    const TreeTextRead read = readTreeText(QStringView(raw, std::size(raw) - 1));
    EXPECT_EQ(show(read.lines), "0:A|1:B|");
}

TEST(TreeText, LevelJumpStopsWithTheLinesBeforeIt)
{
    const TreeTextRead read = readTreeText(u"Entries\r\n\tTea\r\n\t\t\t00:03:00\r\n\t\tlost\r\n");
    EXPECT_EQ(show(read.lines), "0:Entries|1:Tea|");
    EXPECT_EQ(read.error, QStringLiteral("Invalid level (3) for item \"00:03:00\""));
    const QString huge(300000, QLatin1Char('x'));
    EXPECT_EQ(readTreeText(QStringLiteral("A\r\n\t\t") + huge).error,
        QStringLiteral("Invalid level (2) for item \"") + huge.left(200) + QChar(0x2026) + '"');
}

TEST(TreeText, WritesATabPerLevelAndCrLfAfterEveryLine)
{
    const Lines lines{{0, "Entries"}, {1, "Tea"}, {2, ""}, {0, "Second root"}};
    EXPECT_EQ(writeTreeText(lines), QStringLiteral("Entries\r\n\tTea\r\n\t\t\r\nSecond root\r\n"));
    EXPECT_EQ(readTreeText(writeTreeText(lines)).lines, lines);
}

TEST(TimerEntry, EntriesCarryTotalHoursAndTheirFourFields)
{
    EXPECT_EQ(durationText(0), QStringLiteral("00:00:00"));
    EXPECT_EQ(durationText(330), QStringLiteral("00:05:30"));
    EXPECT_EQ(durationText(27 * 3600), QStringLiteral("27:00:00"));
    EXPECT_EQ(durationText(359999), QStringLiteral("99:59:59"));
    EXPECT_EQ(durationText(-61), QStringLiteral("00:01:01"));
    const Lines lines = entryLines({"Tea", "Ready", "", 180});
    EXPECT_EQ(show(lines), "1:Tea|2:00:03:00|2:Ready|2:|2:180|");
}

TEST(TimerEntry, TitlesMatchWithAsciiCaseOnly)
{
    EXPECT_TRUE(sameTitle(QStringLiteral("Tea"), QStringLiteral("TEA")));
    EXPECT_TRUE(sameTitle(QStringLiteral("tea 5"), QStringLiteral("TEA 5")));
    EXPECT_FALSE(sameTitle(QStringLiteral("Äpfel"), QStringLiteral("äpfel")));
    EXPECT_FALSE(sameTitle(QStringLiteral("Tea"), QStringLiteral("Teas")));
    EXPECT_FALSE(sameTitle(QStringLiteral("["), QStringLiteral("{"))); // not letters
    EXPECT_EQ(withoutLeadingIndent(QStringLiteral(" \t Tea \t")), QStringLiteral("Tea \t"));
}

TEST(TimerEntry, AddEntryReplacesEveryClashUnderTheFirstRootOnly)
{
    Lines lines = readTreeText(u"Entries\n\tTea\n\t\t00:00:01\n\t\tm\n\t\t\n\t\t1\n"
                               u"\tPizza\n\t\tx\n\tTEA\n\t\tonly one field\n"
                               u"Other root\n\tTea\n")
                      .lines;
    addEntry(lines, {"tea", "Done", "", 60});
    EXPECT_EQ(show(lines),
        "0:Entries|1:tea|2:00:01:00|2:Done|2:|2:60|1:Pizza|2:x|"
        "0:Other root|1:Tea|");
    Lines empty;
    addEntry(empty, {"A", "m", "", 1});
    EXPECT_EQ(show(empty), "0:Entries|1:A|2:00:00:01|2:m|2:|2:1|");
    EXPECT_EQ(storableText(QStringLiteral("\t two\r\nlines\0")), QStringLiteral("two  lines"));
}
