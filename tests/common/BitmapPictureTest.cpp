// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/BitmapPicture.h"

#include "platform/CorvaneError.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace corvane;

namespace {
// A bitmap file from its parts: a header of infoSize bytes, the palette, the pixel bytes.
QByteArray bitmapFile(int width, int height, int bits, quint32 compression,
    const QByteArray& palette, const QByteArray& pixels, quint32 infoSize = 40)
{
    QByteArray info(qsizetype(infoSize), '\0');
    qToLittleEndian(infoSize, info.data());
    qToLittleEndian(qint32(width), info.data() + 4);
    qToLittleEndian(qint32(height), info.data() + 8);
    qToLittleEndian(quint16(1), info.data() + 12);
    qToLittleEndian(quint16(bits), info.data() + 14);
    qToLittleEndian(compression, info.data() + 16);
    qToLittleEndian(quint32(pixels.size()), info.data() + 20);
    qToLittleEndian(quint32(palette.size() / 4), info.data() + 32);
    QByteArray file("BM");
    file.resize(14);
    const auto offset = quint32(14 + info.size() + palette.size());
    qToLittleEndian(quint32(offset + pixels.size()), file.data() + 2);
    qToLittleEndian(quint32(0), file.data() + 6);
    qToLittleEndian(offset, file.data() + 10);
    return file + info + palette + pixels;
}

// Blue, green, red and a reserved byte per entry.
QByteArray palette(std::initializer_list<QRgb> colours)
{
    QByteArray p;
    for (QRgb c : colours)
        for (int part : {qBlue(c), qGreen(c), qRed(c), 0})
            p += char(part);
    return p;
}

QByteArray qtBitmap(QImage::Format format)
{
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(qRgb(0, 128, 128));
    image.setPixel(0, 0, qRgb(255, 255, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(format).save(&buffer, "BMP");
    return bytes;
}

const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
} // namespace

TEST(BitmapPicture, EveryVariantReadsAndComesBackByteForByte)
{
    const QByteArray variants[] = {
        qtBitmap(QImage::Format_RGB32),
        qtBitmap(QImage::Format_Indexed8),
        qtBitmap(QImage::Format_Mono),
        qtBitmap(QImage::Format_ARGB32),
        // top-down 24-bit: red row first
        bitmapFile(1, -2, 24, 0, {}, QByteArray("\x00\x00\xff\x00\xff\x00\x00\x00", 8)),
        // 4 bits, two colours of a short palette
        bitmapFile(2, 1, 4, 0, palette({red, blue}), QByteArray("\x01\x00\x00\x00", 4)),
        // RLE8: two pixels of colour 1, end of line, end of picture
        bitmapFile(2, 1, 8, 1, palette({red, blue}), QByteArray("\x02\x01\x00\x00\x00\x01", 6)),
        // RLE4: two pixels alternating colours 1 and 0
        bitmapFile(2, 1, 4, 2, palette({red, blue}), QByteArray("\x02\x10\x00\x00\x00\x01", 6)),
        // 16 bits, 5-5-5
        bitmapFile(1, 1, 16, 0, {}, QByteArray("\x1f\x00\x00\x00", 4)),
        // a V5 header
        bitmapFile(1, 1, 24, 0, {}, QByteArray("\x00\x00\xff\x00", 4), 124),
    };
    for (const QByteArray& bytes : variants) {
        SCOPED_TRACE(bytes.toHex().left(80).toStdString());
        const TBitmapPicture picture = bitmapFromBmp(bytes);
        EXPECT_FALSE(picture.isEmpty());
        EXPECT_EQ(bmpFileBytes(picture), bytes);
        EXPECT_EQ(HexToPicture(PictureToHex(picture)).fileBytes, bytes);
    }
    const QImage topDown = bitmapFromBmp(variants[4]).image;
    EXPECT_EQ(topDown.pixel(0, 0), red);
    EXPECT_EQ(topDown.pixel(0, 1), blue);
    EXPECT_EQ(bitmapFromBmp(variants[6]).image.pixel(1, 0), blue);
}

TEST(BitmapPicture, AChangedPictureIsWrittenAsANewBitmap)
{
    TBitmapPicture picture = bitmapFromBmp(qtBitmap(QImage::Format_RGB32));
    picture.image.setPixel(3, 3, red);
    picture.changed();
    const QString hex = PictureToHex(picture);
    EXPECT_TRUE(hex.startsWith(QLatin1String("424D")));
    EXPECT_EQ(HexToPicture(hex).image.pixel(3, 3), red);
    EXPECT_EQ(PictureToHex(TBitmapPicture()), QString()); // empty stays empty
}

TEST(BitmapPicture, WhatIsNoBitmapFailsAndBadHexIsSilentlyEmpty)
{
    EXPECT_TRUE(HexToPicture(u"4G").isEmpty());
    EXPECT_TRUE(HexToPicture(u"").isEmpty());
    EXPECT_THROW(HexToPicture(u"47494638396101000100"), CorvaneError); // a GIF
    const QByteArray giant = bitmapFile(60000, 60000, 24, 0, {}, QByteArray(16, '\0'));
    try {
        bitmapFromBmp(giant);
        ADD_FAILURE() << "a 60000 x 60000 picture was taken";
    } catch (const CorvaneError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Bitmap image is not valid"));
    }
    const QByteArray negativePalette = bitmapFile(1, 1, 8, 0, palette({red}), QByteArray(4, '\0'))
                                           .replace(46, 4, "\xff\xff\xff\x7f");
    EXPECT_THROW(bitmapFromBmp(negativePalette), CorvaneError);
}
