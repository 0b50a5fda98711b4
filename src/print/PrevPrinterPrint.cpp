// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Printing: the recorded pages are replayed onto the printer, one job per call.
#include "PrevPrinter.h"

#include "WaitCursor.h"
#include "platform/CorvaneError.h"
#include "platform/DialogSeam.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>

namespace corvane {

bool TPreviewPrinter::PrintAll()
{
    return PrintRange(0, PageCount() - 1);
}

bool TPreviewPrinter::PrintRange(int first, int last)
{
    printJob(PrintJob{PageRun{first, last}});
    return true;
}

bool TPreviewPrinter::PrintWithDialog()
{
    ensureOutputFile();
    QPrinter& p = *m_printer;
    p.setFromTo(1, std::max(PageCount(), 1));
    p.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&p);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, std::max(PageCount(), 1));
    if (DialogSeam::exec(dialog) != QDialog::Accepted)
        return false;
    const int copies = p.copyCount();
    p.setCopyCount(1); // each copy is a job of its own, so the printer must not multiply them
    const bool toFile = p.outputFormat() == QPrinter::PdfFormat || !p.outputFileName().isEmpty();
    const QVector<PrintJob> jobs = printJobs(p.printRange() == QPrinter::AllPages, p.fromPage(),
        p.toPage(), copies, PageCount(), toFile);
    for (const PrintJob& job : jobs)
        printJob(job);
    return true;
}

// A print dialog accepted without a file name leaves the output path a folder.
void TPreviewPrinter::ensureOutputFile()
{
    QPrinter& p = *m_printer;
    if (p.outputFormat() != QPrinter::PdfFormat || !p.outputFileName().isEmpty())
        return;
    const QString name = m_title.isEmpty() ? QStringLiteral("Corvane") : m_title;
    p.setOutputFileName(QDir::home().filePath(name + QStringLiteral(".pdf")));
}

void TPreviewPrinter::printJob(const PrintJob& runs)
{
    WaitCursor wait;
    m_printer->setPageOrientation(m_orientation);
    m_printer->setDocName(m_title);
    QPainter painter;
    if (!painter.begin(m_printer.get()))
        throw CorvaneError(QStringLiteral("The print job \"%s\" could not be started"), m_title);
    printPages(painter, runs);
    painter.end();
    status(TStatusType::stPrinted, -1);
}

void TPreviewPrinter::printPages(QPainter& painter, const PrintJob& runs)
{
    // The painter's origin is the printable area's corner; pages are drawn from the paper's.
    const int res = m_printer->resolution();
    const QRect paper = m_printer->pageLayout().fullRectPixels(res);
    const QRect paint = m_printer->pageLayout().paintRectPixels(res);
    bool firstPage = true;
    for (const PageRun& run : runs) {
        for (int i = run.first; i <= run.last; ++i) {
            if (i < 0 || i >= PageCount())
                continue;
            if (!firstPage)
                m_printer->newPage();
            firstPage = false;
            status(TStatusType::stPrinting, i);
            const PagePicture& page = Pages(i);
            painter.save();
            painter.translate(paper.left() - paint.left(), paper.top() - paint.top());
            // Pages recorded for another resolution (the screen, without a printer) keep
            // their physical size.
            painter.scale(double(res) / page.ppiX, double(res) / page.ppiY);
            replayPage(painter, page);
            painter.restore();
        }
    }
}

} // namespace corvane
