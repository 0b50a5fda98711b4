// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrintLayout.h"
#include "print/PageCanvas.h"

#include <QImage>
#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(PrintLayout, ConversionsRoundHalvesToEven)
{
    struct Case {
        double value;
        int ppi;
        TUnits units;
        int pixels;
    };
    const Case cases[] = {
        {0.5, 1, TUnits::unInches, 0}, {1.5, 1, TUnits::unInches, 2}, {2.5, 1, TUnits::unInches, 2},
        {0.75, 96, TUnits::unInches, 72}, {1.0, 96, TUnits::unCentimeters, 38}, // 37.8
        {2.54, 600, TUnits::unCentimeters, 600}, {8.5, 97, TUnits::unInches, 824}, // 824.5
    };
    for (const Case& c : cases)
        EXPECT_EQ(unitsToPixels(c.value, c.ppi, unitFactorFor(c.units)), c.pixels) << c.value;
    EXPECT_DOUBLE_EQ(pixelsToUnits(1056, 96, 1.0), 11.0);
    EXPECT_DOUBLE_EQ(pixelsToUnits(96, 96, 2.54), 2.54);
}

TEST(PrintLayout, DefaultMarginsLeaveSixAndAHalfByNineInches)
{
    for (const int ppi : {96, 600}) {
        const QRect r = textRectTwips(PageMargins{}, int(8.5 * ppi), 11 * ppi, ppi, ppi);
        EXPECT_EQ(r.left(), 1440);
        EXPECT_EQ(r.top(), 1440);
        EXPECT_EQ(r.width(), 6.5 * 1440) << ppi;
        EXPECT_EQ(r.height(), 9 * 1440) << ppi;
    }
}

TEST(PrintLayout, PrintJobsFromTheDialogAnswer)
{
    // Pages 2 to 3, two copies: two jobs to a printer; to a file, where a second job would
    // overwrite the first, one job holding both copies.
    const QVector<PrintJob> jobs = printJobs(false, 2, 3, 2, 5, false);
    ASSERT_EQ(jobs.size(), 2);
    EXPECT_EQ(jobs[1][0].first, 1);
    EXPECT_EQ(jobs[1][0].last, 2);
    EXPECT_EQ(printJobs(false, 2, 3, 2, 5, true).front().size(), 2);
    EXPECT_EQ(printJobs(true, 2, 3, 1, 5, false).front().front().last, 4);
}

// A page recorded for 600 dpi is one unit per pixel on a 600-dpi device and keeps its
// physical size, fonts included, when scaled down to the screen.
TEST(PageCanvas, RecordsForItsDeviceAndReplaysAtTrueSize)
{
    RecordingPicture recorder;
    recorder.setDevice(600, 600, 5100, 6600);
    {
        TPreviewMetafileCanvas canvas(recorder);
        QFont font(QStringLiteral("Liberation Serif"));
        font.setPointSize(72);
        canvas.setFont(font);
        EXPECT_NEAR(canvas.fontMetrics().height(), 665, 40); // one inch of type, plus leading
        canvas.fillRect(QRect(600, 1200, 600, 600), Qt::black);
    }
    const PagePicture page = recorder.take();
    EXPECT_EQ(page.width, 5100);
    for (const int dpi : {600, 96}) {
        QImage image(int(8.5 * dpi), 11 * dpi, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        image.fill(Qt::white);
        QPainter p(&image);
        p.scale(dpi / 600.0, dpi / 600.0);
        replayPage(p, page);
        p.end();
        EXPECT_EQ(qGray(image.pixel(dpi + dpi / 2, 2 * dpi + dpi / 2)), 0) << dpi;
        EXPECT_EQ(qGray(image.pixel(dpi / 2, 2 * dpi + dpi / 2)), 255) << dpi;
        EXPECT_EQ(qGray(image.pixel(dpi + dpi / 2, 3 * dpi + dpi / 4)), 255) << dpi;
    }
}

} // namespace
} // namespace corvane
