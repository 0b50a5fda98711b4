// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>

namespace corvane {

// The Display page's own pictures, used while no theme is applied: drawn in code at the sizes
// and colour depths a theme file stores, so saving the design as a theme keeps them as they are.

// Background, 176 × 177, 256-colour palette: blue at the top to cyan at the bottom.
QImage designBackground();
// Progress picture, 50 × 178, 256-colour palette: yellow at the top to red at the bottom.
QImage designProgress();

// Button symbols in 24-bit colour: yellow shapes with a black outline on the grey ground
// glyphGround, which is the lower-left pixel and so is drawn transparent.
enum class Glyph { Start, Pause, Stop };
QImage designGlyph(Glyph glyph);
constexpr QRgb glyphGround = 0xffc0c0c0;

// What a symbol pixel shows; pure geometry, so the shapes can be checked without painting.
enum class GlyphPart { Ground, Outline, Fill };
QSize glyphSize(Glyph glyph);
GlyphPart glyphPart(Glyph glyph, int x, int y);

// The colour at row of rows of a vertical gradient from top to bottom (row 0 is top).
QColor gradientColor(QColor top, QColor bottom, int row, int rows);

// The symbol with every pixel of its lower-left pixel's colour made transparent, as symbols
// are drawn. An empty picture stays empty.
QImage transparentGlyphImage(const QImage& picture);
QPixmap transparentGlyph(const QImage& picture);

} // namespace corvane
