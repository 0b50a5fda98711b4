// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace corvane {

// What a Windows bitmap file says of itself, read from its headers alone, so a picture that
// claims more than it can hold, or more than any theme needs, is refused before a single
// pixel is decoded.
struct BmpHeader {
    int width = 0;
    int height = 0; // always positive; topDown tells the row order
    bool topDown = false;
    int bitsPerPixel = 0;
    quint32 compression = 0; // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
    quint32 paletteEntries = 0;
    quint32 infoSize = 0; // 12 (OS/2), 40, 52, 56, 108 (V4) or 124 (V5)
    quint32 dataOffset = 0;
};

enum class BmpProblem {
    None,
    NotBmp, // no "BM", or shorter than the headers
    UnknownHeader, // an information header of a size no writer uses
    BadGeometry, // zero or negative width, zero height, a top-down RLE picture
    TooLarge, // over maxBmpSide on a side or maxBmpPixels in all
    BadFormat, // bits per pixel and compression that do not go together
    BadPalette, // more colours than the depth allows, or a palette past the pixel data
    Truncated, // the pixel data ends before the picture does
};

// Larger than any screen a theme is shown on, small enough that decoding stays cheap.
inline constexpr int maxBmpSide = 16384;
inline constexpr qint64 maxBmpPixels = 40LL * 1000 * 1000;

struct BmpCheck {
    BmpHeader header;
    BmpProblem problem = BmpProblem::NotBmp;
    bool ok() const { return problem == BmpProblem::None; }
};

BmpCheck inspectBmp(QByteArrayView bytes);

} // namespace corvane
