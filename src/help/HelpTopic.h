// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richedit/RichTextQuery.h"

#include <QColor>
#include <QString>
#include <QStringList>

class QTextDocument;

// The help browser's logic without widgets: which files make the help sets, where a topic's
// heading is, where a search starts. HelpCtrl.h applies it to the Help page's controls.
namespace corvane {

// A topic's heading is text in pure blue whose style is exactly bold and underlined: italic
// or struck-out text, or text that is bold only, is emphasis within the text, not a heading.
bool isHeadingFormat(const FormatSummary& format);

struct TopicHit {
    int position = -1; // the heading, else the last occurrence looked at; -1 when none
    bool heading = false;
};

// Looks for `topic`, matching letter case, from the start of the document, occurrence after
// occurrence, until one is in the heading format. `automatic` is the colour of text that has
// none of its own (the control's text colour).
TopicHit findTopicHeading(
    const QTextDocument& document, const QString& topic, const QColor& automatic);

// Where a further search starts: behind the selection when there is one, else at the start
// of the text (never at a bare caret), so repeating a search finds the next occurrence.
int searchStart(int selectionStart, int selectionLength);

// The help sets named by a listing of "*.rtf" entries (ListFiles' text): each name without
// its last extension, in the listing's order.
QStringList helpSetNames(const QString& listing);

} // namespace corvane
