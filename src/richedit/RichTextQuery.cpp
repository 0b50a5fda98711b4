// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RichTextQuery.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace corvane {

int findInDocument(
    const QTextDocument& document, const QString& text, int start, int count, bool caseSensitive)
{
    const int length = document.characterCount() - 1;
    if (text.isEmpty() || start < 0 || start > length)
        return -1;
    const qint64 end = count < 0 ? length : std::min<qint64>(qint64(start) + count, length);
    const auto flags
        = caseSensitive ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags();
    const QTextCursor found = document.find(text, start, flags);
    if (found.isNull() || found.selectionEnd() > end)
        return -1;
    return found.selectionStart();
}

namespace {
template <typename T> void fold(std::optional<T>& summary, const T& value, bool first)
{
    if (first)
        summary = value;
    else if (summary && *summary != value)
        summary.reset();
}

void foldFormat(FormatSummary& s, const QTextCharFormat& f, const QColor& automatic, bool first)
{
    const QColor colour
        = f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : automatic;
    fold(s.colour, colour, first);
    fold(s.bold, f.fontWeight() >= QFont::Bold, first);
    fold(s.italic, f.fontItalic(), first);
    fold(s.underline, f.fontUnderline(), first);
    fold(s.strikeOut, f.fontStrikeOut(), first);
}
} // namespace

FormatSummary summarizeFormat(
    const QTextDocument& document, int start, int length, const QColor& automatic)
{
    FormatSummary s;
    QTextCursor c(const_cast<QTextDocument*>(&document));
    const int last = document.characterCount() - 1;
    start = std::clamp(start, 0, last);
    const int end = int(std::clamp<qint64>(qint64(start) + std::max(length, 0), start, last));
    if (start == end) {
        c.setPosition(start);
        foldFormat(s, c.charFormat(), automatic, true);
        return s;
    }
    bool first = true;
    for (int pos = start; pos < end; ++pos) {
        c.setPosition(pos + 1);
        if (document.characterAt(pos) == QChar::ParagraphSeparator)
            continue;
        foldFormat(s, c.charFormat(), automatic, first);
        first = false;
    }
    return s;
}

} // namespace corvane
