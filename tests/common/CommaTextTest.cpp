// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/CommaText.h"

#include <gtest/gtest.h>

using corvane::commaTextJoin;
using corvane::commaTextSplit;

namespace {

struct SplitCase {
    const char* name;
    QString text;
    QStringList entries;
};

// Cases beyond the shared reference set: characters a C-string reader would trip over, and
// quoting at the edges.
const SplitCase splitCases[] = {
    {"NulIsOrdinary", QString("a") + QChar(0) + "b,c", {QString("a") + QChar(0) + "b", "c"}},
    {"SurrogatePairs", "\U0001F600 x,\"\U0001F600 y\"", {"\U0001F600", "x", "\U0001F600 y"}},
    {"NonBreakingSpaceIsNoBlank", "a\u00a0b,c", {"a\u00a0b", "c"}},
    {"DelIsNoBlank", "a\x7f b", {"a\x7f", "b"}},
    {"UnclosedWithPairs", "\"a\"\"", {"a\""}},
    {"QuoteInsidePlain", "ab\"c d\"", {"ab\"c", "d\""}},
    {"BlankBeforeTrailingComma", "a ,", {"a", ""}},
    {"CommaThenBlankAtEnd", "a, ", {"a"}},
    {"OnlyComma", ",", {"", ""}},
    {"CrLfSeparated", "a\r\nb", {"a", "b"}},
    {"QuotedEmptyThenComma", "\"\",", {"", ""}},
};

class CommaTextSplit : public ::testing::TestWithParam<SplitCase> { };

TEST_P(CommaTextSplit, ReadsEntries)
{
    EXPECT_EQ(commaTextSplit(GetParam().text), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommaTextSplit, ::testing::ValuesIn(splitCases),
    [](const auto& p) { return std::string(p.param.name); });

// Lists with awkward entries must come back unchanged from writing and reading.
const QStringList roundTrips[] = {
    {"a", "b", "c"},
    {"", ""},
    {"", "a"},
    {"a", ""},
    {"a", "", "", "b"},
    {"with blank", "with,comma", "with\"quote", "\"", "\"\"", " ", "\t", "\r\n"},
    {" lead", "trail ", "\"starts", "ends\"", "mid\"dle"},
    {"\u00e4\u00f6\u00fc", "\U0001F600", "\u00a0"},
    {QString(QChar(0)), QString("x") + QChar(0)},
    {"x=1", "'single'", "a'b", "C:\\Program Files\\Corvane"},
};

TEST(CommaText, RoundTripsAwkwardEntries)
{
    for (const QStringList& list : roundTrips) {
        const QString text = commaTextJoin(list);
        EXPECT_EQ(commaTextSplit(text), list) << text.toStdString();
    }
}

TEST(CommaText, SingleEmptyEntryIsWrittenAsNothingAndReadAsNoEntry)
{
    EXPECT_EQ(commaTextJoin({""}), "");
    EXPECT_TRUE(commaTextSplit("").isEmpty());
    EXPECT_EQ(commaTextJoin({}), "");
}

TEST(CommaText, QuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(commaTextJoin({"plain", "two words", "a\"b", "\u00e4"}),
        "plain,\"two words\",\"a\"\"b\",\u00e4");
    EXPECT_EQ(commaTextJoin({QString(QChar(0x1f))}), QString("\"\u001f\""));
}

} // namespace
