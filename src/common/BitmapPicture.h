// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringView>

namespace corvane {

// A picture as a theme keeps it: the image, and while it is unchanged since it was read, the
// bitmap file's own bytes, so saving it again gives back exactly the file the user picked.
struct TBitmapPicture {
    QImage image;
    QByteArray fileBytes; // empty for a drawn or changed picture

    bool isEmpty() const { return image.isNull(); }
    // Call after drawing on the image: the file's bytes no longer describe it.
    void changed() { fileBytes.clear(); }
};

// Reads a Windows bitmap file; anything else, or a header that claims more than a theme
// picture may be, throws CorvaneError "Bitmap image is not valid" before pixels are decoded.
TBitmapPicture bitmapFromBmp(const QByteArray& bytes);

// The picture as a bitmap file: the bytes it was read from while unchanged, else a new
// 24- or 32-bit file that any viewer opens. An empty picture gives no bytes.
QByteArray bmpFileBytes(const TBitmapPicture& picture);

// The bitmap file as hexadecimal text ("424D..."), as theme files hold pictures.
QString PictureToHex(const TBitmapPicture& picture);

// The picture held in hexadecimal text. Text that is not hexadecimal decodes to nothing and
// gives an empty picture; decoded bytes that are no bitmap throw as bitmapFromBmp does.
TBitmapPicture HexToPicture(QStringView hex);

} // namespace corvane
