// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Word-processor files with lists, against LibreOffice's plain text of each: what
// `corvtool rtf-text` prints (loadRichText, then documentText) must have the same lines,
// markers included.
#include "RtfTestSupport.h"

#include "richedit/RichTextFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace corvane::test {
namespace {

QString listDir()
{
    return QStringLiteral(CORVANE_SOURCE_DIR "/tests/richedit/lists");
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString fileText(const QByteArray& rtf)
{
    return documentText(*readRtf(rtf));
}

// As the shared reference cases compare, but keeping the markers. A tab is a blank here: it
// is what follows a marker, and LibreOffice writes a blank there (these files have no
// tables). Every bullet counts as one: LibreOffice draws nested bullets with shapes of its
// own where the file's level text and \listtext say "•".
QStringList normalised(QString text)
{
    static const QRegularExpression bullets(QStringLiteral("[\u25e6\u25aa\u25cf\u25a0\u2023]"));
    static const QRegularExpression blanks(QStringLiteral("[ \t\u00a0]+"));
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    text.replace(bullets, QStringLiteral("\u2022"));
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.replace(blanks, QStringLiteral(" ")).trimmed();
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}

class ListFile : public ::testing::TestWithParam<QString> { };

TEST_P(ListFile, MatchesReferenceWithMarkers)
{
    const QString base = listDir() + u'/' + GetParam();
    const QStringList want = normalised(QString::fromUtf8(readAll(base + QLatin1String(".txt"))));
    ASSERT_FALSE(want.isEmpty());
    EXPECT_EQ(normalised(fileText(readAll(base + QLatin1String(".rtf")))), want);
}

// Without the writer's \listtext the markers come from the list table; they must agree.
TEST_P(ListFile, ComputedMarkersAgreeWithWritten)
{
    const QByteArray rtf = readAll(listDir() + u'/' + GetParam() + QLatin1String(".rtf"));
    static const QRegularExpression listText(QStringLiteral(R"(\{\\(?:listtext|pntext)[^{}]*\})"));
    QString stripped = QString::fromLatin1(rtf);
    stripped.remove(listText);
    ASSERT_LT(stripped.size(), rtf.size()) << "the file brings its own markers";
    EXPECT_EQ(normalised(fileText(stripped.toLatin1())), normalised(fileText(rtf)));
}

QStringList listFiles()
{
    QStringList names = QDir(listDir()).entryList({QStringLiteral("*.rtf")});
    for (QString& n : names)
        n.chop(4);
    return names;
}

INSTANTIATE_TEST_SUITE_P(Rtf, ListFile, ::testing::ValuesIn(listFiles()),
    [](const auto& c) { return QString(c.param).replace(u'-', u'_').toStdString(); });

} // namespace
} // namespace corvane::test
