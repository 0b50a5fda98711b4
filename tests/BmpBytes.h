// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>
#include <QImage>

namespace corvane::test {

// A bitmap file of one colour, as Qt writes it for the image format given.
inline QByteArray bmpBytes(QSize size, QColor color, QImage::Format format = QImage::Format_RGB888)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    image = image.convertToFormat(format);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

} // namespace corvane::test
