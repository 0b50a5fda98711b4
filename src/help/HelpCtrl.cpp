// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpCtrl.h"

#include "common/CommaText.h"
#include "common/FilesOp.h"
#include "help/HelpTopic.h"
#include "lang/LangScript.h"
#include "platform/CorvaneError.h"
#include "platform/FileRead.h"
#include "platform/ProgramFolder.h"
#include "platform/TextCodec.h"
#include "print/PrevPrinter.h"
#include "print/WaitCursor.h"
#include "richedit/RichEdit.h"
#include "timelist/TreeText.h"
#include "timelist/TreeViewText.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <optional>

namespace corvane {

namespace {

std::function<void(TPreviewPrinter&)>& printerSetup()
{
    static std::function<void(TPreviewPrinter&)> setup;
    return setup;
}

// The set's file with this extension. The listing matched "*.rtf" regardless of letter
// case, so when the exact name is missing one that differs only in case is taken.
QString helpFilePath(const QString& name, const QString& extension)
{
    const QDir folder(helpFolder());
    const QString wanted = name + extension;
    const QString exact = folder.filePath(wanted);
    if (QFileInfo(exact).exists() || QFileInfo(exact).isSymLink())
        return exact;
    const QStringList entries
        = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    return exact;
}

// The whole file, or nothing when there is none; anything else in the way throws, naming it.
std::optional<QByteArray> readHelpPart(const QString& path)
{
    FileRead read = readRegularFile(path, FileLimit::help);
    switch (read.problem) {
    case ReadProblem::None:
        return std::move(read.bytes);
    case ReadProblem::Missing:
        return std::nullopt;
    case ReadProblem::CannotOpen:
        throw CorvaneError(QStringLiteral("Cannot open file %s"), path);
    default:
        throw CorvaneError(readProblemMessage(path, read, FileLimit::help));
    }
}

// Whether the line at `top` is the text's first or second: those are in view without
// scrolling. Counts lines from the start only until it knows.
bool withinFirstTwoLines(const QTextDocument& document, qreal top)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    int lines = 0;
    for (QTextBlock b = document.begin(); b.isValid() && lines < 3; b = b.next()) {
        const QRectF box = layout->blockBoundingRect(b);
        const QTextLayout* text = b.layout();
        for (int i = 0; text && i < text->lineCount() && lines < 3; ++i, ++lines)
            if (box.top() + text->lineAt(i).y() >= top)
                return lines <= 1;
    }
    return false;
}

// Brings the line holding `position` to the top of the view, as far as the text can scroll,
// in one step, so the view is drawn once.
void scrollLineToTop(TRichEdit* text, int position)
{
    const QTextDocument& document = *text->document();
    const QTextBlock block = document.findBlock(position);
    const qreal blockTop = document.documentLayout()->blockBoundingRect(block).top();
    const QTextLine line = block.layout()->lineForTextPosition(position - block.position());
    if (!line.isValid())
        return;
    const qreal top = blockTop + line.y();
    if (withinFirstTwoLines(document, top))
        return;
    QScrollBar* bar = text->verticalScrollBar();
    if (bar->value() < top)
        bar->setValue(int(top)); // the bar stops at its end: the last page stays full
}

constexpr qsizetype kShownTopicLength = 1000;

void shortenLongTopics(QTreeWidget* tree)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QString text = (*it)->text(0);
        if (text.size() > kShownTopicLength) {
            (*it)->setData(0, Qt::UserRole, text);
            (*it)->setText(0, text.left(kShownTopicLength) + QChar(0x2026)); // an ellipsis
        }
    }
}

} // namespace

QString topicText(const QTreeWidgetItem* node)
{
    const QVariant full = node->data(0, Qt::UserRole);
    return full.isValid() ? full.toString() : node->text(0);
}

QString helpFolder()
{
    return programPath(QStringLiteral("\\Help"));
}

void ListHelpFiles(QListWidget* list)
{
    list->clear();
    list->addItems(helpSetNames(ListFiles(programPath(QStringLiteral("\\Help\\*.rtf")))));
    if (list->count() > 0)
        list->setCurrentRow(0);
}

void LoadHelpFile(const QString& name, QTreeWidget* tree, TRichEdit* text)
{
    WaitCursor wait; // a large help text takes a moment to read and lay out
    tree->clear();
    const QString topicPath = helpFilePath(name, QStringLiteral(".ini"));
    const std::optional<QByteArray> topics = readHelpPart(topicPath);
    if (!topics)
        throw CorvaneError(QStringLiteral("Cannot open file %s"), topicPath);
    const TreeTextRead read = readTreeText(decodeText(*topics).text);
    loadTreeLines(tree, read.lines);
    shortenLongTopics(tree);
    if (!read.error.isEmpty())
        throw CorvaneError(read.error);
    if (const std::optional<QByteArray> rich
        = readHelpPart(helpFilePath(name, QStringLiteral(".rtf"))))
        text->loadFromBytes(*rich);
    text->setFocus();
    text->moveCursor(QTextCursor::Start);
    text->ensureCursorVisible();
}

void OpenHelpTopic(TRichEdit* text, const QString& topic)
{
    WaitCursor wait; // in a text of megabytes, not yet laid out as far as the topic
    const TopicHit hit
        = findTopicHeading(*text->document(), topic, text->palette().color(QPalette::Text));
    if (hit.position < 0) {
        text->setSelection(text->selectionStart(), 0);
        return;
    }
    text->setFocus();
    text->setSelection(hit.position, hit.heading ? int(topic.size()) : 0);
    scrollLineToTop(text, hit.position);
}

bool FindRichText(TRichEdit* text, const QString& s)
{
    WaitCursor wait;
    const int found = text->findText(
        s, searchStart(text->selectionStart(), text->selectionLength()), -1, false);
    if (found < 0)
        return false;
    text->setFocus();
    text->setSelection(found, int(s.size()));
    return true;
}

std::unique_ptr<TPreviewPrinter> makeHelpPrinter()
{
    auto printer = std::make_unique<TPreviewPrinter>();
    printer->SetTitle(QStringLiteral("Quillex"));
    QStringList texts;
    for (const char* key : {"First Page", "Last Page", "Previous Page", "Next Page", "Fit Page",
             "Fit Width", "Print", "Grid", "ZoomCursor", "OnePage", "TwoPage", "CloseButton Hint",
             "CloseButton Caption", "Caption", "ZoomboxItems"})
        texts << LangText(QStringLiteral("Print Preview"), QLatin1String(key));
    printer->TextOptions().PageNumText
        = LangText(QStringLiteral("Captions"), QStringLiteral("Page"));
    printer->SetPreviewTexts(commaTextJoin(texts));
    if (printerSetup())
        printerSetup()(*printer);
    return printer;
}

void setHelpPrinterSetup(std::function<void(TPreviewPrinter&)> setup)
{
    printerSetup() = std::move(setup);
}

} // namespace corvane
