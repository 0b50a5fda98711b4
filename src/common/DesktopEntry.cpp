// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DesktopEntry.h"

namespace corvane {

namespace {
bool needsQuotes(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (argument.isEmpty())
        return true; // an empty argument exists only as ""
    for (const QChar c : argument) {
        // Control characters are not reserved, but bare they are no valid Exec value.
        if (reserved.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

// Readers trim blanks around a value; \s keeps those at either end.
QString escapeOuterBlanks(QString escaped)
{
    qsizetype lead = 0;
    while (lead < escaped.size() && escaped[lead] == QLatin1Char(' '))
        ++lead;
    if (lead == escaped.size())
        return QStringLiteral("\\s").repeated(lead);
    qsizetype trail = 0;
    while (escaped[escaped.size() - 1 - trail] == QLatin1Char(' '))
        ++trail;
    return QStringLiteral("\\s").repeated(lead) + escaped.mid(lead, escaped.size() - lead - trail)
        + QStringLiteral("\\s").repeated(trail);
}

void addKey(QString& text, const char* key, const QString& value)
{
    if (!value.isEmpty())
        text += QLatin1String(key) + QLatin1Char('=') + value + QLatin1Char('\n');
}
} // namespace

QString quoteExecArgument(const QString& argument)
{
    QString quoted;
    const bool quotes = needsQuotes(argument);
    for (const QChar c : argument) {
        if (quotes && QStringLiteral("\"`$\\").contains(c))
            quoted += QLatin1Char('\\');
        quoted += c;
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
    }
    return quotes ? QLatin1Char('"') + quoted + QLatin1Char('"') : quoted;
}

QString escapeDesktopValue(const QString& value)
{
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            escaped += QLatin1String("\\\\");
            break;
        case '\n':
            escaped += QLatin1String("\\n");
            break;
        case '\t':
            escaped += QLatin1String("\\t");
            break;
        case '\r':
            escaped += QLatin1String("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escapeOuterBlanks(escaped);
}

QString desktopEntryText(const DesktopEntry& entry)
{
    QString exec = quoteExecArgument(entry.program);
    if (!entry.arguments.isEmpty())
        exec += QLatin1Char(' ')
            + QString(entry.arguments).replace(QLatin1Char('%'), QLatin1String("%%"));
    // The validator warns when a comment only repeats the name.
    const bool commentSaysMore = entry.comment.compare(entry.name, Qt::CaseInsensitive) != 0;

    QString text = QStringLiteral("[Desktop Entry]\nType=Application\n");
    addKey(text, "Name", escapeDesktopValue(entry.name));
    addKey(text, "Comment", commentSaysMore ? escapeDesktopValue(entry.comment) : QString());
    addKey(text, "Exec", escapeDesktopValue(exec));
    addKey(text, "Path", escapeDesktopValue(entry.workingDirectory));
    addKey(text, "Icon", escapeDesktopValue(entry.icon));
    return text;
}

} // namespace corvane
