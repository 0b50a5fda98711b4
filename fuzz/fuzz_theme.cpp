// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Theme files: any bytes give at most eight lines taken, all eight exactly when nothing is
// wrong, and a theme read whole is written back into a file that reads as the same theme.
#include "options/ThemeFile.h"

#include <cstdint>
#include <cstdlib>

using namespace corvane;

namespace {
bool sameTheme(const TThemeData& a, const TThemeData& b)
{
    for (int i = 0; i < themePictureCount; ++i)
        if (bmpFileBytes(a.pictures[std::size_t(i)]) != bmpFileBytes(b.pictures[std::size_t(i)]))
            return false;
    return a.fontName == b.fontName && a.fontColor == b.fontColor && a.backColor == b.backColor;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const ThemeRead read = parseThemeText(bytes);
    if (read.linesTaken < 0 || read.linesTaken > themeLineCount
        || read.ok() != (read.linesTaken == themeLineCount))
        std::abort();
    if (read.ok()) {
        const ThemeRead again = parseThemeText(themeFileBytes(read.theme));
        if (!again.ok() || !sameTheme(again.theme, read.theme))
            std::abort();
    }
    // File names of any kind decode to some name, never a crash.
    (void)themeNameFromFile(QString::fromLatin1(bytes.first(std::min<qsizetype>(size, 256))));
    return 0;
}
