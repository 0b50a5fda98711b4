// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/GradientRows.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {
int component(int start, int end, int height, int y)
{
    // The factors are multiplied in this order on purpose: the rounding of each row must come
    // out as the original dialogs drew it, halves included.
    const double value = start + double(end - start) * (1.0 / height) * y;
    return int(std::clamp(std::nearbyint(value), 0.0, 255.0));
}
} // namespace

RgbTriple gradientRow(RgbTriple start, RgbTriple end, int height, int y)
{
    if (height <= 0)
        return start;
    return {component(start.red, end.red, height, y), component(start.green, end.green, height, y),
        component(start.blue, end.blue, height, y)};
}

} // namespace corvane
