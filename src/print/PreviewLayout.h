// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLine>
#include <QSize>
#include <QVector>

namespace corvane {

// The preview window's geometry without widgets: the zoom a list entry stands for, the page
// boxes' size and place in the scrolled content, the one-inch grid and click-to-zoom.

// What the page pictures were recorded for.
struct PageMetrics {
    int pageWidth = 0;
    int pageHeight = 0;
    int ppiX = 0;
    int ppiY = 0;
};

enum ZoomEntry { zeFitToPage = 0, zeFitToWidth = 1, zeCustom = 2, zeFirstPercent = 3 };

struct PreviewLayoutInput {
    int zoomEntry = -1; // the zoom list's selected entry, -1 for none
    QSize client; // the scroll box's client area
    int screenPpi = 96;
    PageMetrics page;
    double zoom = 1.0; // the current zoom, kept by "Custom"
    bool twoPages = false;
};

struct PreviewLayoutResult {
    bool fitPageDown = false;
    bool fitWidthDown = false;
    int zoomEntry = 0; // after "none selected" became entry 0
    bool twoPages = false; // two pages stay only with Fit To Page
    double zoom = 1.0;
    QSize pageBox; // both page boxes
    QSize content;
    int top = 10;
    int left = 10;
    int left2 = 0;
};

double zoomForEntry(const PreviewLayoutInput& in, int entry);
PreviewLayoutResult layoutPreview(const PreviewLayoutInput& in);

// The one-inch grid in recorded units: vertical lines first, then horizontal ones.
QVector<QLine> gridLines(const PageMetrics& page);

// The zoom after a click with these buttons: left zooms in by half, right out, both cancel.
double clickZoom(double zoom, bool left, bool right);

// The scroll position that brings the clicked fraction `f` of a box now `boxSize` long near
// the middle of a view `viewSize` long (scroll bars clamp it).
int scrollToFraction(int boxSize, float f, int viewSize);

} // namespace corvane
