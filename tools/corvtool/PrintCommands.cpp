// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// corvtool rtf-pdf: an RTF file paginated as the help page does and printed to a PDF file.
#include "Commands.h"

#include "print/PrevPrinter.h"
#include "richedit/RichEdit.h"

#include <QPrinter>

namespace corvtool {

int rtfPdf(const QStringList& args)
{
    corvane::TRichEdit source;
    source.loadFromFile(args.at(0));
    corvane::TPreviewPrinter printer;
    printer.setPrinterProbe([] { return true; });
    QPrinter& pdf = printer.printer();
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(args.at(1));
    // The PDF printer is the device the pages are laid out for.
    printer.PaginateRichText(source);
    printer.PrintAll();
    printOut(QStringLiteral("%1\n").arg(printer.PageCount()));
    return 0;
}

} // namespace corvtool
