// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Theme files: their names, their eight lines, and how reading stops at a broken one.
#include "options/ThemeFile.h"

#include "BmpBytes.h"
#include "TestSupport.h"
#include "common/Global.h"
#include "platform/CorvaneError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::test;

namespace {

// A theme whose every picture came from a file, so it is kept byte for byte.
TThemeData sampleTheme()
{
    TThemeData theme;
    const QColor colors[] = {Qt::blue, Qt::red, Qt::green, Qt::yellow, Qt::magenta};
    for (int i = 0; i < themePictureCount; ++i)
        theme.pictures[std::size_t(i)] = bitmapFromBmp(bmpBytes(
            QSize(4 + i, 3), colors[i], i < 2 ? QImage::Format_Indexed8 : QImage::Format_RGB888));
    theme.fontName = QStringLiteral("DejaVu Sans Mono");
    theme.fontColor = 65535;
    theme.backColor = 8388608;
    return theme;
}

QList<QByteArray> linesOf(const QByteArray& bytes)
{
    return bytes.split('\n');
}

} // namespace

TEST(ThemeFile, NamesBecomeHexadecimalFileNamesAndBack)
{
    EXPECT_EQ(themeFileName(QStringLiteral("Dark")), QStringLiteral("Theme4461726B.thm"));
    EXPECT_EQ(themeFileName(QStringLiteral("dark")), QStringLiteral("Theme6461726B.thm"));
    for (const QString& name : {QStringLiteral("C:\\Work\\Dark"), QStringLiteral("Grün: hell"),
             QStringLiteral("../../etc"), QStringLiteral("日本")}) {
        const QString file = themeFileName(name);
        EXPECT_FALSE(file.contains(u'/') || file.contains(u'\\') || file.contains(u':'))
            << file.toStdString();
        EXPECT_EQ(themeNameFromFile(file), name);
    }
    // Written by the Windows program in its code page: not UTF-8, read as Windows-1252.
    EXPECT_EQ(themeNameFromFile(QStringLiteral("Theme4772FC6E.thm")), QStringLiteral("Grün"));
    // Files that are not named like themes are listed as what they decode to, or nothing.
    EXPECT_EQ(themeNameFromFile(QStringLiteral("Theme4G.thm")), QString());
    EXPECT_EQ(themeNameFromFile(QStringLiteral("Theme414.thm")), QStringLiteral("A"));
    EXPECT_EQ(themeNameFromFile(QStringLiteral("a.thm")), QString());
    EXPECT_EQ(themeNameFromFile(QString()), QString());
}

TEST(ThemeFile, WritesEightCrLfLinesAndReadsThemBackByteForByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data/Theme44.thm")); // Data is made
    const TThemeData theme = sampleTheme();
    writeThemeFile(path, theme);
    const QByteArray bytes = readBytes(path);
    EXPECT_EQ(bytes.count("\r\n"), themeLineCount);
    EXPECT_TRUE(bytes.endsWith("DejaVu Sans Mono\r\n65535\r\n8388608\r\n"));
    EXPECT_TRUE(bytes.startsWith("424D"));

    const ThemeRead read = readThemeFile(path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.linesTaken, themeLineCount);
    for (int i = 0; i < themePictureCount; ++i)
        EXPECT_EQ(bmpFileBytes(read.theme.pictures[std::size_t(i)]),
            bmpFileBytes(theme.pictures[std::size_t(i)]))
            << i;
    EXPECT_EQ(read.theme.fontName, theme.fontName);
    EXPECT_EQ(read.theme.fontColor, 65535);
    EXPECT_EQ(read.theme.backColor, 8388608);
}

