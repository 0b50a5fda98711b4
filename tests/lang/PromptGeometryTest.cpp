// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/PromptGeometry.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {

PromptMetrics metrics(int labelWidth, int buttons)
{
    PromptMetrics m;
    m.labelPos = QPoint(24, 11);
    m.labelSize = QSize(labelWidth, 17);
    m.wrappedHeight = 51;
    m.fieldHeight = 25;
    for (int i = 0; i < buttons; ++i)
        m.buttons << QSize(81, 29);
    return m;
}

TEST(PromptGeometry, InputWithShortPromptKeepsTheLabel)
{
    const PromptGeometry g = inputGeometry(metrics(120, 2));
    EXPECT_FALSE(g.wrapLabel);
    EXPECT_EQ(g.label, QRect(10, 11, 120, 17));
    EXPECT_EQ(g.field, QRect(10, 11 + 17 + 20, 270, 25));
    // OK ends 10 left of the middle (150), Cancel starts 10 right of it.
    EXPECT_EQ(g.buttons.value(0), QRect(150 - 81 - 10, 48 + 25 + 20, 81, 29));
    EXPECT_EQ(g.buttons.value(1), QRect(160, 93, 81, 29));
    EXPECT_EQ(g.height, 48 + 100);
}

TEST(PromptGeometry, WideLabelIsWrappedAndPushesTheFieldDown)
{
    const PromptGeometry g = inputGeometry(metrics(271, 2));
    EXPECT_TRUE(g.wrapLabel);
    EXPECT_EQ(g.label, QRect(10, 11, 270, 51));
    EXPECT_EQ(g.field.top(), 11 + 51 + 20);
    EXPECT_EQ(g.height, 82 + 100);
    EXPECT_FALSE(inputGeometry(metrics(270, 2)).wrapLabel);
}

TEST(PromptGeometry, SelectCentresOkBelowTheList)
{
    PromptMetrics m = metrics(120, 1);
    m.buttons[0] = QSize(75, 29);
    const PromptGeometry g = selectGeometry(m);
    EXPECT_EQ(g.field, QRect(10, 48, 270, 80));
    // 150 - 75 / 2 - 5 with integer halving: 150 - 37 - 5.
    EXPECT_EQ(g.buttons.value(0), QRect(108, 48 + 80 + 20, 75, 29));
    EXPECT_EQ(g.height, 48 + 80 + 80);
}

} // namespace
