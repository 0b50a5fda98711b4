// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpTopic.h"

#include "richedit/RichTextFile.h"

#include <QTextDocument>
#include <gtest/gtest.h>

using namespace corvane;

namespace {

QTextDocument* document(const QByteArray& body)
{
    static QTextDocument doc;
    loadRichText(doc,
        "{\\rtf1\\ansi{\\colortbl;\\red0\\green0\\blue255;\\red0\\green0\\blue0;}" + body + "}");
    return &doc;
}

TopicHit find(const QByteArray& body, const char* topic)
{
    return findTopicHeading(*document(body), QLatin1String(topic), Qt::black);
}

TEST(HelpTopic, OnlyBlueTextExactlyBoldAndUnderlinedIsAHeading)
{
    FormatSummary f{QColor(0, 0, 255), true, false, true, false};
    EXPECT_TRUE(isHeadingFormat(f));
    for (auto change :
        std::initializer_list<void (*)(FormatSummary&)>{[](FormatSummary& s) { s.italic = true; },
            [](FormatSummary& s) { s.underline = false; }, [](FormatSummary& s) { s.bold = false; },
            [](FormatSummary& s) { s.strikeOut = true; },
            [](FormatSummary& s) { s.colour = QColor(0, 0, 254); },
            [](FormatSummary& s) { s.colour.reset(); }, // mixed colours
            [](FormatSummary& s) { s.bold.reset(); }}) { // partly bold
        FormatSummary g = f;
        change(g);
        EXPECT_FALSE(isHeadingFormat(g));
    }
}

TEST(HelpTopic, SearchPassesPlainAndNearHeadingsToTheRealOne)
{
    const QByteArray body = "Tea first. {\\cf1\\b Tea} bold. {\\cf1\\b\\ul\\i Tea} italic. "
                            "{\\cf2\\b\\ul Tea} black.\\par {\\cf1\\b\\ul Tea}\\par tea";
    const TopicHit hit = find(body, "Tea");
    EXPECT_TRUE(hit.heading);
    EXPECT_EQ(hit.position, document(body)->toPlainText().indexOf("Tea\ntea"));

    const TopicHit none = find("Tea, {\\cf1\\b Tea}\\par and Tea", "Tea");
    EXPECT_FALSE(none.heading);
    EXPECT_EQ(none.position,
        document("Tea, {\\cf1\\b Tea}\\par and Tea")->toPlainText().lastIndexOf("Tea"));
    EXPECT_EQ(find("{\\cf1\\b\\ul TEA}", "Tea").position, -1); // letter case counts
    // A heading only partly covered by the format is no heading.
    EXPECT_FALSE(find("{\\cf1\\b\\ul Te}a", "Tea").heading);
    // Overlapping occurrences are each looked at.
    EXPECT_TRUE(find("aa{\\cf1\\b\\ul aa}", "aa").heading);
}

TEST(HelpTopic, SearchStartsBehindASelectionOrAtTheTop)
{
    EXPECT_EQ(searchStart(7, 3), 10);
    EXPECT_EQ(searchStart(7, 0), 0);
}

TEST(HelpTopic, SetNamesLoseOnlyTheirLastExtension)
{
    EXPECT_EQ(helpSetNames(QStringLiteral(
                  "Corvane.rtf\r\nCorvane (Deutsch).rtf\r\nnotes.v2.RTF\r\nÜber a:b\\c.rtf\r\n")),
        QStringList({"Corvane", "Corvane (Deutsch)", "notes.v2", "Über a:b\\c"}));
    EXPECT_TRUE(helpSetNames(QString()).isEmpty());
}

} // namespace
