// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "options/ThemeFile.h"

#include "common/Global.h"
#include "lang/LangScript.h"
#include "platform/CorvaneError.h"
#include "platform/IntegerText.h"
#include "platform/ProgramFolder.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace corvane {

namespace {

// The lines of a text, each ended by CR, LF or CR LF; a last line without an end counts.
// Stops after `most` lines, so a giant file costs no more than the lines that are used.
QList<QStringView> splitLines(QStringView text, int most)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size && lines.size() < most) {
        qsizetype end = start;
        while (end < size && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines.append(text.mid(start, end - start));
        if (end < size && text[end] == u'\r' && end + 1 < size && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

QString messageText(const char* english)
{
    return LangText(QStringLiteral("Messages"), QLatin1String(english));
}

} // namespace

QString themeFileName(const QString& name)
{
    return QLatin1String("Theme") + StrToHex(name.toUtf8()) + QLatin1String(".thm");
}

QString themeFilePath(const QString& name)
{
    return programPath(QLatin1String("\\Data\\") + themeFileName(name));
}

QString themeNameFromFile(const QString& fileName)
{
    const qsizetype length = fileName.size() - 9;
    if (length <= 0)
        return {};
    const QByteArray bytes = HexToStr(QStringView(fileName).mid(5, length));
    return isValidUtf8(bytes) ? QString::fromUtf8(bytes) : decodeWindows1252(bytes);
}

ThemeRead parseThemeText(QByteArrayView bytes)
{
    ThemeRead read;
    const QString text = decodeText(bytes).text;
    const QList<QStringView> lines = splitLines(text, themeLineCount);
    for (int i = 0; i < themeLineCount; ++i) {
        if (i >= lines.size()) {
            read.problem = ThemeProblem::TooShort;
            return read;
        }
        const QStringView line = lines[i];
        if (i < themePictureCount) {
            try {
                read.theme.pictures[std::size_t(i)] = HexToPicture(line);
            } catch (const CorvaneError&) {
                read.problem = ThemeProblem::NotBitmap;
                return read;
            }
        } else if (i == themePictureCount) {
            read.theme.fontName = line.toString();
        } else {
            const std::optional<int> number = parseInteger(line);
            if (!number) {
                read.problem = ThemeProblem::NotNumber;
                return read;
            }
            (i == themePictureCount + 1 ? read.theme.fontColor : read.theme.backColor) = *number;
        }
        read.linesTaken = i + 1;
    }
    return read;
}

ThemeRead readThemeFile(const QString& path)
{
    FileRead file = readRegularFile(path, FileLimit::theme);
    if (!file.ok()) {
        ThemeRead read;
        read.problem = file.problem == ReadProblem::Missing ? ThemeProblem::Missing
                                                            : ThemeProblem::Unreadable;
        read.file = std::move(file);
        return read;
    }
    ThemeRead read = parseThemeText(file.bytes);
    file.bytes = QByteArray();
    read.file = std::move(file);
    return read;
}

QString themeProblemMessage(const QString& path, const ThemeRead& read)
{
    const QString line = QString::number(read.linesTaken + 1);
    switch (read.problem) {
    case ThemeProblem::None:
    case ThemeProblem::Missing:
        return {};
    case ThemeProblem::Unreadable:
        return readProblemMessage(path, read.file, FileLimit::theme);
    case ThemeProblem::TooShort:
        return messageText("The theme file %1 ends after line %2; a theme has eight lines.")
            .arg(path, QString::number(read.linesTaken));
    case ThemeProblem::NotBitmap:
        return messageText("Line %2 of the theme file %1 holds no valid bitmap image.")
            .arg(path, line);
    case ThemeProblem::NotNumber:
        return messageText("Line %2 of the theme file %1 is not a whole number.").arg(path, line);
    }
    return {};
}

QByteArray themeFileBytes(const TThemeData& theme)
{
    QByteArray bytes;
    for (const TBitmapPicture& picture : theme.pictures)
        bytes += PictureToHex(picture).toLatin1() + "\r\n";
    bytes += theme.fontName.toUtf8() + "\r\n";
    bytes += QByteArray::number(theme.fontColor) + "\r\n";
    bytes += QByteArray::number(theme.backColor) + "\r\n";
    return bytes;
}

void writeThemeFile(const QString& path, const TThemeData& theme)
{
    const QByteArray bytes = themeFileBytes(theme);
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw CorvaneError(
            QStringLiteral("Unable to write to %s"), QFileInfo(path).absoluteFilePath());
}

TBitmapPicture loadBitmapFile(const QString& path)
{
    const FileRead file = readRegularFile(path, FileLimit::bitmap);
    if (!file.ok())
        throw CorvaneError(readProblemMessage(path, file, FileLimit::bitmap));
    return bitmapFromBmp(file.bytes);
}

} // namespace corvane
