// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewLayout.h"

#include <array>

namespace corvane {

namespace {
constexpr std::array<double, 9> kPercentZooms{0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
constexpr int kGap = 20;

double inches(int pixels, int ppi)
{
    return ppi == 0 ? 0.0 : double(pixels) / ppi;
}

double fitZoom(int clientExtent, int screenPpi, double pageInches)
{
    if (screenPpi == 0 || pageInches <= 0)
        return 1.0;
    return double(clientExtent - kGap) / screenPpi / pageInches;
}

int boxExtent(int screenPpi, double zoom, int pagePixels, int ppi)
{
    return ppi == 0 ? 0 : int(screenPpi * zoom * pagePixels / ppi);
}
} // namespace

double zoomForEntry(const PreviewLayoutInput& in, int entry)
{
    const PageMetrics& p = in.page;
    if (entry == zeFitToPage)
        return fitZoom(in.client.height(), in.screenPpi, inches(p.pageHeight, p.ppiY));
    if (entry == zeFitToWidth)
        return fitZoom(in.client.width(), in.screenPpi, inches(p.pageWidth, p.ppiX));
    if (entry == zeCustom)
        return in.zoom;
    const int i = entry - zeFirstPercent;
    return i >= 0 && i < int(kPercentZooms.size()) ? kPercentZooms[std::size_t(i)] : 1.0;
}

PreviewLayoutResult layoutPreview(const PreviewLayoutInput& in)
{
    PreviewLayoutResult r;
    r.fitPageDown = in.zoomEntry == zeFitToPage;
    r.fitWidthDown = in.zoomEntry == zeFitToWidth;
    r.zoomEntry = in.zoomEntry < 0 ? zeFitToPage : in.zoomEntry;
    r.zoom = zoomForEntry(in, r.zoomEntry);
    r.twoPages = in.twoPages && r.zoomEntry == zeFitToPage;
    const PageMetrics& p = in.page;
    r.pageBox = QSize(boxExtent(in.screenPpi, r.zoom, p.pageWidth, p.ppiX),
        boxExtent(in.screenPpi, r.zoom, p.pageHeight, p.ppiY));
    int w = r.pageBox.width() + kGap;
    if (r.twoPages)
        w += r.pageBox.width() + kGap;
    const int h = r.pageBox.height() + kGap;
    r.content = QSize(w < in.client.width() ? in.client.width() - 1 : w,
        h < in.client.height() ? in.client.height() - 1 : h);
    if (r.content.height() > r.pageBox.height() + kGap)
        r.top = r.content.height() / 2 - r.pageBox.height() / 2;
    if (w < r.content.width())
        r.left = r.content.width() / 2 - (w - kGap) / 2;
    r.left2 = r.left + r.pageBox.width() + kGap;
    return r;
}

QVector<QLine> gridLines(const PageMetrics& p)
{
    QVector<QLine> lines;
    for (int k = 1; p.ppiX > 0 && k <= p.pageWidth / p.ppiX; ++k)
        lines.append(QLine(k * p.ppiX, 0, k * p.ppiX, p.pageHeight));
    for (int k = 1; p.ppiY > 0 && k <= p.pageHeight / p.ppiY; ++k)
        lines.append(QLine(0, k * p.ppiY, p.pageWidth, k * p.ppiY));
    return lines;
}

double clickZoom(double zoom, bool left, bool right)
{
    if (left)
        zoom *= 1.5;
    if (right)
        zoom /= 1.5;
    return zoom;
}

int scrollToFraction(int boxSize, float f, int viewSize)
{
    return int(boxSize * f) - viewSize / 2;
}

} // namespace corvane
