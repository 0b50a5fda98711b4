// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WinColor.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {
TEST(WinColor, plainColoursAreBlueGreenRed)
{
    EXPECT_EQ(rgbColor(0x11, 0x22, 0x33), 0x00332211);
    EXPECT_EQ(toQColor(0x00FF0000), QColor(0, 0, 255));
    EXPECT_EQ(toQColor(65535), QColor(255, 255, 0));
    EXPECT_EQ(fromQColor(QColor(1, 2, 3)), 0x030201);
    EXPECT_FALSE(isSystemColor(16711935));
}

TEST(WinColor, systemColoursComeFromThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(4, 5, 6));
    palette.setColor(QPalette::WindowText, QColor(7, 8, 9));
    const TColor base = TColor(0x80000000u);
    EXPECT_TRUE(isSystemColor(base + 15));
    EXPECT_EQ(toQColor(base + 15, palette), QColor(1, 2, 3)); // button face
    EXPECT_EQ(toQColor(base + 13, palette), QColor(4, 5, 6)); // highlight
    EXPECT_EQ(toQColor(base + 0x50, palette), QColor(7, 8, 9)); // unknown index
}
} // namespace
