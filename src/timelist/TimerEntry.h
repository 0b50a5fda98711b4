// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timelist/TreeText.h"

#include <QString>

namespace corvane {

// A countdown of the list: an entry node with its title and four field nodes below it —
// the duration as shown, the message, the sound file (may be empty), the duration in seconds.
struct TimerEntry {
    QString title;
    QString message;
    QString soundFile;
    int seconds = 0;
};

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

} // namespace corvane
