// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QVector>

namespace corvane {

// The arithmetic of a printed page, apart from any device: unit conversions, where header,
// footer and page number go, and the text rectangle left by the margins. Rounding is to the
// nearest integer with halves going to the even neighbour.

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TPrintPageNumber { pnBottom, pnTop, pnNone };
enum class TUnits { unInches, unCentimeters };

int roundHalfEven(double value);

double unitFactorFor(TUnits units); // 1.0 for inches, 2.54 for centimetres
int unitsToPixels(double value, int pixelsPerInch, double unitFactor);
double pixelsToUnits(int pixels, int pixelsPerInch, double unitFactor);

// Left edge of a line `textWidth` wide: aligned to the body margins (given in pixels), centred
// on the paper.
int alignedTextX(
    TAlignment align, int textWidth, int pageWidth, int marginLeftPx, int marginRightPx);

QString pageNumberText(const QString& word, int number);

struct PageMargins {
    double left = 1.0;
    double top = 1.0;
    double right = 1.0;
    double bottom = 1.0;
};

// The text rectangle in twips (1/1440 inch), margins read in inches.
QRect textRectTwips(const PageMargins& inches, int pageWidth, int pageHeight, int ppiX, int ppiY);

// The print jobs a print-dialog answer asks for: each job a list of page-index runs.
struct PageRun {
    int first = 0;
    int last = -1;
};
using PrintJob = QVector<PageRun>;

// One job per copy; when the output is a file, later jobs would overwrite the earlier ones, so
// then every copy goes into the one job.
QVector<PrintJob> printJobs(
    bool allPages, int fromPage, int toPage, int copies, int pageCount, bool toFile);

} // namespace corvane
