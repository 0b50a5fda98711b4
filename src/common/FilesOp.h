// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace corvane {

// The names (without path) of every entry of the mask's folder that matches its wildcard
// pattern — files, hidden files and sub-folders alike, never "." and ".." — each followed by
// CR LF, in the order the file system returns them. The mask may use "\" or "/"; the pattern
// matches as on Windows (letters regardless of case, "*.*" matches every name). A missing
// folder or no match gives the empty text.
QString ListFiles(const QString& pathMask);

// The file name part of a path (after the last "\", "/" or ":") without its extension (from
// the last dot of that part): "C:\Lang\English.lng" gives "English", ".lng" gives "".
QString FileNameNoExt(const QString& path);

// Windows wildcard matching of one file name: "*" any run, "?" any one character, letters
// regardless of case; "*.*" also matches names without a dot, and a pattern ending in "."
// matches names without an extension.
bool wildcardMatch(const QString& pattern, const QString& name);

// The autostart shortcut is a desktop entry "<executable name without extension>.desktop". Its
// own copy in shortcutFolder() marks that autostart was set up; the copy in
// $XDG_CONFIG_HOME/autostart (default ~/.config/autostart) is what the desktop starts at log-on.
// None of these report a failure or throw: a shortcut that cannot be made is simply not there.

// Writes the shortcut's own copy unless something of that name is already there, then copies
// it to the autostart folder. With the marker present nothing happens, even when the user
// has deleted the autostart copy.
void EnableAutostart();

// Deletes both copies (StartupShortcut "DELETE").
void DisableAutostart();

// "COPY" copies the shortcut's own copy to the autostart folder (created when missing),
// replacing what is there; "DELETE" deletes the own copy, then the autostart copy, each
// whether or not the other was there. Any other command does nothing.
void StartupShortcut(const QString& command);

// Writes a desktop entry that starts target, then arguments (command-line text, taken as it
// is), in workingDirectory, named description, with the icon iconFile. Lands atomically;
// true when the file is written.
bool CreateShellLink(const QString& target, const QString& arguments, const QString& shortcutFile,
    const QString& iconFile, const QString& workingDirectory, const QString& description);

// Copies a regular file of at most 64 KiB through a temporary file beside destination, so a
// crash leaves the old destination or the new one, never half of one. With refuseOverwrite an
// existing destination stays as it is and the copy fails. A source that is not a regular file
// (a pipe, a device) fails at once.
bool CopyFileTo(const QString& source, const QString& destination, bool refuseOverwrite);

// The executable the shortcut starts: the running one unless another was set (tests, corvtool).
// A relative path is taken from the current folder; the empty text returns to the running one.
void setAutostartExecutable(const QString& path);
QString autostartExecutable();

// The text EnableAutostart writes for autostartExecutable() and the program folder of now.
QString autostartEntryText();

} // namespace corvane
