// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintLayout.h"

#include <cmath>

namespace corvane {

int roundHalfEven(double value)
{
    return int(std::nearbyint(value)); // the default rounding mode sends halves to even
}

double unitFactorFor(TUnits units)
{
    return units == TUnits::unCentimeters ? 2.54 : 1.0;
}

int unitsToPixels(double value, int pixelsPerInch, double unitFactor)
{
    return roundHalfEven(value * pixelsPerInch / unitFactor);
}

double pixelsToUnits(int pixels, int pixelsPerInch, double unitFactor)
{
    return pixelsPerInch == 0 ? 0.0 : double(pixels) / pixelsPerInch * unitFactor;
}

int alignedTextX(
    TAlignment align, int textWidth, int pageWidth, int marginLeftPx, int marginRightPx)
{
    switch (align) {
    case TAlignment::taLeftJustify:
        return marginLeftPx;
    case TAlignment::taRightJustify:
        return pageWidth - marginRightPx - textWidth;
    case TAlignment::taCenter:
        break;
    }
    return pageWidth / 2 - textWidth / 2;
}

QString pageNumberText(const QString& word, int number)
{
    return word + QLatin1Char(' ') + QString::number(number);
}

QRect textRectTwips(const PageMargins& inches, int pageWidth, int pageHeight, int ppiX, int ppiY)
{
    const int left = roundHalfEven(inches.left * 1440);
    const int top = roundHalfEven(inches.top * 1440);
    const int right = roundHalfEven((pixelsToUnits(pageWidth, ppiX, 1.0) - inches.right) * 1440);
    const int bottom = roundHalfEven((pixelsToUnits(pageHeight, ppiY, 1.0) - inches.bottom) * 1440);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)); // QRect's right is inclusive
}

QVector<PrintJob> printJobs(
    bool allPages, int fromPage, int toPage, int copies, int pageCount, bool toFile)
{
    const PageRun run = allPages ? PageRun{0, pageCount - 1} : PageRun{fromPage - 1, toPage - 1};
    const int n = std::max(copies, 1);
    if (toFile)
        return {PrintJob(n, run)};
    return QVector<PrintJob>(n, PrintJob{run});
}

} // namespace corvane
