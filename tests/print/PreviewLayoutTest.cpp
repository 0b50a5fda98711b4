// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PreviewLayout.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

PreviewLayoutInput letterAt96(int entry, QSize client = QSize(1000, 700))
{
    PreviewLayoutInput in;
    in.zoomEntry = entry;
    in.client = client;
    in.screenPpi = 96;
    in.page = PageMetrics{816, 1056, 96, 96};
    return in;
}

TEST(PreviewLayout, ZoomForEachEntry)
{
    PreviewLayoutInput in = letterAt96(0);
    in.zoom = 0.8;
    EXPECT_DOUBLE_EQ(zoomForEntry(in, zeFitToPage), (700.0 - 20) / 96 / 11);
    EXPECT_DOUBLE_EQ(zoomForEntry(in, zeFitToWidth), (1000.0 - 20) / 96 / 8.5);
    EXPECT_DOUBLE_EQ(zoomForEntry(in, zeCustom), 0.8);
    const double percents[] = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
    for (int i = 0; i < 9; ++i)
        EXPECT_DOUBLE_EQ(zoomForEntry(in, zeFirstPercent + i), percents[i]);
    EXPECT_DOUBLE_EQ(zoomForEntry(in, 12), 1.0);
}

TEST(PreviewLayout, FitToPageCentresTheBox)
{
    const PreviewLayoutResult r = layoutPreview(letterAt96(zeFitToPage));
    EXPECT_TRUE(r.fitPageDown);
    EXPECT_FALSE(r.fitWidthDown);
    // 96 × z × 11 is 680 less a rounding error, truncated to 679.
    EXPECT_EQ(r.pageBox, QSize(int(96 * r.zoom * 8.5), 679));
    EXPECT_EQ(r.content, QSize(999, 699));
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.left, 999 / 2 - r.pageBox.width() / 2);
}

TEST(PreviewLayout, LargeZoomKeepsTenPixelMargins)
{
    const PreviewLayoutResult r = layoutPreview(letterAt96(zeFirstPercent + 6)); // 200 %
    EXPECT_EQ(r.pageBox, QSize(1632, 2112));
    EXPECT_EQ(r.content, QSize(1652, 2132));
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.left, 10);
    EXPECT_FALSE(r.fitPageDown || r.fitWidthDown);
}

TEST(PreviewLayout, TwoPagesOnlyWithFitToPage)
{
    PreviewLayoutInput in = letterAt96(zeFitToPage, QSize(1400, 700));
    in.twoPages = true;
    PreviewLayoutResult r = layoutPreview(in);
    EXPECT_TRUE(r.twoPages);
    const int w = 2 * (r.pageBox.width() + 20);
    EXPECT_EQ(r.left, 1399 / 2 - (w - 20) / 2);
    EXPECT_EQ(r.left2, r.left + r.pageBox.width() + 20);
    for (const int entry : {zeFitToWidth, zeCustom, zeFirstPercent}) {
        in.zoomEntry = entry;
        EXPECT_FALSE(layoutPreview(in).twoPages) << entry;
    }
    in.zoomEntry = -1; // nothing selected: Fit To Page is chosen, the buttons stay up
    r = layoutPreview(in);
    EXPECT_EQ(r.zoomEntry, zeFitToPage);
    EXPECT_FALSE(r.fitPageDown);
    EXPECT_TRUE(r.twoPages);
}

TEST(PreviewLayout, OneInchGridOnLetterAt600Dpi)
{
    const QVector<QLine> lines = gridLines(PageMetrics{5100, 6600, 600, 600});
    ASSERT_EQ(lines.size(), 8 + 11);
    EXPECT_EQ(lines[0], QLine(600, 0, 600, 6600));
    EXPECT_EQ(lines[7], QLine(4800, 0, 4800, 6600));
    EXPECT_EQ(lines[8], QLine(0, 600, 5100, 600));
    EXPECT_EQ(lines[18], QLine(0, 6600, 5100, 6600));
    EXPECT_TRUE(gridLines(PageMetrics{}).isEmpty());
}

} // namespace
} // namespace corvane
