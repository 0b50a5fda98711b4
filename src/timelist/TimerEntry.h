// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timelist/TreeText.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace corvane {

// A countdown of the list: an entry node with its title and four field nodes below it —
// the duration as shown, the message, the sound file (may be empty), the duration in seconds.
struct TimerEntry {
    QString title;
    QString message;
    QString soundFile;
    int seconds = 0;
};

// The editor's duration fields: hours 0 to editorMaxHours, minutes and seconds 0 to 59.
constexpr int editorMaxHours = 99;
struct DurationParts {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;

    bool operator==(const DurationParts&) const = default;
};

// Seconds into the editor's fields: hours = s div 3600, then minutes from what is left, then
// seconds, each brought into its field's range before the next is worked out, as the fields
// themselves do when set one after the other. 400000 gives 99:59:59, anything below 1 gives
// 0:00:00.
DurationParts splitDuration(int seconds);

// hours × 3600 + minutes × 60 + seconds.
int joinDuration(const DurationParts& parts);

// The entry's duration from its seconds field, which the list file holds as a decimal
// integer (parseDecimalInt: a sign and digits, nothing else, 32 bits). Throws CorvaneError
// "'<text>' is not a valid integer value" for any other text.
int entryDuration(const QString& secondsText);

// An entry read back from its node's title and its field nodes' texts, in order. Throws
// CorvaneError "List index out of bounds (3)" for fewer than four fields, else what
// entryDuration throws. The first field, the duration as shown, is never read.
TimerEntry entryFromFields(const QString& title, const QStringList& fields);

// "HH:mm:ss" with the total hours, so durations of a day and more read right: 27:00:00.
QString durationText(qint64 seconds);

// The entry's five lines at depth 1 (title) and 2 (fields), as the list file holds them.
std::vector<TreeLine> entryLines(const TimerEntry& entry);

// Leading TABs and SPACEs would be read back from the file as depth, so they are dropped.
QString withoutLeadingIndent(const QString& text);

// What the list file can carry of a typed text: one line (line breaks become blanks, NULs
// go), not beginning with TAB or SPACE.
QString storableText(QString text);

// Adds the entry first under the first top-level node of a list given as lines, replacing
// every entry of the same title — what the Enter page does when the user answers Yes.
// A list without any node gets the root "Entries" first.
void addEntry(std::vector<TreeLine>& lines, const TimerEntry& entry);

// Titles match when they are equal with ASCII letters compared without regard to case
// (a-z equal A-Z, every other character only itself).
bool sameTitle(const QString& a, const QString& b);

// Where titles of the list (in list order) match `title` by sameTitle: their positions,
// ascending; empty when no title clashes.
std::vector<qsizetype> sameTitlePositions(const QStringList& titles, const QString& title);

} // namespace corvane
