// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "PrevPrinter.h"

#include "PrevForm.h"
#include "common/CommaText.h"
#include "platform/CorvaneError.h"
#include "platform/DialogSeam.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <cmath>

namespace corvane {

namespace {
bool printerInstalled()
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

int screenPpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? roundHalfEven(screen->logicalDotsPerInchY()) : 96;
}
} // namespace

TPreviewPrinter::TPreviewPrinter(QObject* owner)
    : QObject(owner)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , m_printerProbe(printerInstalled)
{
}

TPreviewPrinter::~TPreviewPrinter()
{
    ClearPages();
}

void TPreviewPrinter::assertion(const char* message, int line)
{
    throw CorvaneError(
        QStringLiteral("%1 (PrevPrinter, line %2)").arg(QLatin1String(message)).arg(line));
}

void TPreviewPrinter::status(TStatusType type, int pageNum)
{
    if (!m_onStatus)
        return;
    static const char* const texts[]
        = {"Paginating page %1", "Printing page %1", "Pagination Complete", "Print Job Complete"};
    QString text = QLatin1String(texts[int(type)]);
    if (pageNum >= 0)
        text = text.arg(pageNum);
    m_onStatus(this, text, pageNum, type);
}

void TPreviewPrinter::SetUnits(TUnits units)
{
    m_units = units;
    m_unitFactor = unitFactorFor(units);
}

void TPreviewPrinter::BeginDoc()
{
    m_inDocument = true;
    ClearPages();
    NewPage();
}

void TPreviewPrinter::NewPage()
{
    if (!m_inDocument)
        assertion("Assertion failure", __LINE__);
    m_pages.emplace_back();
    // The recorder is shared by all pages; the previous page is finished before the new one
    // begins, keeping the drawing state it ended with.
    std::unique_ptr<TPreviewMetafileCanvas> previous = std::move(m_canvas);
    if (previous) {
        const QFont font = previous->font();
        const QBrush brush = previous->brush();
        const QPen pen = previous->pen();
        previous.reset();
        finishPage();
        startCanvas();
        m_canvas->setFont(font);
        m_canvas->setBrush(brush);
        m_canvas->setPen(pen);
    } else {
        startCanvas();
        m_canvas->setFont(QFont(QStringLiteral("Arial"), 10));
        m_canvas->setBrush(Qt::NoBrush);
    }
    m_pageUsed = false;
    status(TStatusType::stPaginating, PageCount());
}

void TPreviewPrinter::startCanvas()
{
    if (!(m_printerProbe && m_printerProbe() && readPrinterMetrics()))
        readScreenMetrics();
    m_recorder.setDevice(m_metrics.ppiX, m_metrics.ppiY, m_metrics.pageWidth, m_metrics.pageHeight);
    m_canvas = std::make_unique<TPreviewMetafileCanvas>(m_recorder);
}

// The page before the last one in the list is the one the recorder holds.
void TPreviewPrinter::finishPage()
{
    m_pages[m_pages.size() - 2] = m_recorder.take();
}

bool TPreviewPrinter::readPrinterMetrics()
{
    m_printer->setPageOrientation(m_orientation);
    const int res = m_printer->resolution();
    const QRect paper = m_printer->pageLayout().fullRectPixels(res);
    const QRect paint = m_printer->pageLayout().paintRectPixels(res);
    if (res <= 0 || paper.isEmpty())
        return false;
    m_metrics = PageMetrics{paper.width(), paper.height(), res, res};
    m_offsetX = paint.left() - paper.left();
    m_offsetY = paint.top() - paper.top();
    return true;
}

void TPreviewPrinter::readScreenMetrics()
{
    const int ppi = screenPpi();
    m_metrics = PageMetrics{roundHalfEven(ppi * 8.5), ppi * 11, ppi, ppi};
    m_offsetX = 0;
    m_offsetY = 0;
}

TPreviewMetafileCanvas& TPreviewPrinter::Canvas()
{
    if (!m_inDocument || !m_canvas)
        assertion("Canvas is not available before BeginDoc", __LINE__);
    m_pageUsed = true;
    return *m_canvas;
}

void TPreviewPrinter::EndDoc()
{
    m_inDocument = false;
    if (m_canvas) {
        m_canvas.reset();
        m_pages.back() = m_recorder.take();
    }
    if (!m_pageUsed && !m_pages.empty())
        m_pages.pop_back();
    status(TStatusType::stPaginated, -1);
}

void TPreviewPrinter::ClearPages()
{
    m_canvas.reset();
    m_recorder.take();
    m_pages.clear();
}

int TPreviewPrinter::UnitsToPixelsX(double v) const
{
    return unitsToPixels(v, m_metrics.ppiX, m_unitFactor);
}

int TPreviewPrinter::UnitsToPixelsY(double v) const
{
    return unitsToPixels(v, m_metrics.ppiY, m_unitFactor);
}

double TPreviewPrinter::PixelsToUnitsX(int p) const
{
    return pixelsToUnits(p, m_metrics.ppiX, m_unitFactor);
}

double TPreviewPrinter::PixelsToUnitsY(int p) const
{
    return pixelsToUnits(p, m_metrics.ppiY, m_unitFactor);
}

void TPreviewPrinter::DrawAlignedText(
    int y, TAlignment align, const QFont* font, const QString& text)
{
    QPainter& canvas = Canvas();
    const QFont kept = canvas.font();
    if (font)
        canvas.setFont(*font);
    const int w = canvas.fontMetrics().horizontalAdvance(text);
    const int x = alignedTextX(align, w, m_metrics.pageWidth,
        UnitsToPixelsX(m_textOptions.MarginLeft), UnitsToPixelsX(m_textOptions.MarginRight));
    canvas.drawText(QPoint(x, y + canvas.fontMetrics().ascent()), text);
    canvas.setFont(kept);
}

void TPreviewPrinter::DrawHeaderFooter(int number)
{
    const TTextOptions& o = m_textOptions;
    const int yHeader = UnitsToPixelsY(o.HeaderMargin);
    const int yFooter = m_metrics.pageHeight - UnitsToPixelsY(o.FooterMargin);
    DrawAlignedText(yHeader, o.HeaderAlign, &o.HeaderFont, o.Header);
    DrawAlignedText(yFooter, o.FooterAlign, &o.FooterFont, o.Footer);
    const QString numberText = pageNumberText(o.PageNumText, number);
    if (o.PrintPageNumber == TPrintPageNumber::pnBottom)
        DrawAlignedText(yFooter, o.PageNumAlign, &o.PageNumFont, numberText);
    else if (o.PrintPageNumber == TPrintPageNumber::pnTop)
        DrawAlignedText(yHeader, o.PageNumAlign, &o.PageNumFont, numberText);
}

void TPreviewPrinter::Preview()
{
    if (m_inDocument)
        assertion("Assertion failure", __LINE__);
    TPreviewForm form;
    form.setPreviewPrinter(this);
    form.setUp(m_showGrid, m_zoomOption, m_zoomVal);
    form.ScrollBox1Resize();
    form.setPageCaption(m_textOptions.PageNumText);
    form.setWindowTitle(QStringLiteral("Print Preview"));
    if (!m_previewTexts.isEmpty())
        form.applyTexts(commaTextSplit(m_previewTexts));
    DialogSeam::exec(form);
}

} // namespace corvane
