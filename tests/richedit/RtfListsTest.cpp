// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// List items begin with their marker and a tab, whether the file spells the marker or the
// reader works it out from the list table or \pn.
#include "RtfTestSupport.h"

#include "richedit/RtfLists.h"

#include <QTextBlock>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace corvane::test {
namespace {

using rtf::formatNumber;
namespace Style = rtf::NumberStyle;

TEST(RtfLists, NumberStyles)
{
    EXPECT_EQ(formatNumber(4, Style::upperRoman), "IV");
    EXPECT_EQ(formatNumber(1999, Style::lowerRoman), "mcmxcix");
    EXPECT_EQ(formatNumber(3999, Style::upperRoman), "MMMCMXCIX");
    EXPECT_EQ(formatNumber(4000, Style::upperRoman), "4000");
    EXPECT_EQ(formatNumber(0, Style::lowerRoman), "0");
    EXPECT_EQ(formatNumber(26, Style::lowerLetter), "z");
    EXPECT_EQ(formatNumber(28, Style::upperLetter), "BB");
    EXPECT_EQ(formatNumber(260, Style::lowerLetter), "zzzzzzzzzz");
    EXPECT_EQ(formatNumber(261, Style::lowerLetter), "261");
    EXPECT_EQ(formatNumber(7, Style::leadingZero), "07");
    EXPECT_EQ(formatNumber(12, Style::leadingZero), "12");
    EXPECT_EQ(formatNumber(11, Style::ordinal), "11th");
    EXPECT_EQ(formatNumber(22, Style::ordinal), "22nd");
    EXPECT_EQ(formatNumber(113, Style::ordinal), "113th");
    EXPECT_EQ(formatNumber(5, Style::bullet), "");
    EXPECT_EQ(formatNumber(5, Style::none), "");
    EXPECT_EQ(formatNumber(1'000'000'000, 47), "1000000000"); // a style of its own: decimal
}

TEST(RtfLists, CountersRestartDeeperLevels)
{
    rtf::LevelCounters c;
    EXPECT_EQ(c.next(0, 1), 1);
    EXPECT_EQ(c.next(1, 1), 1);
    EXPECT_EQ(c.next(1, 1), 2);
    EXPECT_EQ(c.next(0, 1), 2);
    EXPECT_EQ(c.next(1, 1), 1);
    EXPECT_EQ(c.at(2, 5), 5);
    EXPECT_EQ(c.next(99, 3), 3); // levels beyond the ninth count as the ninth
    c.reset();
    EXPECT_EQ(c.next(0, 1), 1);
}

struct ListCase {
    const char* name;
    QByteArray rtf;
    QString text;
};

void PrintTo(const ListCase& c, std::ostream* os)
{
    *os << c.name;
}

class ListText : public ::testing::TestWithParam<ListCase> { };

TEST_P(ListText, MarkersBeforeItems)
{
    EXPECT_EQ(plainText(*readRtf(GetParam().rtf)), GetParam().text);
}

// A list table as Word writes it: list 1 has bullets in Symbol (\u-3913 is U+F0B7) over
// lettered items; list 2 numbers "1." over "1.1." and starts at 3.
const QByteArray kTables
    = R"({\rtf1\ansi{\fonttbl{\f0 Arial;}{\f1\fnil\fcharset2 Symbol;}})"
      R"({\*\listtable{\list\listtemplateid5)"
      R"({\listlevel\levelnfc23{\leveltext\'01\u-3913 ?;}{\levelnumbers;}\f1})"
      R"({\listlevel\levelnfc4{\leveltext\'02\'01);}{\levelnumbers\'01;}})"
      R"(\listid7}{\list)"
      R"({\listlevel\levelstartat3{\leveltext\'02\'00.;}{\levelnumbers\'01;}})"
      R"({\listlevel\levelfollow1{\leveltext\'04\'00.\'01.;}{\levelnumbers\'01\'03;}})"
      R"(\listid8}})"
      R"({\*\listoverridetable{\listoverride\listid7\listoverridecount0\ls1})"
      R"({\listoverride\listid8\ls2}})";

const ListCase listCases[] = {
    {"ListTextUsedAsWritten",
        kTables + R"({\listtext\pard\plain\f1 \'b7\tab}\pard\ls1\fi-360\li720 a\par})",
        QStringLiteral("•\ta\n")},
    {"ListTextBeforeParagraphWords",
        kTables + R"({\listtext 9.\tab}\pard\ls2 a\par{\listtext 10.\tab}b\par})",
        QStringLiteral("9.\ta\n10.\tb\n")},
    {"ComputedSymbolBullet", kTables + R"(\pard\ls1 a\par b\par})", QStringLiteral("•\ta\n•\tb\n")},
    {"NestedLevelsRestart",
        kTables + R"(\pard\ls1 a\par\ilvl1 b\par c\par\ilvl0 d\par\ilvl1 e\par})",
        QStringLiteral("•\ta\na)\tb\nb)\tc\n•\td\na)\te\n")},
    {"StartAtAndPlaceholdersOfOuterLevels",
        kTables + R"(\pard\ls2 a\par\ilvl1 b\par c\par\ilvl0 d\par\ilvl1 e\par})",
        QStringLiteral("3.\ta\n3.1. b\n3.2. c\n4.\td\n4.1. e\n")},
    {"ListsCountApart", kTables + R"(\pard\ls2 a\par\pard\ls1 b\par\pard\ls2 c\par})",
        QStringLiteral("3.\ta\n•\tb\n4.\tc\n")},
    {"ItemsWithWrittenMarkersCountToo",
        kTables + R"({\listtext 3.\tab}\pard\ls2 a\par\pard\ls2 b\par})",
        QStringLiteral("3.\ta\n4.\tb\n")},
    {"EmptyItemKeepsMarker", kTables + R"(\pard\ls2 a\par\par b\par})",
        QStringLiteral("3.\ta\n4.\t\n5.\tb\n")},
    {"UnknownListNumberGivesNoMarker", kTables + R"(\pard\ls9 a\par\pard\ls0 b\par})",
        QStringLiteral("a\nb\n")},
    {"LevelBeyondTableUsesLast", kTables + R"(\pard\ls1\ilvl8 a\par})", QStringLiteral("a)\ta\n")},
    {"PardEndsTheList", kTables + R"(\pard\ls1 a\par\pard b\par})", QStringLiteral("•\ta\nb\n")},
    {"NumberingBulletComputed",
        R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fnil\fcharset2 Symbol;}})"
        R"({\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-720\li720 a\par b\par})",
        QStringLiteral("•\ta\n•\tb\n")},
    {"NumberingWithoutTextGetsBullet", R"({\rtf1{\*\pn\pnlvlblt}a\par})", QStringLiteral("•\ta\n")},
    {"NumbersRunUntilAPlainParagraph",
        R"({\rtf1{\*\pn\pnlvlbody\pndec\pnstart4{\pntxta .}}a\par b\par\pard c\par)"
        R"({\*\pn\pnlvlbody\pnucrm{\pntxtb (}{\pntxta )}}d\par})",
        QStringLiteral("4.\ta\n5.\tb\nc\n(I)\td\n")},
    {"NumberingTextUsedAsWritten",
        R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\pntext\f1\'B7\tab})"
        R"({\*\pn\pnlvlblt\pnf1{\pntxtb\'B7}}a\par{\pntext\f1\'B7\tab}b\par})",
        QStringLiteral("•\ta\n•\tb\n")},
    {"ListTableWinsOverNumbering", kTables + R"(\pard{\*\pn\pnlvlbody\ilvl0\ls2\pndec}\ls1 a\par})",
        QStringLiteral("•\ta\n")},
    {"SymbolBytesAndPrivateUse",
        R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fnil Symbol;}{\f2\fcharset2 Wingdings;}})"
        R"({\f1 a\'b7D}{\f2 \'a7\u-3844?}{\f0\af1 \u-3913?}\u-3913?})",
        QStringLiteral("α•Δ▪✔•\uf0b7\n")},
    {"ListTablesKeepFieldsAndBreaksOut",
        R"({\rtf1{\*\listtable{\list{\listlevel{\field{\fldrslt x}}\par\pict}\listid1}}a})",
        QStringLiteral("a\n")},
};

