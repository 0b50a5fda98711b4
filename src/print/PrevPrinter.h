// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageCanvas.h"
#include "PreviewLayout.h"
#include "TextOptions.h"

#include <QObject>
#include <QPageLayout>
#include <functional>
#include <memory>
#include <vector>

class QPrinter;

namespace corvane {

class TRichEdit;

enum class TStatusType { stPaginating = 0, stPrinting = 1, stPaginated = 2, stPrinted = 3 };
enum class TZoomOption { zoFitToPage, zoFitToWidth, zoTwoPages, zoCustom };
using TStatusProc
    = std::function<void(QObject* sender, const QString& statMsg, int pageNum, TStatusType)>;

// The printing subsystem: TPreviewPrinter records pages as pictures through a small document
// protocol (BeginDoc, NewPage, Canvas, EndDoc), with header, footer and page number on each;
// PaginateRichText (RichTextPages.cpp) lays a rich-text control out through it. The pictures
// are then shown by the preview window (PrevForm.h) or replayed onto the printer
// (PrevPrinterPrint.cpp), so nothing is laid out twice.
//
// Pages are recorded against the installed printer, or against the screen (US Letter at the
// screen's resolution) when there is none. Contract violations throw CorvaneError with the
// text "<message> (PrevPrinter, line <n>)".
class TPreviewPrinter : public QObject {
public:
    explicit TPreviewPrinter(QObject* owner = nullptr);
    ~TPreviewPrinter() override;

    QPageLayout::Orientation Orientation() const { return m_orientation; }
    void SetOrientation(QPageLayout::Orientation o) { m_orientation = o; }
    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }
    TTextOptions& TextOptions() { return m_textOptions; }
    TUnits Units() const { return m_units; }
    void SetUnits(TUnits units);
    double UnitFactor() const { return m_unitFactor; }
    bool ShowGrid() const { return m_showGrid; }
    void SetShowGrid(bool on) { m_showGrid = on; }
    TZoomOption ZoomOption() const { return m_zoomOption; }
    void SetZoomOption(TZoomOption z) { m_zoomOption = z; }
    int ZoomVal() const { return m_zoomVal; }
    void SetZoomVal(int percent) { m_zoomVal = percent; }
    void SetOnStatus(TStatusProc proc) { m_onStatus = std::move(proc); }
    int PageStartNo() const { return m_pageStartNo; }
    void SetPageStartNo(int n) { m_pageStartNo = n; }
    const QString& PreviewTexts() const { return m_previewTexts; }
    void SetPreviewTexts(const QString& commaText) { m_previewTexts = commaText; }

    int PageCount() const { return int(m_pages.size()); }
    const PagePicture& Pages(int index) const { return m_pages.at(std::size_t(index)); }
    bool InDocument() const { return m_inDocument; }
    bool PageUsed() const { return m_pageUsed; }
    int PixelsPerInchX() const { return m_metrics.ppiX; }
    int PixelsPerInchY() const { return m_metrics.ppiY; }
    int PageWidth() const { return m_metrics.pageWidth; }
    int PageHeight() const { return m_metrics.pageHeight; }
    int OffsetX() const { return m_offsetX; }
    int OffsetY() const { return m_offsetY; }
    const PageMetrics& metrics() const { return m_metrics; }

    // The document protocol. BeginDoc drops all pages and opens the first; NewPage finishes
    // the current page; Canvas is the current page's surface; EndDoc drops a last page that
    // nothing was drawn on.
    void BeginDoc();
    void NewPage();
    TPreviewMetafileCanvas& Canvas();
    void EndDoc();
    void ClearPages();

    int UnitsToPixelsX(double v) const;
    int UnitsToPixelsY(double v) const;
    double PixelsToUnitsX(int p) const;
    double PixelsToUnitsY(int p) const;
    // Draws one line with its top at y, aligned to the body margins; `font` may be null.
    void DrawAlignedText(int y, TAlignment align, const QFont* font, const QString& text);
    void DrawHeaderFooter(int number);

    // Lays the whole content of `source` out into pages (RichTextPages.cpp). Text after the
    // page-break marker starts a new page. Margins are read in inches; Units is kept.
    void PaginateRichText(TRichEdit& source);
    // Renders `control` from `pos` into `rectTwips`; pos becomes the first character not
    // rendered, `more` whether text remains.
    void RenderRichTextRange(
        TRichEdit* control, QPainter& canvas, const QRect& rectTwips, int& pos, bool& more);
    static QString pageBreakMarker();

    // Shows the pages in the preview window, modally.
    void Preview();
    // Returns false when the print dialog is cancelled.
    bool PrintWithDialog();
    bool PrintAll();
    // One print job with the pages first..last (indices from 0); none when first > last.
    // Throws CorvaneError when the job cannot be started.
    bool PrintRange(int first, int last);

    // The printer jobs go to; callers may direct it to a PDF file.
    QPrinter& printer() { return *m_printer; }
    // Whether an installed printer is there to record pages for; by default the system's
    // printer list decides. Tests and corvtool use a PDF printer as if installed.
    void setPrinterProbe(std::function<bool()> probe) { m_printerProbe = std::move(probe); }
    // How many characters of a section the work control takes at a time (tests shrink it).
    void setSectionChunk(int chars) { m_chunkChars = std::max(chars, 1); }

private:
    [[noreturn]] static void assertion(const char* message, int line);
    void status(TStatusType type, int pageNum);
    void finishPage();
    bool readPrinterMetrics();
    void readScreenMetrics();
    void startCanvas();
    void printJob(const PrintJob& runs);
    void printPages(QPainter& painter, const PrintJob& runs);
    void ensureOutputFile();
    void paginateSection(TRichEdit& source, TRichEdit& work, int start, int end, int& n);
    int transferChunk(TRichEdit& source, TRichEdit& work, int start, int end, int next);
    QRect textRect() const;

    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QString m_title;
    TTextOptions m_textOptions;
    TUnits m_units = TUnits::unInches;
    double m_unitFactor = 1.0;
    bool m_showGrid = false;
    TZoomOption m_zoomOption = TZoomOption::zoFitToPage;
    int m_zoomVal = 100;
    TStatusProc m_onStatus;
    int m_pageStartNo = 0;
    QString m_previewTexts;

    std::vector<PagePicture> m_pages;
    RecordingPicture m_recorder;
    std::unique_ptr<TPreviewMetafileCanvas> m_canvas;
    bool m_inDocument = false;
    bool m_pageUsed = false;
    PageMetrics m_metrics;
    int m_offsetX = 0;
    int m_offsetY = 0;
    std::unique_ptr<QPrinter> m_printer;
    std::function<bool()> m_printerProbe;
    int m_chunkChars = 20000;
};

} // namespace corvane
