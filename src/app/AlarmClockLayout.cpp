// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AlarmClockLayout.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {
qreal wholePixels(qreal width)
{
    return std::max(1.0, std::round(width));
}
} // namespace

AlarmClockLayout alarmClockLayout(int size)
{
    AlarmClockLayout l{};
    l.scale = size / 256.0;
    l.outline = wholePixels(6 * l.scale);
    l.hand = wholePixels(12 * l.scale);
    l.faceOutline = size >= 32;
    l.ticks = size >= 32;
    const qreal halfOutline = l.outline / 2;
    // The upright hand covers whole pixel columns, as near the middle as its width allows.
    const qreal x = std::floor((size - l.hand) / 2) + l.hand / 2;
    // The rim's outline starts on a pixel edge at the left and at the top; ties move the clock
    // up, away from the bottom edge.
    l.rimRadius = x - halfOutline - std::round(x - halfOutline - 104 * l.scale);
    const qreal top = std::ceil(144 * l.scale - l.rimRadius - halfOutline - 0.5);
    l.centre = QPointF(x, top + halfOutline + l.rimRadius);
    // The red ring between rim and face: as designed where there is a face outline to draw,
    // else a pixel at 16 pixels, where the face needs every pixel to show the hands, and two
    // above.
    const qreal ring = size < 20 ? 1 : 2;
    l.faceRadius
        = l.faceOutline ? l.rimRadius - std::round(22 * l.scale) : l.rimRadius - halfOutline - ring;
    return l;
}

} // namespace corvane
