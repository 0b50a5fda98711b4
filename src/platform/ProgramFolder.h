// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace corvane {

// The folder that holds Data, LScripts, Help and Texts: $CORVANE_HOME when set, else the
// folder of the running executable. Never ends with a separator.
QString programFolder();

// The program folder followed by a relative path written either way ("\Data\CORVANE.INI" or
// "Data/CORVANE.INI"); backslashes become slashes.
QString programPath(const QString& relative);

// Where the autostart shortcut's own copy lives: the program folder while Corvane may write
// there, else the folder that holds its writable Data. The one place that decides it.
QString shortcutFolder();

// Turns the backslash paths the program's behaviour is phrased in into local ones.
QString toLocalSeparators(QString path);

} // namespace corvane
