// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RichEdit.h"

#include "RichTextFile.h"
#include "RichTextLinks.h"
#include "RichTextRange.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

namespace corvane {

TRichEdit::TRichEdit(QWidget* parent)
    : QTextEdit(parent)
    , m_range(std::make_unique<RichTextRange>(*document()))
{
    setAcceptRichText(true);
    setMouseTracking(true);
    connect(document(), &QTextDocument::contentsChange, this, &TRichEdit::markLinks);
}

TRichEdit::~TRichEdit() = default;

void TRichEdit::loadFromFile(const QString& path)
{
    loadFromBytes(readRichTextFile(path));
}

void TRichEdit::loadFromBytes(QByteArrayView bytes)
{
    // The text is read into a document no view lays out yet. Handed over whole, it is laid
    // out in steps between events, so a text of many megabytes never stalls the window; read
    // into the shown document, all of it would be laid out at once, on the spot.
    auto* fresh = new QTextDocument(this);
    QTextDocument* old = document();
    fresh->setDefaultFont(old->defaultFont());
    fresh->setDocumentMargin(old->documentMargin());
    fresh->setUndoRedoEnabled(old->isUndoRedoEnabled());
    loadRichText(*fresh, bytes);
    markWebAddresses(*fresh, palette().color(QPalette::Link));
    disconnect(old, &QTextDocument::contentsChange, this, &TRichEdit::markLinks);
    m_range = std::make_unique<RichTextRange>(*fresh);
    // The document made at construction belongs to the editor's machinery, which drops it.
    const bool ours = old->parent() == this;
    setDocument(fresh);
    connect(fresh, &QTextDocument::contentsChange, this, &TRichEdit::markLinks);
    if (ours)
        delete old;
    moveCursor(QTextCursor::Start);
}

QStringList TRichEdit::lines() const
{
    QStringList result;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        result.append(b.text());
    return result;
}

int TRichEdit::textLength() const
{
    return document()->characterCount() - 1;
}

int TRichEdit::findText(const QString& text, int start, int count, bool caseSensitive) const
{
    return findInDocument(*document(), text, start, count, caseSensitive);
}

void TRichEdit::setSelection(int start, int length)
{
    const int last = textLength();
    QTextCursor c(document());
    c.setPosition(std::clamp(start, 0, last));
    c.setPosition(
        int(std::clamp<qint64>(qint64(c.position()) + length, 0, last)), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

int TRichEdit::selectionStart() const
{
    return textCursor().selectionStart();
}

int TRichEdit::selectionLength() const
{
    return textCursor().selectionEnd() - textCursor().selectionStart();
}

FormatSummary TRichEdit::selectionFormat() const
{
    return summarizeFormat(
        *document(), selectionStart(), selectionLength(), palette().color(QPalette::Text));
}

QTextDocumentFragment TRichEdit::selectionFragment() const
{
    return textCursor().selection();
}

void TRichEdit::insertFragment(const QTextDocumentFragment& fragment)
{
    textCursor().insertFragment(fragment);
}

int TRichEdit::formatRange(QPainter& painter, int firstChar, const QRect& rectTwips, bool render)
{
    return m_range->formatRange(painter, firstChar, rectTwips, render);
}

void TRichEdit::releaseFormatCache()
{
    m_range->release();
}

void TRichEdit::markLinks(int position, int removed, int added)
{
    Q_UNUSED(removed);
    if (m_marking || added <= 0)
        return;
    m_marking = true; // marking changes formats, which reports a change again
    markWebAddresses(*document(), palette().color(QPalette::Link), position, position + added);
    m_marking = false;
}

void TRichEdit::mousePressEvent(QMouseEvent* event)
{
    m_pressedLink = anchorAt(event->position().toPoint());
    QTextEdit::mousePressEvent(event);
}

void TRichEdit::mouseReleaseEvent(QMouseEvent* event)
{
    const QString link = anchorAt(event->position().toPoint());
    const bool clicked = !link.isEmpty() && link == m_pressedLink;
    m_pressedLink.clear();
    QTextEdit::mouseReleaseEvent(event);
    if (clicked)
        Q_EMIT linkClicked(link);
}

void TRichEdit::mouseMoveEvent(QMouseEvent* event)
{
    const bool overLink = !anchorAt(event->position().toPoint()).isEmpty();
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
    QTextEdit::mouseMoveEvent(event);
}

// A right click on a link opens it like a left click, so no menu may take the release.
void TRichEdit::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse && !anchorAt(event->pos()).isEmpty()) {
        event->accept();
        return;
    }
    QTextEdit::contextMenuEvent(event);
}

} // namespace corvane
