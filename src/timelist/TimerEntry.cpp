// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "timelist/TimerEntry.h"

#include "platform/CorvaneError.h"
#include "platform/IntegerText.h"

#include <algorithm>

namespace corvane {

DurationParts splitDuration(int seconds)
{
    DurationParts p;
    p.hours = std::clamp(seconds / 3600, 0, editorMaxHours);
    p.minutes = std::clamp((seconds - p.hours * 3600) / 60, 0, 59);
    p.seconds = std::clamp(seconds - p.hours * 3600 - p.minutes * 60, 0, 59);
    return p;
}

int joinDuration(const DurationParts& parts)
{
    return parts.hours * 3600 + parts.minutes * 60 + parts.seconds;
}

int entryDuration(const QString& secondsText)
{
    if (const std::optional<int> seconds = parseDecimalInt(secondsText))
        return *seconds;
    throw CorvaneError(QStringLiteral("'%1' is not a valid integer value").arg(secondsText));
}

TimerEntry entryFromFields(const QString& title, const QStringList& fields)
{
    constexpr int secondsField = 3;
    if (fields.size() <= secondsField)
        throw CorvaneError(QStringLiteral("List index out of bounds (%1)").arg(secondsField));
    return {title, fields[1], fields[2], entryDuration(fields[secondsField])};
}

QString durationText(qint64 seconds)
{
    const qint64 s = seconds < 0 ? -seconds : seconds;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

std::vector<TreeLine> entryLines(const TimerEntry& e)
{
    return {{1, e.title}, {2, durationText(e.seconds)}, {2, e.message}, {2, e.soundFile},
        {2, QString::number(e.seconds)}};
}

QString withoutLeadingIndent(const QString& text)
{
    qsizetype n = 0;
    while (n < text.size() && (text[n] == QLatin1Char('\t') || text[n] == QLatin1Char(' ')))
        ++n;
    return text.mid(n);
}

QString storableText(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .remove(QChar(u'\0'));
    return withoutLeadingIndent(text);
}

void addEntry(std::vector<TreeLine>& lines, const TimerEntry& entry)
{
    if (lines.empty())
        lines.push_back({0, QStringLiteral("Entries")});
    // The first root's subtree ends at the next top-level line.
    auto end = std::find_if(
        lines.begin() + 1, lines.end(), [](const TreeLine& l) { return l.depth == 0; });
    for (auto it = lines.begin() + 1; it != end;) {
        auto next = std::find_if(it + 1, end, [](const TreeLine& l) { return l.depth <= 1; });
        if (it->depth == 1 && sameTitle(it->text, entry.title)) {
            it = lines.erase(it, next);
            end = std::find_if(it, lines.end(), [](const TreeLine& l) { return l.depth == 0; });
        } else {
            it = next;
        }
    }
    const std::vector<TreeLine> added = entryLines(entry);
    lines.insert(lines.begin() + 1, added.begin(), added.end());
}

bool sameTitle(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x >= u'a' && x <= u'z')
            x = char16_t(x - 32);
        if (y >= u'a' && y <= u'z')
            y = char16_t(y - 32);
        if (x != y)
            return false;
    }
    return true;
}

std::vector<qsizetype> sameTitlePositions(const QStringList& titles, const QString& title)
{
    std::vector<qsizetype> positions;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        if (sameTitle(titles[i], title))
            positions.push_back(i);
    }
    return positions;
}

} // namespace corvane
