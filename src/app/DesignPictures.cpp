// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DesignPictures.h"

#include <cmath>

namespace corvane {

namespace {

// Index 0 is the top colour, 255 the bottom; each row takes the nearest of the 256 steps.
QImage paletteGradient(QSize size, QColor top, QColor bottom)
{
    QImage image(size, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette << gradientColor(top, bottom, i, 256).rgb();
    image.setColorTable(palette);
    const int rows = size.height();
    for (int y = 0; y < rows; ++y) {
        const int index = rows > 1 ? (y * 255 + (rows - 1) / 2) / (rows - 1) : 0;
        image.scanLine(y)[0] = uchar(index);
        for (int x = 1; x < size.width(); ++x)
            image.scanLine(y)[x] = uchar(index);
    }
    return image;
}

// Shapes in pixel-centre coordinates; true where the centre lies inside.
bool insideStart(double x, double y)
{
    // Apex at the right middle; the two slanted edges run from the left corners to it.
    const double left = 4.0, top = 2.5, bottom = 19.5, apexX = 17.0, mid = 11.0;
    if (x < left || y < top || y > bottom)
        return false;
    const double halfHeight = (mid - top) * (1.0 - (x - left) / (apexX - left));
    return std::fabs(y - mid) <= halfHeight;
}

bool insidePause(double x, double y)
{
    const bool inBar = (x >= 3.0 && x <= 8.0) || (x >= 11.0 && x <= 16.0);
    return inBar && y >= 3.0 && y <= 19.0;
}

bool insideStop(double x, double y)
{
    return x >= 3.0 && x <= 17.0 && y >= 4.0 && y <= 18.0;
}

bool inside(Glyph glyph, int x, int y)
{
    const QSize size = glyphSize(glyph);
    if (x < 0 || y < 0 || x >= size.width() || y >= size.height())
        return false;
    const double cx = x + 0.5, cy = y + 0.5;
    switch (glyph) {
    case Glyph::Start:
        return insideStart(cx, cy);
    case Glyph::Pause:
        return insidePause(cx, cy);
    case Glyph::Stop:
        return insideStop(cx, cy);
    }
    return false;
}

// The fill is a warm yellow that deepens a little towards the bottom and is lit at the top
// edge, so the symbol reads as a raised key rather than a flat blot.
QRgb fillColor(Glyph glyph, int x, int y)
{
    if (!inside(glyph, x, y - 2))
        return qRgb(255, 255, 160);
    return gradientColor(QColor(255, 245, 0), QColor(245, 180, 0), y, glyphSize(glyph).height())
        .rgb();
}

} // namespace

QColor gradientColor(QColor top, QColor bottom, int row, int rows)
{
    if (rows <= 1)
        return top;
    const auto mix = [&](int a, int b) { return a + qRound(double(b - a) * row / (rows - 1)); };
    return QColor(mix(top.red(), bottom.red()), mix(top.green(), bottom.green()),
        mix(top.blue(), bottom.blue()));
}

QImage designBackground()
{
    return paletteGradient(QSize(176, 177), QColor(0, 0, 255), QColor(0, 255, 255));
}

QImage designProgress()
{
    return paletteGradient(QSize(50, 178), QColor(255, 255, 0), QColor(255, 0, 0));
}

QSize glyphSize(Glyph glyph)
{
    return glyph == Glyph::Pause ? QSize(19, 22) : QSize(20, 22);
}

GlyphPart glyphPart(Glyph glyph, int x, int y)
{
    if (!inside(glyph, x, y))
        return GlyphPart::Ground;
    // Neighbours across an edge only, so a slanted edge gets a one-pixel staircase.
    const bool edge = !inside(glyph, x - 1, y) || !inside(glyph, x + 1, y)
        || !inside(glyph, x, y - 1) || !inside(glyph, x, y + 1);
    return edge ? GlyphPart::Outline : GlyphPart::Fill;
}

QImage designGlyph(Glyph glyph)
{
    const QSize size = glyphSize(glyph);
    QImage image(size, QImage::Format_RGB888);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const GlyphPart part = glyphPart(glyph, x, y);
            image.setPixel(x, y,
                part == GlyphPart::Ground        ? glyphGround
                    : part == GlyphPart::Outline ? qRgb(0, 0, 0)
                                                 : fillColor(glyph, x, y));
        }
    return image;
}

QImage transparentGlyphImage(const QImage& picture)
{
    if (picture.isNull())
        return {};
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1) & 0x00ffffff;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0x00ffffff) == key)
                line[x] = 0;
    }
    return image;
}

QPixmap transparentGlyph(const QImage& picture)
{
    return QPixmap::fromImage(transparentGlyphImage(picture));
}

} // namespace corvane