INSTANTIATE_TEST_SUITE_P(Rtf, ListText, ::testing::ValuesIn(listCases),
    [](const auto& c) { return std::string(c.param.name); });

TEST(RtfLists, IndentsAndTabStop)
{
    const auto doc = readRtf(kTables
        + R"({\*\listtable{\list{\listlevel{\leveltext\'02\'00.;}\fi-360\li1440}\listid3}})"
          R"({\*\listoverridetable{\listoverride\listid3\ls3}})"
          R"(\pard\ls3 from level\par\pard\ls3\fi-300\li600 own\par\pard\fi-300\li600\tx900\tx100 tabs\par})");
    const QTextBlockFormat level = doc->begin().blockFormat();
    EXPECT_DOUBLE_EQ(level.leftMargin(), 96.0);
    EXPECT_DOUBLE_EQ(level.textIndent(), -24.0);
    ASSERT_EQ(level.tabPositions().size(), 1); // from the first line's start to the indent
    EXPECT_DOUBLE_EQ(level.tabPositions()[0].position, 24.0);
    const QTextBlockFormat own = doc->begin().next().blockFormat();
    EXPECT_DOUBLE_EQ(own.leftMargin(), 40.0);
    ASSERT_EQ(own.tabPositions().size(), 1);
    EXPECT_DOUBLE_EQ(own.tabPositions()[0].position, 20.0);
    const QTextBlockFormat tabs = doc->lastBlock().blockFormat();
    ASSERT_EQ(tabs.tabPositions().size(), 1); // the paragraph's own stops are left alone
    EXPECT_DOUBLE_EQ(tabs.tabPositions()[0].position, 40.0);
}

TEST(RtfLists, ComputedMarkerTakesFontNotEmphasis)
{
    const auto doc = readRtf(kTables + R"(\pard\ls2\f0\fs32\b\ul bold item\par})");
    QTextCursor c(doc.get());
    c.setPosition(1);
    EXPECT_EQ(c.charFormat().fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_DOUBLE_EQ(c.charFormat().fontPointSize(), 16.0);
    EXPECT_NE(c.charFormat().fontWeight(), QFont::Bold);
    EXPECT_FALSE(c.charFormat().fontUnderline());
    c.setPosition(4);
    EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
}

TEST(RtfLists, SymbolFontTextDrawnByTextFont)
{
    // Asked for by name, "Symbol" finds a symbol-layout font that draws U+2022 as nothing.
    const auto doc = readRtf(R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset2 Symbol;}}\f1\'b7\f0 a})");
    QTextCursor c(doc.get());
    c.setPosition(1);
    EXPECT_TRUE(c.charFormat().fontFamilies().toStringList().isEmpty());
    c.setPosition(2);
    EXPECT_EQ(c.charFormat().fontFamilies().toStringList(), QStringList{"Arial"});
}

} // namespace
} // namespace corvane::test
