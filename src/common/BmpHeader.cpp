// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/BmpHeader.h"

#include <cstdint>

namespace corvane {

namespace {
constexpr qsizetype fileHeaderSize = 14;

quint32 u32(QByteArrayView b, qsizetype at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8
        | quint32(quint8(b[at + 2])) << 16 | quint32(quint8(b[at + 3])) << 24;
}

quint16 u16(QByteArrayView b, qsizetype at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

bool knownInfoSize(quint32 size)
{
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

// Reads the sizes and the format; the geometry and depth are checked by the caller.
BmpHeader readHeader(QByteArrayView b, quint32 infoSize)
{
    BmpHeader h;
    h.infoSize = infoSize;
    h.dataOffset = u32(b, 10);
    const qsizetype info = fileHeaderSize;
    if (infoSize == 12) { // the OS/2 core header: 16-bit sizes, no compression
        h.width = u16(b, info + 4);
        h.height = u16(b, info + 6);
        h.bitsPerPixel = u16(b, info + 10);
        return h;
    }
    const auto height = std::int32_t(u32(b, info + 8));
    h.width = std::int32_t(u32(b, info + 4));
    h.topDown = height < 0;
    h.height = height == INT32_MIN ? 0 : (height < 0 ? -height : height);
    h.bitsPerPixel = u16(b, info + 14);
    h.compression = u32(b, info + 16);
    h.paletteEntries = u32(b, info + 32);
    return h;
}

bool formatFits(const BmpHeader& h)
{
    switch (h.compression) {
    case 0:
        return h.bitsPerPixel == 1 || h.bitsPerPixel == 4 || h.bitsPerPixel == 8
            || h.bitsPerPixel == 16 || h.bitsPerPixel == 24 || h.bitsPerPixel == 32;
    case 1:
        return h.bitsPerPixel == 8;
    case 2:
        return h.bitsPerPixel == 4;
    case 3:
        return h.bitsPerPixel == 16 || h.bitsPerPixel == 32;
    }
    return false;
}

BmpProblem checkPalette(BmpHeader& h, qsizetype fileSize)
{
    const quint32 most = h.bitsPerPixel <= 8 ? 1u << h.bitsPerPixel : 0u;
    if (h.bitsPerPixel <= 8 && h.paletteEntries == 0)
        h.paletteEntries = most;
    if (h.bitsPerPixel <= 8 && h.paletteEntries > most)
        return BmpProblem::BadPalette;
    const qint64 entrySize = h.infoSize == 12 ? 3 : 4;
    const qint64 masks = h.compression == 3 && h.infoSize == 40 ? 12 : 0;
    const qint64 paletteEnd = fileHeaderSize + h.infoSize + masks + h.paletteEntries * entrySize;
    if (h.bitsPerPixel <= 8 && paletteEnd > h.dataOffset)
        return BmpProblem::BadPalette;
    if (h.dataOffset > quint64(fileSize))
        return BmpProblem::Truncated;
    return BmpProblem::None;
}
} // namespace

BmpCheck inspectBmp(QByteArrayView b)
{
    BmpCheck check;
    if (b.size() < fileHeaderSize + 12 || b[0] != 'B' || b[1] != 'M')
        return check;
    const quint32 infoSize = u32(b, fileHeaderSize);
    if (!knownInfoSize(infoSize)) {
        check.problem = BmpProblem::UnknownHeader;
        return check;
    }
    if (b.size() < fileHeaderSize + qsizetype(infoSize))
        return check;
    BmpHeader& h = check.header;
    h = readHeader(b, infoSize);
    const bool rle = h.compression == 1 || h.compression == 2;
    if (h.width <= 0 || h.height <= 0 || (rle && h.topDown))
        check.problem = BmpProblem::BadGeometry;
    else if (h.width > maxBmpSide || h.height > maxBmpSide
        || qint64(h.width) * h.height > maxBmpPixels)
        check.problem = BmpProblem::TooLarge;
    else if (!formatFits(h))
        check.problem = BmpProblem::BadFormat;
    else
        check.problem = checkPalette(h, b.size());
    if (check.problem != BmpProblem::None || rle)
        return check;
    // Plain rows are padded to four bytes; all of them must be there.
    const qint64 stride = (qint64(h.width) * h.bitsPerPixel + 31) / 32 * 4;
    if (qint64(h.dataOffset) + stride * h.height > b.size())
        check.problem = BmpProblem::Truncated;
    return check;
}

} // namespace corvane
