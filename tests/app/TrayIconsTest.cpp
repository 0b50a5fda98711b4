// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TrayIcons.h"

#include <QImage>
#include <QPixmap>
#include <cmath>
#include <gtest/gtest.h>

using namespace corvane;

namespace {
bool isRed(QRgb p)
{
    return qRed(p) > 180 && qGreen(p) < 80 && qBlue(p) < 80 && qAlpha(p) == 255;
}

// The pixel halfway out from the centre in the middle of quarter q (0: twelve to three,
// 1: three to six, ...).
QRgb quarterPixel(const QImage& image, int quarter)
{
    const double angle = (quarter * 90 + 45) * M_PI / 180; // clockwise from twelve
    const double r = image.width() * 0.25, c = image.width() / 2.0;
    return image.pixel(int(c + r * std::sin(angle)), int(c - r * std::cos(angle)));
}
} // namespace

TEST(TrayIcons, SectorsGrowClockwiseFromTwelveByQuarters)
{
    const struct {
        int index, span;
    } cases[] = {{0, -90}, {1, -180}, {2, -270}, {3, -360}, {-5, -90}, {99, -360}};
    for (const auto& c : cases) {
        EXPECT_EQ(clockSector(c.index).start, 90 * 16) << c.index;
        EXPECT_EQ(clockSector(c.index).span, c.span * 16) << c.index;
    }
}

TEST(TrayIcons, ClockIconsShowTheirRedQuartersAtEverySize)
{
    const QList<QIcon> list = clockImageList();
    ASSERT_EQ(list.size(), clockIconCount);
    for (int index = 0; index < clockIconCount; ++index) {
        for (int size : {16, 22, 24, 32, 48}) {
            const QImage image = list[index].pixmap(size, size).toImage();
            ASSERT_EQ(image.size(), QSize(size, size));
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "a disc, not a square";
            for (int quarter = 0; quarter < 4; ++quarter)
                EXPECT_EQ(isRed(quarterPixel(image, quarter)), quarter <= index)
                    << "index " << index << " size " << size << " quarter " << quarter;
        }
    }
}

namespace {
// The mean difference per pixel and channel between an icon file and the drawing.
double differenceFromDrawing(const QString& path, int size)
{
    const QImage shipped(path);
    if (shipped.size() != QSize(size, size))
        return 255;
    const QImage drawn = applicationIconImage(size).convertToFormat(QImage::Format_ARGB32);
    const QImage file = shipped.convertToFormat(QImage::Format_ARGB32);
    qint64 difference = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb a = drawn.pixel(x, y), b = file.pixel(x, y);
            difference += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b))
                + qAbs(qBlue(a) - qBlue(b)) + qAbs(qAlpha(a) - qAlpha(b));
        }
    return difference / (4.0 * size * size);
}
} // namespace

TEST(TrayIcons, ShippedIconFilesMatchTheDrawing)
{
    // make_app_icon writes them; a change of the drawing needs new files.
    EXPECT_LT(
        differenceFromDrawing(QStringLiteral(CORVANE_SOURCE_DIR "/data/corvane.png"), 256), 0.5)
        << "run make_app_icon data/corvane.png";
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path
            = QStringLiteral(CORVANE_SOURCE_DIR "/packaging/icons/hicolor/%1x%1/apps/"
                                                "org.corvane.Corvane.png")
                  .arg(size);
        EXPECT_LT(differenceFromDrawing(path, size), 0.5)
            << "run make_app_icon --hicolor packaging/icons/hicolor";
    }
}
