// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The hand-written reference files state the paragraphs and runs another reader produces.
#include "RtfTestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace corvane::test {
namespace {

QString rtfDir()
{
    return QStringLiteral(CORVANE_TESTDATA "/rtf");
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TextRun expectedRun(const QJsonObject& o)
{
    return {o[QLatin1String("t")].toString(), o[QLatin1String("b")].toInt() != 0,
        o[QLatin1String("i")].toInt() != 0, o[QLatin1String("u")].toInt() != 0,
        o[QLatin1String("color")].toString()};
}

class ReferenceRuns : public ::testing::TestWithParam<QString> { };

TEST_P(ReferenceRuns, ParagraphsAndRunsMatch)
{
    if (GetParam() == QLatin1String("missing"))
        GTEST_SKIP() << "no reference files";
    const QJsonObject reference
        = QJsonDocument::fromJson(readAll(rtfDir() + u'/' + GetParam())).object();
    const auto doc
        = readRtf(readAll(rtfDir() + u'/' + reference[QLatin1String("file")].toString()));
    const QJsonArray paragraphs = reference[QLatin1String("expected")].toArray();
    ASSERT_EQ(doc->blockCount(), paragraphs.size());
    QTextBlock block = doc->begin();
    for (const QJsonValue& p : paragraphs) {
        std::vector<TextRun> want;
        for (const QJsonValue& r : p[QLatin1String("runs")].toArray())
            want.push_back(expectedRun(r.toObject()));
        EXPECT_EQ(blockRuns(block), want) << "paragraph " << block.blockNumber();
        const bool breakBefore
            = block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
        EXPECT_EQ(breakBefore, p[QLatin1String("page_break_before")].toBool());
        block = block.next();
    }
}

QStringList referenceFiles()
{
    QStringList files = QDir(rtfDir()).entryList({QStringLiteral("*.expected.json")});
    return files.isEmpty() ? QStringList{QStringLiteral("missing")} : files;
}

INSTANTIATE_TEST_SUITE_P(Rtf, ReferenceRuns, ::testing::ValuesIn(referenceFiles()),
    [](const auto& c) { return c.param.section(u'.', 0, 0).replace(u'-', u'_').toStdString(); });

} // namespace
} // namespace corvane::test
