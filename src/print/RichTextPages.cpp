// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Rich-text pagination: the source is cut into sections at the page-break marker; each
// section is moved into a hidden work control and rendered page by page into the text
// rectangle the margins leave.
#include "PrevPrinter.h"

#include "WaitCursor.h"
#include "richedit/RichEdit.h"

#include <QScopeGuard>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextTable>

namespace corvane {

namespace {
// The source's length with every line ended by CR LF, as the section search counts it.
int measuredLength(const TRichEdit& source)
{
    int length = 0;
    for (const QString& line : source.lines())
        length += int(line.size()) + 2;
    return std::max(length, source.textLength());
}

std::unique_ptr<TRichEdit> makeWorkControl(TRichEdit& source)
{
    auto work = std::make_unique<TRichEdit>(source.window());
    work->hide();
    work->setObjectName(QStringLiteral("PrxEdit"));
    work->resize(source.size());
    QFont font = work->font();
    font.setPointSize(10);
    work->setFont(font);
    work->document()->setDefaultFont(font);
    return work;
}

// A fragment names its pictures but does not carry them: the work control gets the source's
// pictures of the range before the text arrives, so it never lays out a missing one.
void copyPictures(const QTextDocument& source, int start, int end, QTextDocument& work)
{
    for (QTextBlock b = source.findBlock(start); b.isValid() && b.position() < end; b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.isImageFormat())
                continue;
            const QUrl name(f.toImageFormat().name());
            const QVariant picture = source.resource(QTextDocument::ImageResource, name);
            if (picture.isValid())
                work.addResource(QTextDocument::ImageResource, name, picture);
        }
    }
}

// Moves the characters start..found of the source into the work control with their
// formatting, without the system clipboard.
void transferSection(TRichEdit& source, TRichEdit& work, int start, int found)
{
    work.clear();
    copyPictures(*source.document(), start, found, *work.document());
    source.setSelection(start, std::max(found - start, 0));
    const QTextDocumentFragment fragment = source.selectionFragment();
    source.setSelection(0, 0);
    if (!fragment.isEmpty())
        work.insertFragment(fragment);
    work.releaseFormatCache();
}

// The end of the paragraph holding `position`, or of the table holding it.
int chunkEndAfter(const QTextDocument& document, int position)
{
    QTextCursor c(const_cast<QTextDocument*>(&document));
    c.setPosition(std::clamp(position, 0, document.characterCount() - 1));
    if (const QTextTable* table = c.currentTable())
        return table->lastPosition() + 1;
    return c.block().position() + c.block().length();
}

// The start of the paragraph holding `position`, or -1 inside a table.
int paragraphStart(const QTextDocument& document, int position)
{
    QTextCursor c(const_cast<QTextDocument*>(&document));
    c.setPosition(std::clamp(position, 0, document.characterCount() - 1));
    return c.currentTable() ? -1 : c.block().position();
}

QRect deviceRect(const QPainter& canvas, const QRect& twips)
{
    const QPaintDevice* d = canvas.device();
    const double sx = d->logicalDpiX() / 1440.0;
    const double sy = d->logicalDpiY() / 1440.0;
    return QRectF(twips.left() * sx, twips.top() * sy, twips.width() * sx, twips.height() * sy)
        .toAlignedRect();
}
} // namespace

QString TPreviewPrinter::pageBreakMarker()
{
    return QLatin1Char('`') + QString(350, QLatin1Char('0')) + QChar(0x00B4);
}

void TPreviewPrinter::PaginateRichText(TRichEdit& source)
{
    WaitCursor wait;
    const TUnits kept = m_units;
    SetUnits(TUnits::unInches);
    const auto restore = qScopeGuard([&] { SetUnits(kept); });
    const QString marker = pageBreakMarker();
    const std::unique_ptr<TRichEdit> work = makeWorkControl(source);
    const int length = measuredLength(source);
    int start = 0;
    int n = 0;
    BeginDoc();
    for (;;) {
        int found = source.findText(marker, start, length, true);
        if (found < 0)
            found = length;
        paginateSection(
            source, *work, start, std::max(start, std::min(found, source.textLength())), n);
        start = found + int(marker.size()) + 1;
        if (start > length)
            break;
        NewPage();
    }
    EndDoc();
    work->releaseFormatCache();
}

// Renders source start..end page by page. A long section travels in chunks, so the work
// control's laid-out height stays within what Qt's text layout handles at printer resolution
// (it stalls beyond some eight million device pixels); the next chunk is taken where a page
// ends at a paragraph start, or, failing that, on a new page.
void TPreviewPrinter::paginateSection(
    TRichEdit& source, TRichEdit& work, int start, int end, int& n)
{
    int chunkEnd = transferChunk(source, work, start, end, start);
    int pos = 0;
    bool more = true;
    for (bool first = true; more; first = false) {
        if (!first)
            NewPage();
        DrawHeaderFooter(m_pageStartNo + ++n);
        const int before = pos;
        RenderRichTextRange(&work, Canvas(), textRect(), pos, more);
        more = more && pos > before; // a render that takes nothing would never end
        const bool nearChunkEnd = chunkEnd - start - pos < 2 * (pos - before);
        if (chunkEnd < end && pos > before && (nearChunkEnd || !more)) {
            // Before the next page could use the chunk up, the next chunk starts with the
            // paragraph that page starts in, which lays out as before. Only a chunk used up
            // (inside a table) goes on on a new page.
            const int paragraph = paragraphStart(*work.document(), pos);
            if (paragraph >= 0 || !more) {
                const int from = paragraph >= 0 ? paragraph : pos;
                start += from;
                pos -= from;
                chunkEnd = transferChunk(source, work, start, end, start + pos);
                more = true;
            }
        }
    }
}

// Moves start..end, or a chunk of it reaching well beyond `next`, where rendering goes on.
int TPreviewPrinter::transferChunk(TRichEdit& source, TRichEdit& work, int start, int end, int next)
{
    const int chunkEnd = std::min(chunkEndAfter(*source.document(), next + m_chunkChars), end);
    transferSection(source, work, start, chunkEnd);
    if (chunkEnd < end && work.textLength() != chunkEnd - start) { // positions would not map
        transferSection(source, work, start, end);
        return end;
    }
    return chunkEnd;
}

QRect TPreviewPrinter::textRect() const
{
    const TTextOptions& o = m_textOptions;
    const PageMargins margins{o.MarginLeft, o.MarginTop, o.MarginRight, o.MarginBottom};
    return textRectTwips(
        margins, m_metrics.pageWidth, m_metrics.pageHeight, m_metrics.ppiX, m_metrics.ppiY);
}

void TPreviewPrinter::RenderRichTextRange(
    TRichEdit* control, QPainter& canvas, const QRect& rectTwips, int& pos, bool& more)
{
    if (!control || !canvas.device())
        assertion("Assertion failure", __LINE__);
    const int count = control->textLength();
    canvas.save();
    // Keeps an object taller than the rectangle off the footer.
    canvas.setClipRect(deviceRect(canvas, rectTwips), Qt::IntersectClip);
    const int r = control->formatRange(canvas, pos, rectTwips, true);
    canvas.restore();
    more = r < count && r != -1;
    pos = r;
}

} // namespace corvane
