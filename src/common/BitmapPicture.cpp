// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/BitmapPicture.h"

#include "common/BmpHeader.h"
#include "common/Global.h"
#include "platform/CorvaneError.h"

#include <QBuffer>

namespace corvane {

TBitmapPicture bitmapFromBmp(const QByteArray& bytes)
{
    TBitmapPicture picture;
    if (inspectBmp(bytes).ok() && picture.image.loadFromData(bytes, "BMP")) {
        picture.fileBytes = bytes;
        return picture;
    }
    throw CorvaneError(QStringLiteral("Bitmap image is not valid"));
}

QByteArray bmpFileBytes(const TBitmapPicture& picture)
{
    if (picture.isEmpty())
        return {};
    if (!picture.fileBytes.isEmpty())
        return picture.fileBytes;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.image.save(&buffer, "BMP");
    return bytes;
}

QString PictureToHex(const TBitmapPicture& picture)
{
    return StrToHex(bmpFileBytes(picture));
}

TBitmapPicture HexToPicture(QStringView hex)
{
    const QByteArray bytes = HexToStr(hex);
    if (bytes.isEmpty())
        return {};
    return bitmapFromBmp(bytes);
}

} // namespace corvane
