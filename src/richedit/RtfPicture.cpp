// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfPicture.h"

#include "RtfFormats.h"

#include <QtEndian>
#include <algorithm>

namespace corvane::rtf {

namespace {
constexpr double kMaxPixels = 20000.0;

quint32 readLE32(const QByteArray& data, qsizetype at)
{
    if (at + 4 > data.size())
        return 0;
    return qFromLittleEndian<quint32>(data.constData() + at);
}

quint16 readLE16(const QByteArray& data, qsizetype at)
{
    if (at + 2 > data.size())
        return 0;
    return qFromLittleEndian<quint16>(data.constData() + at);
}

// A device-independent bitmap in RTF lacks the file header that makes it a .bmp file.
QByteArray withBitmapFileHeader(const QByteArray& dib)
{
    const quint32 headerSize = readLE32(dib, 0);
    const quint16 bitCount = readLE16(dib, 14);
    const quint32 compression = readLE32(dib, 16);
    quint32 colours = readLE32(dib, 32);
    if (colours == 0 && bitCount <= 8)
        colours = 1u << bitCount;
    quint64 offset = 14ull + headerSize + std::min<quint32>(colours, 256) * 4ull;
    if (headerSize == 40 && compression == 3)
        offset += 12; // the three colour masks follow the header
    QByteArray file("BM", 2);
    file.resize(14);
    qToLittleEndian<quint32>(quint32(14 + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(0, file.data() + 6);
    qToLittleEndian<quint32>(quint32(std::min<quint64>(offset, 0xffffffffu)), file.data() + 10);
    return file + dib;
}

double scaled(int value, int percent)
{
    return value * std::clamp(percent, 1, 1000) / 100.0;
}
} // namespace

QImage decodePicture(const PictureData& picture)
{
    const QByteArray data
        = picture.binary.isEmpty() ? QByteArray::fromHex(picture.hex) : picture.binary;
    switch (picture.kind) {
    case PictureKind::Png:
        return QImage::fromData(data, "PNG");
    case PictureKind::Jpeg:
        return QImage::fromData(data, "JPEG");
    case PictureKind::Dib:
        return data.size() < 40 ? QImage() : QImage::fromData(withBitmapFileHeader(data), "BMP");
    case PictureKind::Unsupported:
        break;
    }
    return {};
}

QSizeF pictureDisplaySize(const PictureData& picture, const QImage& image)
{
    double w = picture.goalWidth > 0 ? scaled(picture.goalWidth, picture.scaleX) / kTwipsPerPixel
                                     : scaled(image.width(), picture.scaleX);
    double h = picture.goalHeight > 0 ? scaled(picture.goalHeight, picture.scaleY) / kTwipsPerPixel
                                      : scaled(image.height(), picture.scaleY);
    return {std::clamp(w, 1.0, kMaxPixels), std::clamp(h, 1.0, kMaxPixels)};
}

} // namespace corvane::rtf
