// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// One colour split into red, green and blue, each 0..255.
struct RgbTriple {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const RgbTriple&) const = default;
};

// The colour of row y of a vertical gradient H rows high: each component is
// start + (end - start) * (1 / H) * y in floating point, rounded to nearest with halves to even,
// clamped to 0..255. Row 0 is the start colour; row H would be the end colour, so the last row
// of the picture (H - 1) stops one step short of it. H <= 0 gives the start colour.
RgbTriple gradientRow(RgbTriple start, RgbTriple end, int height, int y);

} // namespace corvane
