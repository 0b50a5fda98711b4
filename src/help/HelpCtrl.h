// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace corvane {

class TPreviewPrinter;
class TRichEdit;

// The help browser's routines on the Help page's controls. A help set N is the text
// Help/N.rtf with its topic tree Help/N.ini (tree text, as the countdown list is written);
// each topic's text is also the heading it opens at.

// The folder of the help sets.
QString helpFolder();

// Fills the list with the help sets of the folder and selects the first; nothing is loaded.
void ListHelpFiles(QListWidget* list);

// Loads the set's topic tree (nodes collapsed) and its text, then puts the caret at the
// start of the text. A topic file that cannot be read, or has a line too deep, throws
// CorvaneError after the nodes before it were loaded; the text is then left as it was. So is
// it when the set has no text file.
void LoadHelpFile(const QString& name, QTreeWidget* tree, TRichEdit* text);

// The text a topic's node stands for. The tree shows at most the first thousand characters
// of a longer one: drawing a line of megabytes would stall the page.
QString topicText(const QTreeWidgetItem* node);

// Selects the topic's heading and scrolls it to the top of the view; see findTopicHeading.
// Without a heading the last occurrence is scrolled into view with nothing selected.
void OpenHelpTopic(TRichEdit* text, const QString& topic);

// Selects the next occurrence of `s` behind the selection, ignoring letter case; never
// starts again at the top, and says nothing when there is none. Returns whether it found one.
bool FindRichText(TRichEdit* text, const QString& s);

// A printer for the help text: its job name, the preview window's texts and the page word in
// the current language. It belongs to the caller, and with it the pages it records.
std::unique_ptr<TPreviewPrinter> makeHelpPrinter();

// Runs on every printer makeHelpPrinter makes, so a test can send the pages to a file of its
// own; an empty function removes it.
void setHelpPrinterSetup(std::function<void(TPreviewPrinter&)> setup);

} // namespace corvane
