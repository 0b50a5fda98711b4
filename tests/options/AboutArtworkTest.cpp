// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "options/AboutArtwork.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

using namespace corvane;

namespace {

// Logical points that must be covered, and points that must stay see-through, so the picture
// sits on the page's own background.
struct PictureCase {
    AboutPicture picture;
    QSize size;
    QList<QPoint> opaque;
    QList<QPoint> clear;
};

const QList<PictureCase>& pictureCases()
{
    static const QList<PictureCase> cases = {
        {AboutPicture::Title, {339, 228}, {{0, 0}, {338, 227}}, {}},
        {AboutPicture::Logo, {120, 30}, {{15, 15}}, {{0, 0}, {119, 29}, {118, 2}}},
        {AboutPicture::Badge, {50, 50}, {{25, 25}, {25, 5}}, {{0, 0}, {49, 49}}},
        {AboutPicture::Link, {16, 16}, {{7, 7}}, {{0, 15}, {15, 0}}},
        {AboutPicture::Mail, {16, 16}, {{8, 11}, {2, 5}}, {{0, 0}, {15, 0}}},
        {AboutPicture::Donate, {163, 71}, {{81, 35}, {5, 35}, {157, 35}}, {{0, 0}, {162, 70}}},
    };
    return cases;
}

QImage render(AboutPicture picture, qreal ratio)
{
    return aboutPixmap(picture, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
}

int luminance(QRgb p)
{
    return (qRed(p) * 299 + qGreen(p) * 587 + qBlue(p) * 114) / 1000;
}

} // namespace

TEST(AboutArtwork, EveryPictureHasItsSizeAndCoverageAtBothRatios)
{
    for (const PictureCase& c : pictureCases()) {
        EXPECT_EQ(aboutPictureSize(c.picture), c.size);
        for (const int ratio : {1, 2}) {
            const QPixmap pixmap = aboutPixmap(c.picture, ratio);
            EXPECT_EQ(pixmap.size(), c.size * ratio);
            EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
            EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(c.size));
            const QImage image = pixmap.toImage();
            for (const QPoint& at : c.opaque)
                EXPECT_EQ(qAlpha(image.pixel(at * ratio)), 255) << int(c.picture) << at.x();
            for (const QPoint& at : c.clear)
                EXPECT_EQ(qAlpha(image.pixel(at * ratio)), 0) << int(c.picture) << at.x();
        }
    }
    // The title is the page's backdrop: a single see-through pixel would show the window.
    const QImage title = render(AboutPicture::Title, 1);
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x)
            ASSERT_EQ(qAlpha(title.pixel(x, y)), 255) << x << "," << y;
}

TEST(AboutArtwork, PicturesAreTheSameEveryTimeAndDrawnAfreshAtTwiceTheSize)
{
    for (const PictureCase& c : pictureCases()) {
        EXPECT_EQ(render(c.picture, 1), render(c.picture, 1)) << int(c.picture);
        EXPECT_EQ(render(c.picture, 2), render(c.picture, 2)) << int(c.picture);
        // Scaled up from 1x, the 2x picture would be the 1x one's pixels doubled.
        const QImage doubled = render(c.picture, 1).scaled(c.size * 2);
        EXPECT_NE(render(c.picture, 2), doubled) << int(c.picture);
    }
}

TEST(AboutArtwork, NoUsableRatioGivesThePictureAtOneX)
{
    for (const qreal ratio : {0.0, -2.0, qreal(NAN)}) {
        const QPixmap pixmap = aboutPixmap(AboutPicture::Badge, ratio);
        EXPECT_EQ(pixmap.size(), QSize(50, 50)) << ratio;
        EXPECT_EQ(pixmap.devicePixelRatio(), 1.0) << ratio;
    }
    EXPECT_EQ(aboutPixmap(AboutPicture::Link, 1.5).size(), QSize(24, 24));
}

// The page stretches the title into 305 x 185 and writes the program's name in white across
// the middle: that band must stay dark and even, or the white and yellow letters blur into it.
TEST(AboutArtwork, TitleKeepsTheNameBandDarkAndQuiet)
{
    QImage page(305, 185, QImage::Format_ARGB32);
    QPainter(&page).drawPixmap(page.rect(), aboutPixmap(AboutPicture::Title, 1));
    const QRect band(20, 65, 265, 90);
    qint64 sum = 0;
    int bright = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) {
            const int l = luminance(page.pixel(x, y));
            sum += l;
            bright += l > 110;
        }
    const qint64 pixels = qint64(band.width()) * band.height();
    EXPECT_LT(sum / pixels, 50);
    EXPECT_LT(bright, pixels / 200);
}
