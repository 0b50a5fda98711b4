// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Rich-text pagination: the source is cut into sections at the page-break marker; each
// section is moved into a hidden work control and rendered page by page into the text
// rectangle the margins leave.
#include "PrevPrinter.h"

#include "WaitCursor.h"
#include "richedit/RichEdit.h"

#include <QScopeGuard>
#include <QTextBlock>

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
    source.setSelection(start, found - start);
    const QTextDocumentFragment fragment = source.selectionFragment();
    source.setSelection(0, 0);
    if (!fragment.isEmpty())
        work.insertFragment(fragment);
    work.releaseFormatCache();
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
        transferSection(source, *work, start, found);
        start = found + int(marker.size()) + 1;
        int pos = 0;
        bool more = true;
        while (more) {
            if (pos > 0)
                NewPage();
            DrawHeaderFooter(m_pageStartNo + ++n);
            const PageMargins margins{m_textOptions.MarginLeft, m_textOptions.MarginTop,
                m_textOptions.MarginRight, m_textOptions.MarginBottom};
            const QRect rect = textRectTwips(
                margins, m_metrics.pageWidth, m_metrics.pageHeight, m_metrics.ppiX, m_metrics.ppiY);
            const int before = pos;
            RenderRichTextRange(work.get(), Canvas(), rect, pos, more);
            more = more && pos > before; // a render that takes nothing would never end
        }
        if (start > length)
            break;
        NewPage();
    }
    EndDoc();
    work->releaseFormatCache();
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
