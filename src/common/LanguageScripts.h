// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace corvane {

// The language scripts on offer, as ListFiles gives them (each name followed by CR LF): the
// shipped ones, then those the user put into a folder of their own that ship under no such
// name, so a translation can be added without writing to the installed files.
QString languageScriptListing();

// The full path of the language script of that file name: the user's own copy when there is
// one, else the shipped one.
QString languageScriptPath(const QString& fileName);

struct ProgramFolders;
QString languageScriptListing(const ProgramFolders& folders);
QString languageScriptPath(const ProgramFolders& folders, const QString& fileName);

} // namespace corvane
