// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QTextDocument;

namespace corvane {

// Position of the first occurrence of `text` that lies wholly within the `count` characters
// from `start` (count < 0: up to the end), or -1.
int findInDocument(
    const QTextDocument& document, const QString& text, int start, int count, bool caseSensitive);

// The character format shared by a range; an attribute that differs within the range is
// empty. Text without a colour of its own reports `automatic`.
struct FormatSummary {
    std::optional<QColor> colour;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<bool> strikeOut;
};

FormatSummary summarizeFormat(
    const QTextDocument& document, int start, int length, const QColor& automatic);

} // namespace corvane