TEST(ThemeFile, ReadsAnyLineEndAndStopsAtTheFirstBrokenLine)
{
    const QList<QByteArray> lines = linesOf(themeFileBytes(sampleTheme()));
    auto join = [&](int count, const QByteArray& end) {
        QByteArray text;
        for (int i = 0; i < count; ++i)
            text += lines[i].chopped(1) + end;
        return text;
    };
    for (const QByteArray& end : {QByteArray("\n"), QByteArray("\r"), QByteArray("\r\n")}) {
        const ThemeRead read = parseThemeText(join(8, end));
        EXPECT_TRUE(read.ok());
        EXPECT_EQ(read.theme.backColor, 8388608);
    }
    ThemeRead shortFile = parseThemeText(join(6, "\r\n"));
    EXPECT_EQ(shortFile.problem, ThemeProblem::TooShort);
    EXPECT_EQ(shortFile.linesTaken, 6);
    EXPECT_EQ(shortFile.theme.fontName, QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(parseThemeText("").problem, ThemeProblem::TooShort);

    QList<QByteArray> broken = lines;
    broken[2] = StrToHex("no bitmap").toLatin1() + '\r'; // valid hexadecimal, no BMP
    ThemeRead notBitmap = parseThemeText(broken.join('\n'));
    EXPECT_EQ(notBitmap.problem, ThemeProblem::NotBitmap);
    EXPECT_EQ(notBitmap.linesTaken, 2);
    EXPECT_FALSE(notBitmap.theme.picture(ThemePicture::Progress).isEmpty());

    broken = lines;
    broken[6] = "yellow\r";
    ThemeRead notNumber = parseThemeText(broken.join('\n'));
    EXPECT_EQ(notNumber.problem, ThemeProblem::NotNumber);
    EXPECT_EQ(notNumber.linesTaken, 6);

    // Odd length or invalid digits: an empty picture, and reading goes on.
    broken = lines;
    broken[0] = lines[0].chopped(2) + '\r';
    broken[1] = "4G4D\r";
    ThemeRead oddHex = parseThemeText(broken.join('\n'));
    EXPECT_EQ(oddHex.problem, ThemeProblem::NotBitmap) << "a cut-off bitmap is no bitmap";
    broken[0] = "XYZ\r";
    ThemeRead invalidHex = parseThemeText(broken.join('\n'));
    EXPECT_TRUE(invalidHex.ok());
    EXPECT_TRUE(invalidHex.theme.picture(ThemePicture::Background).isEmpty());
    EXPECT_TRUE(invalidHex.theme.picture(ThemePicture::Progress).isEmpty());
}

TEST(ThemeFile, MessagesNameTheFileAndTheLine)
{
    ThemeRead read = parseThemeText("\r\n\r\n\r\n");
    EXPECT_EQ(themeProblemMessage(QStringLiteral("/d/T.thm"), read),
        QStringLiteral("The theme file /d/T.thm ends after line 3; a theme has eight lines."));
    read = parseThemeText("\r\n\r\n\r\n\r\n\r\nArial\r\n1x\r\n0\r\n");
    EXPECT_EQ(themeProblemMessage(QStringLiteral("T.thm"), read),
        QStringLiteral("Line 7 of the theme file T.thm is not a whole number."));
    read.problem = ThemeProblem::Missing;
    EXPECT_EQ(themeProblemMessage(QStringLiteral("T.thm"), read), QString());
}

TEST(ThemeFile, OddFilesAreRefusedWithoutReadingThem)
{
    QTemporaryDir dir;
    EXPECT_EQ(
        readThemeFile(dir.filePath(QStringLiteral("none.thm"))).problem, ThemeProblem::Missing);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.thm")));
    const ThemeRead folder = readThemeFile(dir.filePath(QStringLiteral("folder.thm")));
    EXPECT_EQ(folder.problem, ThemeProblem::Unreadable);
    EXPECT_EQ(folder.file.problem, ReadProblem::NotRegular);

    QFile giant(dir.filePath(QStringLiteral("giant.thm")));
    ASSERT_TRUE(giant.open(QIODevice::WriteOnly));
    ASSERT_TRUE(giant.resize(100LL * 1024 * 1024)); // sparse: no disk taken
    giant.close();
    const ThemeRead big = readThemeFile(giant.fileName());
    EXPECT_EQ(big.problem, ThemeProblem::Unreadable);
    EXPECT_EQ(big.file.problem, ReadProblem::TooLarge);
    EXPECT_TRUE(themeProblemMessage(giant.fileName(), big).contains(giant.fileName()));
}

TEST(ThemeFile, AFailedWriteLeavesWhatWasThereAndSaysWhere)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("file")), "old");
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Theme44.thm/inside")));
    // A folder where the theme goes, and a file where its folder goes (root may write
    // anywhere, so permissions would prove nothing).
    for (const QString& path : {dir.filePath(QStringLiteral("Theme44.thm")),
             dir.filePath(QStringLiteral("file/Theme44.thm"))}) {
        try {
            writeThemeFile(path, sampleTheme());
            ADD_FAILURE() << path.toStdString();
        } catch (const CorvaneError& error) {
            EXPECT_EQ(error.text(), QStringLiteral("Unable to write to ") + path);
        }
    }
    EXPECT_EQ(readBytes(dir.filePath(QStringLiteral("file"))), QByteArray("old"));
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("Theme44.thm/inside"))).exists());
}

TEST(ThemeFile, PickedBitmapsAreCheckedAndSized)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.bmp"));
    writeBytes(good, bmpBytes(QSize(20, 22), Qt::gray, QImage::Format_RGB888));
    EXPECT_EQ(loadBitmapFile(good).fileBytes, readBytes(good));
    const QString text = dir.filePath(QStringLiteral("text.bmp"));
    writeBytes(text, "not a bitmap");
    EXPECT_THROW(loadBitmapFile(text), CorvaneError);
    EXPECT_THROW(loadBitmapFile(dir.path()), CorvaneError);
    EXPECT_THROW(loadBitmapFile(dir.filePath(QStringLiteral("none.bmp"))), CorvaneError);
}
