// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Theme pictures: any bytes either read as a picture within the limits, kept byte for byte,
// or fail with the one invalid-bitmap error; nothing else may happen.
#include "common/BitmapPicture.h"
#include "common/BmpHeader.h"
#include "platform/CorvaneError.h"

#include <cstdint>
#include <cstdlib>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const TBitmapPicture picture = bitmapFromBmp(bytes);
        const QSize s = picture.image.size();
        if (s.width() > maxBmpSide || s.height() > maxBmpSide || bmpFileBytes(picture) != bytes)
            std::abort();
    } catch (const CorvaneError&) {
    }
    return 0;
}
