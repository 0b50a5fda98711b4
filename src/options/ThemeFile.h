// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/BitmapPicture.h"
#include "platform/ColorValue.h"
#include "platform/FileRead.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

namespace corvane {

// A theme file holds eight lines: the five pictures as hexadecimal bitmap files, then the
// time display's font name, font colour and background colour as signed decimal numbers.
// Nothing else is stored, so a theme is exactly what the preview shows.
enum class ThemePicture { Background, Progress, Start, Pause, Stop };
constexpr int themePictureCount = 5;
constexpr int themeLineCount = 8;

struct TThemeData {
    std::array<TBitmapPicture, themePictureCount> pictures;
    QString fontName;
    TColor fontColor = 0;
    TColor backColor = 0;

    TBitmapPicture& picture(ThemePicture which) { return pictures[std::size_t(which)]; }
    const TBitmapPicture& picture(ThemePicture which) const { return pictures[std::size_t(which)]; }
};

// Why a theme file was not read whole.
enum class ThemeProblem {
    None,
    Missing, // no file of that name: nothing to apply, nothing to say
    Unreadable, // a folder, a pipe, a giant, no permission (see ThemeRead::file)
    TooShort, // fewer than eight lines
    NotBitmap, // a picture line whose bytes are no bitmap
    NotNumber, // a colour line that is no whole number
};

// What a theme file gave: lines 1 to linesTaken are in theme, in file order; reading stopped
// at the line after them for the problem named, so whoever applies it can apply that much.
struct ThemeRead {
    TThemeData theme;
    int linesTaken = 0;
    ThemeProblem problem = ThemeProblem::None;
    FileRead file; // how the file itself was read (its bytes are dropped after parsing)

    bool ok() const { return problem == ThemeProblem::None; }
    bool hasLine(int line) const { return line <= linesTaken; }
};

// "Theme" + hexadecimal of the name's UTF-8 bytes + ".thm": any text can be a name, and names
// that differ only in case are two themes.
QString themeFileName(const QString& name);
// The theme's file under the program's Data folder.
QString themeFilePath(const QString& name);
// The name a file of Data stands for: its name without the first five and the last four
// characters, decoded from hexadecimal as UTF-8, or as Windows-1252 when the bytes are no
// UTF-8. A file named otherwise gives an empty or garbled name, never an error.
QString themeNameFromFile(const QString& fileName);

// The eight lines of the file's text; CR, LF and CR LF each end a line.
ThemeRead parseThemeText(QByteArrayView bytes);
// Reads the theme's file (regular, at most FileLimit::theme) and parses it.
ThemeRead readThemeFile(const QString& path);

// The sentence for a problem that the user is told about, in the current language, naming the
// file and the line; empty for None and Missing.
QString themeProblemMessage(const QString& path, const ThemeRead& read);

// The file's bytes: the eight lines, each ended by CR LF, the font name in UTF-8.
QByteArray themeFileBytes(const TThemeData& theme);
// Writes the file atomically, so a crash or a full disk leaves the old theme or the new one,
// never half of one; the Data folder is made when missing. Throws CorvaneError
// "Unable to write to <path>".
void writeThemeFile(const QString& path, const TThemeData& theme);

// A bitmap file the user picked for a theme picture: read whole (regular, at most
// FileLimit::theme) and checked. Throws CorvaneError with the reason when it is no bitmap or
// cannot be read.
TBitmapPicture loadBitmapFile(const QString& path);

} // namespace corvane
