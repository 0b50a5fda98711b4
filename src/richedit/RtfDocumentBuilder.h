// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSizeF>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;

namespace corvane::rtf {

// Writes what the reader found into a QTextDocument. A paragraph mark only closes the current
// block; the next block is opened when content follows, so a document ending in \par gets no
// empty last paragraph. A page break marks the next paragraph PageBreak_AlwaysBefore.
class RtfDocumentBuilder {
public:
    explicit RtfDocumentBuilder(QTextDocument& document);
    ~RtfDocumentBuilder();
    RtfDocumentBuilder(const RtfDocumentBuilder&) = delete;
    RtfDocumentBuilder& operator=(const RtfDocumentBuilder&) = delete;

    void text(const QString& text, const QTextCharFormat& format);
    void image(const QImage& image, QSizeF size, const QTextCharFormat& format);
    void paragraphEnd(const QTextBlockFormat& format);
    void pageBreak(const QTextBlockFormat& current);
    // Gives the last, unterminated paragraph its format.
    void finish(const QTextBlockFormat& format);

private:
    void openBlock();
    void applyBlockFormat(QTextBlockFormat format);

    QTextDocument& m_document;
    QTextCursor m_cursor;
    int m_imageCount = 0;
    bool m_blockClosed = false;
    bool m_blockHasContent = false;
    bool m_breakBeforeCurrent = false;
    bool m_breakBeforeNext = false;
    bool m_editing = true;
};

} // namespace corvane::rtf
