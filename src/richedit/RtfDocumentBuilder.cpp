// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfDocumentBuilder.h"

#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace corvane::rtf {

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument& document)
    : m_document(document)
    , m_cursor(&document)
{
    // Inside an edit block the cursor does not lay out each block to remember its column,
    // which otherwise costs more than reading.
    m_cursor.beginEditBlock();
}

RtfDocumentBuilder::~RtfDocumentBuilder()
{
    if (m_editing)
        m_cursor.endEditBlock();
}

void RtfDocumentBuilder::text(const QString& text, const QTextCharFormat& format)
{
    if (text.isEmpty())
        return;
    openBlock();
    m_cursor.insertText(text, format);
    m_blockHasContent = true;
}

void RtfDocumentBuilder::image(const QImage& image, QSizeF size, const QTextCharFormat& format)
{
    openBlock();
    const QUrl name(QStringLiteral("rtfimage:%1").arg(++m_imageCount));
    m_document.addResource(QTextDocument::ImageResource, name, image);
    QTextImageFormat f;
    f.merge(format);
    f.setName(name.toString());
    f.setWidth(size.width());
    f.setHeight(size.height());
    m_cursor.insertImage(f);
    m_blockHasContent = true;
}

void RtfDocumentBuilder::paragraphEnd(const QTextBlockFormat& format)
{
    openBlock();
    applyBlockFormat(format);
    m_blockClosed = true;
}

void RtfDocumentBuilder::pageBreak(const QTextBlockFormat& current)
{
    if (m_blockClosed || m_blockHasContent) {
        if (!m_blockClosed)
            paragraphEnd(current);
        m_breakBeforeNext = true;
    } else {
        m_breakBeforeCurrent = true;
    }
}

void RtfDocumentBuilder::finish(const QTextBlockFormat& format)
{
    if (!m_blockClosed)
        applyBlockFormat(format);
    m_cursor.endEditBlock();
    m_editing = false;
}

void RtfDocumentBuilder::openBlock()
{
    if (!m_blockClosed)
        return;
    m_cursor.insertBlock();
    m_blockClosed = false;
    m_blockHasContent = false;
    m_breakBeforeCurrent = m_breakBeforeNext;
    m_breakBeforeNext = false;
}

void RtfDocumentBuilder::applyBlockFormat(QTextBlockFormat format)
{
    if (m_breakBeforeCurrent)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    m_cursor.setBlockFormat(format);
}

} // namespace corvane::rtf
