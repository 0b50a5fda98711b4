// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap headers: any bytes are inspected without a crash, and a picture it passes never
// claims more than the limits or lies outside its file.
#include "common/BmpHeader.h"

#include <cstdint>
#include <cstdlib>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const BmpCheck c = inspectBmp(bytes);
    if (!c.ok())
        return 0;
    const BmpHeader& h = c.header;
    const bool inLimits = h.width > 0 && h.height > 0 && h.width <= maxBmpSide
        && h.height <= maxBmpSide && qint64(h.width) * h.height <= maxBmpPixels;
    if (!inLimits || h.dataOffset > size || (h.bitsPerPixel <= 8 && h.paletteEntries == 0))
        std::abort();
    return 0;
}
