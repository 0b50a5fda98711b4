// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpTopic.h"

#include <QTextDocument>

namespace corvane {

bool isHeadingFormat(const FormatSummary& format)
{
    return format.colour == QColor(0, 0, 255) && format.bold == true && format.underline == true
        && format.italic == false && format.strikeOut == false;
}

TopicHit findTopicHeading(
    const QTextDocument& document, const QString& topic, const QColor& automatic)
{
    TopicHit hit;
    int from = 0;
    for (;;) {
        const int found = findInDocument(document, topic, from, -1, true);
        if (found < 0)
            return hit;
        hit.position = found;
        if (isHeadingFormat(summarizeFormat(document, found, int(topic.size()), automatic))) {
            hit.heading = true;
            return hit;
        }
        // One character on, so occurrences that overlap the one before are found too.
        from = found + 1;
    }
}

int searchStart(int selectionStart, int selectionLength)
{
    return selectionLength > 0 ? selectionStart + selectionLength : 0;
}

QStringList helpSetNames(const QString& listing)
{
    QStringList names;
    // Only the extension goes: the names are bare, and a backslash or colon in one is part
    // of the name on this system, not a folder.
    for (const QString& entry : listing.split(QLatin1String("\r\n"), Qt::SkipEmptyParts))
        names << entry.left(entry.lastIndexOf(QLatin1Char('.')));
    return names;
}

} // namespace corvane
