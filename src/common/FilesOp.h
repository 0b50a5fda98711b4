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

} // namespace corvane
