// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DesignPictures.h"

#include <gtest/gtest.h>

using namespace corvane;

TEST(DesignPictures, GradientsHaveTheirSizesPalettesAndEndColours)
{
    const struct {
        QImage image;
        QSize size;
        QRgb top, bottom;
    } cases[] = {
        {designBackground(), {176, 177}, qRgb(0, 0, 255), qRgb(0, 255, 255)},
        {designProgress(), {50, 178}, qRgb(255, 255, 0), qRgb(255, 0, 0)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.image.size(), c.size);
        EXPECT_EQ(c.image.format(), QImage::Format_Indexed8);
        EXPECT_EQ(c.image.colorCount(), 256);
        EXPECT_EQ(c.image.pixel(0, 0), c.top);
        EXPECT_EQ(c.image.pixel(c.size.width() - 1, c.size.height() - 1), c.bottom);
        // Every row one colour, each a step further from the top colour than the row above.
        int lastDistance = -1;
        for (int y = 0; y < c.size.height(); ++y) {
            const QRgb p = c.image.pixel(0, y);
            EXPECT_EQ(c.image.pixel(c.size.width() - 1, y), p);
            const int distance = qAbs(qRed(p) - qRed(c.top)) + qAbs(qGreen(p) - qGreen(c.top))
                + qAbs(qBlue(p) - qBlue(c.top));
            EXPECT_GT(distance, lastDistance) << y;
            lastDistance = distance;
        }
    }
}

TEST(DesignPictures, GlyphsAreOutlinedShapesOnAnExactGround)
{
    const struct {
        Glyph glyph;
        QSize size;
    } cases[] = {{Glyph::Start, {20, 22}}, {Glyph::Pause, {19, 22}}, {Glyph::Stop, {20, 22}}};
    for (const auto& c : cases) {
        const QImage image = designGlyph(c.glyph);
        ASSERT_EQ(image.size(), c.size);
        EXPECT_EQ(image.depth(), 24);
        EXPECT_EQ(image.pixel(0, c.size.height() - 1), glyphGround);
        int fill = 0;
        for (int y = 0; y < c.size.height(); ++y)
            for (int x = 0; x < c.size.width(); ++x) {
                const GlyphPart part = glyphPart(c.glyph, x, y);
                const QRgb p = image.pixel(x, y);
                // No pixel may come near the ground colour without being it, or the symbol
                // would show a grey fringe once the ground is made transparent.
                EXPECT_EQ(p == glyphGround, part == GlyphPart::Ground) << x << "," << y;
                if (part == GlyphPart::Outline) {
                    EXPECT_EQ(p, qRgb(0, 0, 0));
                }
                if (part != GlyphPart::Fill)
                    continue;
                ++fill;
                EXPECT_TRUE(qRed(p) > 230 && qGreen(p) > 160 && qBlue(p) < 170) << x << "," << y;
                // A closed outline: fill never touches the ground.
                for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
                    EXPECT_NE(glyphPart(c.glyph, x + dx, y + dy), GlyphPart::Ground);
            }
        EXPECT_GT(fill, 40);
    }
    EXPECT_NE(designGlyph(Glyph::Start), designGlyph(Glyph::Stop));
}

TEST(DesignPictures, TransparentGlyphKeysOnTheLowerLeftPixel)
{
    const QImage glyph = designGlyph(Glyph::Pause);
    const QImage keyed = transparentGlyphImage(glyph);
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            EXPECT_EQ(qAlpha(keyed.pixel(x, y)) == 0, glyph.pixel(x, y) == glyphGround);

    // A theme's symbol may use any colour as its ground; only the lower-left pixel decides.
    QImage own(3, 2, QImage::Format_RGB32);
    own.fill(qRgb(255, 0, 255));
    own.setPixel(1, 0, qRgb(1, 2, 3));
    const QImage ownKeyed = transparentGlyph(own).toImage();
    EXPECT_EQ(qAlpha(ownKeyed.pixel(0, 0)), 0);
    EXPECT_EQ(ownKeyed.pixel(1, 0), qRgb(1, 2, 3));
    EXPECT_TRUE(transparentGlyph(QImage()).isNull());
}
