// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppIcons.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace corvane;

namespace {
int opaquePixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 128;
    return n;
}
} // namespace

TEST(AppIcons, SixDistinctIconsDrawnForEverySize)
{
    const QList<QIcon> icons = progImageList();
    ASSERT_EQ(icons.size(), 6);
    QList<QImage> small;
    for (const QIcon& icon : icons) {
        for (int size : {16, 32, 48}) {
            const QImage image = icon.pixmap(size, size).toImage();
            ASSERT_EQ(image.size(), QSize(size, size));
            // Each icon covers a good part of its box but leaves a transparent margin
            // somewhere, so it reads as a picture, not a square.
            EXPECT_GT(opaquePixels(image), size * size / 5);
            EXPECT_LT(opaquePixels(image), size * size);
        }
        small << icon.pixmap(16, 16).toImage();
    }
    for (int i = 0; i < small.size(); ++i)
        for (int j = i + 1; j < small.size(); ++j)
            EXPECT_NE(small[i], small[j]) << i << " and " << j;
}

TEST(AppIcons, LargeSizesAreDrawnNotScaledUp)
{
    // A 32-pixel icon blown up from 16 pixels would consist of 2x2 blocks.
    const QImage big = tabIcon(TabIcon::About).pixmap(32, 32).toImage();
    int blocky = 0, blocks = 0;
    for (int y = 0; y < 32; y += 2)
        for (int x = 0; x < 32; x += 2, ++blocks)
            blocky
                += big.pixel(x, y) == big.pixel(x + 1, y) && big.pixel(x, y) == big.pixel(x, y + 1);
    EXPECT_LT(blocky, blocks);
    EXPECT_FALSE(buttonIcon(ButtonIcon::Exit).isNull());
}

TEST(AppIcons, ButtonPicturesAreDistinctAndTheTickIsGreen)
{
    const ButtonIcon all[] = {ButtonIcon::Exit, ButtonIcon::OpenSound, ButtonIcon::OpenPicture,
        ButtonIcon::AddEntry, ButtonIcon::Rename, ButtonIcon::Delete, ButtonIcon::Ok,
        ButtonIcon::PrintPreview, ButtonIcon::Print, ButtonIcon::Find};
    QList<QImage> images;
    for (ButtonIcon icon : all) {
        images << buttonIcon(icon).pixmap(16, 16).toImage();
        EXPECT_GT(opaquePixels(images.back()), 16 * 16 / 8) << int(icon);
    }
    for (int i = 0; i < images.size(); ++i)
        for (int j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << i << " and " << j;
    const QColor middle = images[6].pixelColor(7, 10); // on the tick's stroke
    EXPECT_GT(middle.green(), 2 * middle.red());
    EXPECT_GT(middle.green(), 2 * middle.blue());
}
