// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AlarmClockLayout.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace corvane;

namespace {
constexpr int installedSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool onPixelEdge(qreal x)
{
    return x == std::floor(x);
}
} // namespace

TEST(AlarmClockLayout, At256PixelsIsTheDesign)
{
    const AlarmClockLayout l = alarmClockLayout(256);
    EXPECT_EQ(l.centre, QPointF(128, 144));
    EXPECT_EQ(l.rimRadius, 104);
    EXPECT_EQ(l.faceRadius, 82);
    EXPECT_EQ(l.outline, 6);
    EXPECT_EQ(l.hand, 12);
    EXPECT_TRUE(l.faceOutline && l.ticks);
}

// A line that starts between two pixels is drawn as two half-grey ones: the blur of a
// scaled-down picture.
TEST(AlarmClockLayout, LinesStartOnPixelEdgesAndTheClockFitsAtEveryInstalledSize)
{
    for (int size : installedSizes) {
        const AlarmClockLayout l = alarmClockLayout(size);
        const qreal rimOuter = l.rimRadius + l.outline / 2;
        EXPECT_EQ(l.outline, std::round(l.outline)) << size;
        EXPECT_EQ(l.hand, std::round(l.hand)) << size;
        EXPECT_TRUE(onPixelEdge(l.centre.x() - l.hand / 2)) << size << ": upright hand";
        EXPECT_TRUE(onPixelEdge(l.centre.x() - rimOuter)) << size << ": rim, left";
        EXPECT_TRUE(onPixelEdge(l.centre.y() - rimOuter)) << size << ": rim, top";
        EXPECT_GE(l.centre.x() - rimOuter, 0) << size;
        EXPECT_LE(l.centre.x() + rimOuter, size) << size;
        EXPECT_GE(l.centre.y() - rimOuter, 0) << size;
        EXPECT_LE(l.centre.y() + rimOuter, size) << size;
        // Within half a pixel of the design, so every size shows the same clock.
        EXPECT_NEAR(l.centre.x(), 128 * l.scale, 0.5) << size;
        EXPECT_NEAR(l.centre.y(), 144 * l.scale, 0.5 + 1e-9) << size;
        EXPECT_NEAR(l.rimRadius, 104 * l.scale, 0.5 + 1e-9) << size;
        const qreal ring
            = l.rimRadius - l.outline / 2 - l.faceRadius - (l.faceOutline ? l.outline / 2 : 0);
        EXPECT_GE(ring, 1) << size << ": the red rim must show";
    }
}
