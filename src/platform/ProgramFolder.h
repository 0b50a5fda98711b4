// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace corvane {

// Where Corvane's files are. A portable Corvane keeps everything in one program folder:
// $CORVANE_HOME when set, else the folder of the running executable when a Data or LScripts
// folder lies beside it. An installed Corvane (PREFIX/bin/corvane beside PREFIX/share/corvane)
// splits it: the shipped files it only reads come from PREFIX/share/corvane, what it writes
// lives in $XDG_DATA_HOME/corvane/Data, and language scripts in $XDG_DATA_HOME/corvane/LScripts
// are offered too. This module is the one place that decides; nothing else builds these paths.
struct ProgramFolders {
    bool installed = false;
    QString shipped; // LScripts, Help, Texts and the shipped Data files (themes, alarm)
    QString writable; // the folder that holds the writable Data
    QString userScripts; // the user's own language scripts; empty for a portable Corvane
};

// What the decision rests on, so it can be made (and tested) without touching the process.
struct FolderFacts {
    QString corvaneHome; // $CORVANE_HOME
    QString executableDir; // the folder of the running executable
    QString xdgDataHome; // $XDG_DATA_HOME
    QString home; // the user's home folder
    bool portableBesideExe = false; // a Data or LScripts folder lies beside the executable
    bool sharedTreeExists = false; // executableDir/../share/corvane/LScripts is a folder
};

ProgramFolders resolveProgramFolders(const FolderFacts& facts);

// The decision for this process, from its environment and its executable's place.
ProgramFolders programFolders();

// The folder of the shipped files (for a portable Corvane: the program folder). Never ends
// with a separator.
QString programFolder();

// A relative path written either way ("\Data\CORVANE.INI" or "Data/CORVANE.INI"; backslashes
// become slashes) in the folder it belongs to: below Data in the writable folder, everything
// else among the shipped files.
QString programPath(const QString& relative);

// A shipped file, also one below Data (the default alarm): for an installed Corvane it comes
// from the read-only tree even though Data itself is the user's.
QString shippedPath(const QString& relative);

// Where the autostart shortcut's own copy lives: the program folder while Corvane may write
// there, else the folder that holds its writable Data.
QString shortcutFolder();

// Turns the backslash paths the program's behaviour is phrased in into local ones.
QString toLocalSeparators(QString path);

} // namespace corvane
