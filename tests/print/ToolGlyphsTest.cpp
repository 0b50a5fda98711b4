// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "print/ToolGlyphs.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace corvane;

namespace {
TEST(ToolGlyphs, TenDistinctGlyphsAndTheZoomCursor)
{
    QList<QImage> images;
    for (int i = 0; i <= int(ToolGlyph::Exit); ++i) {
        const QIcon icon = toolGlyph(ToolGlyph(i));
        EXPECT_EQ(icon.availableSizes().size(), 2) << i; // one and two pixels per unit
        images << icon.pixmap(20, 20).toImage();
    }
    for (int i = 0; i < images.size(); ++i)
        for (int j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << i << " and " << j;
    EXPECT_EQ(zoomCursor().pixmap().size(), QSize(32, 32));
    EXPECT_EQ(zoomCursor().hotSpot(), QPoint(13, 13));
}
} // namespace
