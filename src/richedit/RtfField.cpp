// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfField.h"

#include <QStringList>

namespace corvane::rtf {

namespace {
// Splits a field instruction into words; a quoted word may hold blanks.
QStringList fieldWords(const QString& s)
{
    QStringList words;
    qsizetype i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i].isSpace())
            ++i;
        if (i >= s.size())
            break;
        const bool quoted = s[i] == QLatin1Char('"');
        const qsizetype start = quoted ? i + 1 : i;
        qsizetype end = start;
        while (end < s.size() && (quoted ? s[end] != QLatin1Char('"') : !s[end].isSpace()))
            ++end;
        words.append(s.mid(start, end - start));
        i = end + 1;
    }
    return words;
}

// Switches of HYPERLINK that take an argument, besides \l.
bool takesArgument(const QString& word)
{
    return word == QLatin1String("\\o") || word == QLatin1String("\\t");
}
} // namespace

QString hyperlinkTarget(const QString& instruction)
{
    const QStringList words = fieldWords(instruction);
    if (words.isEmpty()
        || words.first().compare(QLatin1String("HYPERLINK"), Qt::CaseInsensitive) != 0)
        return {};
    QString target;
    QString anchor;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString& w = words[i];
        if (w == QLatin1String("\\l") && i + 1 < words.size())
            anchor = words[++i];
        else if (takesArgument(w))
            ++i;
        else if (!w.startsWith(QLatin1Char('\\')) && target.isEmpty())
            target = w;
    }
    if (!anchor.isEmpty())
        target += QLatin1Char('#') + anchor;
    return target;
}

} // namespace corvane::rtf
