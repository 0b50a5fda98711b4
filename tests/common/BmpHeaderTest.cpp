// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/BmpHeader.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <algorithm>
#include <gtest/gtest.h>

using namespace corvane;

namespace {
// A bitmap file with a 40-byte header, its palette and room for every row of plain pixels.
QByteArray bitmap(int width, int height, int bits, quint32 compression = 0, quint32 colours = 0)
{
    const quint32 palette = bits <= 8 ? (colours ? colours : 1u << bits) : 0;
    const quint32 offset = 14 + 40 + (compression == 3 ? 12 : 0) + palette * 4;
    const qint64 stride = (qint64(width) * bits + 31) / 32 * 4;
    const qint64 rows = height < 0 ? -qint64(height) : height;
    QByteArray b(qsizetype(offset + std::clamp<qint64>(stride * rows, 0, 1 << 20)), '\0');
    auto put32 = [&b](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    auto put16 = [&b](int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, quint32(b.size()));
    put32(10, offset);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    put16(26, 1);
    put16(28, quint16(bits));
    put32(30, compression);
    put32(46, colours);
    return b;
}

BmpProblem problemOf(const QByteArray& bytes)
{
    return inspectBmp(bytes).problem;
}
} // namespace

TEST(BmpHeader, ReadsEveryDepthAndBothRowOrders)
{
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        const BmpCheck c = inspectBmp(bitmap(176, 177, bits));
        EXPECT_TRUE(c.ok()) << bits;
        EXPECT_EQ(c.header.bitsPerPixel, bits);
        EXPECT_EQ(c.header.paletteEntries, bits <= 8 ? 1u << bits : 0u);
    }
    const BmpCheck topDown = inspectBmp(bitmap(20, -22, 24));
    ASSERT_TRUE(topDown.ok());
    EXPECT_TRUE(topDown.header.topDown);
    EXPECT_EQ(topDown.header.height, 22);
    EXPECT_TRUE(inspectBmp(bitmap(50, 178, 8, 0, 16)).ok()); // a short palette
    EXPECT_TRUE(inspectBmp(bitmap(19, 22, 16, 3)).ok()); // bit fields after the header
    EXPECT_TRUE(inspectBmp(bitmap(19, 22, 8, 1)).ok()); // RLE8 needs no full rows
}

TEST(BmpHeader, RefusesWhatCannotBeAPictureBeforeDecoding)
{
    EXPECT_EQ(problemOf("GIF89a"), BmpProblem::NotBmp);
    EXPECT_EQ(problemOf(bitmap(10, 10, 24).left(30)), BmpProblem::NotBmp);
    QByteArray unknown = bitmap(10, 10, 24);
    unknown[14] = 41;
    EXPECT_EQ(problemOf(unknown), BmpProblem::UnknownHeader);
    EXPECT_EQ(problemOf(bitmap(60000, 60000, 24)), BmpProblem::TooLarge);
    EXPECT_EQ(problemOf(bitmap(10000, 10000, 24)), BmpProblem::TooLarge); // too many pixels
    EXPECT_EQ(problemOf(bitmap(0, 10, 24)), BmpProblem::BadGeometry);
    EXPECT_EQ(problemOf(bitmap(-5, 10, 24)), BmpProblem::BadGeometry);
    EXPECT_EQ(problemOf(bitmap(10, int(0x80000000u), 24)), BmpProblem::BadGeometry);
    EXPECT_EQ(problemOf(bitmap(10, -10, 8, 1)), BmpProblem::BadGeometry); // top-down RLE
    EXPECT_EQ(problemOf(bitmap(10, 10, 12)), BmpProblem::BadFormat);
    EXPECT_EQ(problemOf(bitmap(10, 10, 24, 1)), BmpProblem::BadFormat);
    EXPECT_EQ(problemOf(bitmap(10, 10, 8, 0, 0x80000000u)), BmpProblem::BadPalette);
    EXPECT_EQ(problemOf(bitmap(10, 10, 8, 0, 300)), BmpProblem::BadPalette);
    EXPECT_EQ(problemOf(bitmap(176, 177, 24).chopped(1)), BmpProblem::Truncated);
}

TEST(BmpHeader, AcceptsWhatQtWrites)
{
    for (QImage::Format format :
        {QImage::Format_RGB32, QImage::Format_Indexed8, QImage::Format_Mono}) {
        QImage image(33, 17, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        ASSERT_TRUE(image.convertToFormat(format).save(&buffer, "BMP"));
        const BmpCheck c = inspectBmp(bytes);
        EXPECT_TRUE(c.ok()) << int(format) << " " << int(c.problem);
        EXPECT_EQ(c.header.width, 33);
        EXPECT_EQ(c.header.height, 17);
    }
}
