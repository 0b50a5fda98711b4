// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Theme files from the command line, through the code the theme editor uses.
#include "Commands.h"

#include "options/ThemeFile.h"
#include "platform/CorvaneError.h"
#include "platform/IntegerText.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace corvtool {

using namespace corvane;

namespace {
// The picture files of a theme, in the order of its lines.
constexpr const char* pictureFiles[themePictureCount]
    = {"background.bmp", "progress.bmp", "start.bmp", "pause.bmp", "stop.bmp"};
} // namespace

// OUT BACKGROUND PROGRESS START PAUSE STOP FONT FONTCOLOR BACKCOLOR: each picture is read as the
// editor reads a picked file, and the theme is written as the editor saves one.
int themePack(const QStringList& args)
{
    const std::optional<int> fontColor = parseDecimalInt(args[7]);
    const std::optional<int> backColor = parseDecimalInt(args[8]);
    if (!fontColor || !backColor) {
        printErr(QStringLiteral("colours are signed decimal numbers\n"));
        return 2;
    }
    try {
        TThemeData theme;
        for (int i = 0; i < themePictureCount; ++i)
            theme.pictures[std::size_t(i)] = loadBitmapFile(args[1 + i]);
        theme.fontName = args[6];
        theme.fontColor = *fontColor;
        theme.backColor = *backColor;
        writeThemeFile(args[0], theme);
    } catch (const CorvaneError& error) {
        printErr(error.text() + QLatin1Char('\n'));
        return 1;
    }
    return 0;
}

// FILE DIR: the five pictures as bitmap files in DIR (an empty picture is not written), then
// the font name, font colour and background colour, one per line.
int themeUnpack(const QStringList& args)
{
    const ThemeRead read = readThemeFile(args[0]);
    if (!read.ok()) {
        const QString message = read.problem == ThemeProblem::Missing
            ? QStringLiteral("%1: no such file").arg(args[0])
            : themeProblemMessage(args[0], read);
        printErr(message + QLatin1Char('\n'));
        return 1;
    }
    const QDir dir(args[1]);
    if (!QDir().mkpath(args[1])) {
        printErr(QStringLiteral("Unable to write to %1\n").arg(args[1]));
        return 1;
    }
    for (int i = 0; i < themePictureCount; ++i) {
        const TBitmapPicture& picture = read.theme.pictures[std::size_t(i)];
        const QString path = dir.filePath(QLatin1String(pictureFiles[i]));
        if (picture.isEmpty()) {
            printErr(QStringLiteral("%1: empty picture, not written\n").arg(path));
            continue;
        }
        const QByteArray bytes = bmpFileBytes(picture);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
            || !file.commit()) {
            printErr(QStringLiteral("Unable to write to %1\n").arg(path));
            return 1;
        }
    }
    printOut(read.theme.fontName + QLatin1Char('\n') + QString::number(read.theme.fontColor)
        + QLatin1Char('\n') + QString::number(read.theme.backColor) + QLatin1Char('\n'));
    return 0;
}

} // namespace corvtool
