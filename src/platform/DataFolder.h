// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace corvane {

// Makes sure the writable Data folder exists before anything reads or writes it. An installed
// Corvane's first start creates it with the shipped themes in it, built beside under another
// name and renamed into place, so a full disk or a crash never leaves a Data folder that
// looks set up but lacks themes; the user's own language-script folder is created too.
// Nothing that exists is changed. Returns what went wrong, for the user, or an empty text.
QString prepareDataFolder();

struct ProgramFolders;
QString prepareDataFolder(const ProgramFolders& folders);

} // namespace corvane
