// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace corvane {

// A freedesktop desktop entry that starts one program: what Corvane's autostart shortcut is
// on Linux. Empty fields are left out of the file.
struct DesktopEntry {
    QString program; // the executable's full path
    QString arguments; // command-line text after the program, taken as it is
    QString workingDirectory;
    QString name;
    QString comment;
    QString icon; // an absolute file path or an icon theme's name
};

// One argument of an Exec command line: enclosed in double quotes when it holds a blank, a
// quote, a backslash, a shell metacharacter or a control character, with a backslash before
// each ", `, $ and backslash inside; every % doubled so that nothing reads as a field code.
// The result still needs escapeDesktopValue before it goes into the file.
QString quoteExecArgument(const QString& argument);

// A string value as a key file holds it: \\, \n, \t, \r, and \s for blanks at either end,
// which a reader would otherwise trim.
QString escapeDesktopValue(const QString& value);

// The whole file, LF line ends, to be written as UTF-8.
QString desktopEntryText(const DesktopEntry& entry);

} // namespace corvane
