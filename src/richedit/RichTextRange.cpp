// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RichTextRange.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace corvane {

namespace {
constexpr qreal kTwipsPerInch = 1440.0;
constexpr qreal kDocumentDpi = 96.0; // the unit of margins and indents in the document

// Margins, indents and tab stops are stored in 96-dpi pixels. Qt's layout scales vertical
// margins, fixed and minimum line heights and tab stops to the paint device by itself, but
// not the left and right margins or the first-line indent: only those are scaled here.
void scaleBlockFormats(QTextDocument& document, qreal sx)
{
    QTextCursor c(&document);
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        QTextBlockFormat f = b.blockFormat();
        f.setLeftMargin(f.leftMargin() * sx);
        f.setRightMargin(f.rightMargin() * sx);
        f.setTextIndent(f.textIndent() * sx);
        c.setPosition(b.position());
        c.setBlockFormat(f);
    }
}

struct LineSpan {
    qreal top = 0;
    qreal bottom = 0;
    int next = 0; // first character after the line
};
} // namespace

struct RichTextRange::Layout {
    std::unique_ptr<QTextDocument> document;
    const QPaintDevice* device = nullptr;
    int dpiX = 0;
    int dpiY = 0;
    qreal width = 0;
    int revision = -1;
};

RichTextRange::RichTextRange(const QTextDocument& source)
    : m_source(source)
{
}

RichTextRange::~RichTextRange() = default;

void RichTextRange::release()
{
    m_layout.reset();
}

RichTextRange::Layout& RichTextRange::layoutFor(QPaintDevice* device, qreal width)
{
    Layout& l = m_layout ? *m_layout : *(m_layout = std::make_unique<Layout>());
    if (l.document && l.device == device && l.dpiX == device->logicalDpiX()
        && l.dpiY == device->logicalDpiY() && qFuzzyCompare(l.width, width)
        && l.revision == m_source.revision())
        return l;
    l.document.reset(m_source.clone());
    l.document->setUndoRedoEnabled(false);
    l.document->setDocumentMargin(0);
    l.device = device;
    l.dpiX = device->logicalDpiX();
    l.dpiY = device->logicalDpiY();
    l.width = width;
    l.revision = m_source.revision();
    scaleBlockFormats(*l.document, l.dpiX / kDocumentDpi);
    l.document->documentLayout()->setPaintDevice(device);
    l.document->setTextWidth(width);
    return l;
}

namespace {
// The lines from `first` on that fit into `height`, as one span from the first line's top.
LineSpan fittingLines(const QTextDocument& doc, int first, qreal height)
{
    const QAbstractTextDocumentLayout* layout = doc.documentLayout();
    QTextBlock block = doc.findBlock(first);
    const QTextLayout* tl = block.layout();
    int lineIndex = std::max(tl->lineForTextPosition(first - block.position()).lineNumber(), 0);
    LineSpan span;
    span.next = first;
    bool taken = false;
    for (; block.isValid(); block = block.next(), lineIndex = 0) {
        tl = block.layout();
        const qreal blockTop = layout->blockBoundingRect(block).top();
        const bool breakBefore
            = block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
        if (taken && breakBefore && lineIndex == 0)
            return span;
        for (; lineIndex < tl->lineCount(); ++lineIndex) {
            const QTextLine line = tl->lineAt(lineIndex);
            const qreal top = blockTop + line.y();
            if (!taken)
                span.top = top;
            const qreal bottom = top + line.height();
            if (taken && bottom - span.top > height)
                return span;
            span.bottom = bottom;
            span.next = block.position() + line.textStart() + line.textLength();
            taken = true;
        }
        span.next = block.position() + block.length();
    }
    return span;
}
} // namespace

int RichTextRange::formatRange(
    QPainter& painter, int firstChar, const QRect& rectTwips, bool render)
{
    QPaintDevice* device = painter.device();
    const int count = m_source.characterCount() - 1;
    if (!device || firstChar >= count)
        return count;
    const QRectF target(rectTwips.left() * device->logicalDpiX() / kTwipsPerInch,
        rectTwips.top() * device->logicalDpiY() / kTwipsPerInch,
        rectTwips.width() * device->logicalDpiX() / kTwipsPerInch,
        rectTwips.height() * device->logicalDpiY() / kTwipsPerInch);
    Layout& l = layoutFor(device, std::max<qreal>(target.width(), 1));
    const LineSpan span = fittingLines(*l.document, std::max(firstChar, 0), target.height());
    if (render) {
        const QRectF lines(0, span.top, target.width(), span.bottom - span.top);
        painter.save();
        painter.setClipRect(
            lines.translated(target.left(), target.top() - span.top), Qt::IntersectClip);
        painter.translate(target.left(), target.top() - span.top);
        QAbstractTextDocumentLayout::PaintContext context;
        // Qt draws a line that only touches the clip; without the inset the neighbouring lines
        // would be recorded too (hidden by the painter's clip, but still in a PDF's text).
        context.clip = lines.height() > 1 ? lines.adjusted(0, 0.5, 0, -0.5) : lines;
        context.palette.setColor(QPalette::Text, Qt::black);
        l.document->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return std::min(span.next, count);
}

} // namespace corvane
