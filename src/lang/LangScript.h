// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileRead.h"

#include <QString>
#include <QStringList>

namespace corvane {

// Full path of the current language script; empty until the settings are read, and then
// every lookup finds no script and returns its key.
extern QString LangScriptPath;

// The value of key in section of the current script, or the key itself when the entry, the
// section or the script is absent. An entry present with an empty value gives "".
QString LangText(const QString& section, const QString& key);

// What stood in the way of reading a file, naming it, in the current language ("Messages").
QString readProblemMessage(const QString& path, const FileRead& read, qint64 maxBytes);

// Splits the value of an ".Items", ".Lines" or ".Columns.Captions" key: every comma ends an
// entry, nothing is quoted, blanks stay; a trailing comma adds no empty entry.
QStringList splitListValue(const QString& value);

} // namespace corvane
