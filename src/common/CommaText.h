// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace corvane {

// Comma text: a list handed over as one text. Reading skips blanks and control characters
// before an entry; an entry starting with a double quote runs to the closing quote (a doubled
// quote inside stands for one) and may hold blanks and commas; any other entry ends at the
// first comma, blank or control character; a comma at the very end adds a last, empty entry.
QStringList commaTextSplit(const QString& text);

// Each entry as it is, or quoted with inner quotes doubled when it holds a blank, a control
// character, a comma or a double quote; joined by commas.
QString commaTextJoin(const QStringList& entries);

} // namespace corvane
