// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>

namespace corvane {

// Where the parts of Corvane's icon, the alarm clock, go in a square of `size` pixels. The
// clock is designed on a 256-unit square (rim radius 104 around (128, 144), face 82, outlines
// 6 units, hands 12); at other sizes the outlines and hands become whole pixels and the rim
// and the upright hand are moved onto the pixel grid, so that small icons are sharp rather
// than a blurred copy of the large one. At 256 pixels it is the design itself.
struct AlarmClockLayout {
    qreal scale; // pixels per design unit: size / 256
    QPointF centre; // of the rim, the face and the hands
    qreal rimRadius; // to the middle of the rim's outline
    qreal faceRadius; // of the white face: to the middle of its outline if it has one
    qreal outline; // pen width of the outlines
    qreal hand; // pen width of the hands
    bool faceOutline; // small faces meet the red rim without a dark line, which would blur it
    bool ticks; // the hour marks, too small to see below 32 pixels
};

AlarmClockLayout alarmClockLayout(int size);

} // namespace corvane
