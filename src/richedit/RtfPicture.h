// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>

namespace corvane::rtf {

enum class PictureKind { Unsupported, Png, Jpeg, Dib };

// What a \pict group says about its picture; the data arrives as hexadecimal text or
// through \binN.
struct PictureData {
    PictureKind kind = PictureKind::Unsupported;
    int width = 0; // \picw, \pich
    int height = 0;
    int goalWidth = 0; // \picwgoal, \pichgoal in twips
    int goalHeight = 0;
    int scaleX = 100; // \picscalex, \picscaley in percent
    int scaleY = 100;
    QByteArray hex;
    QByteArray binary;
};

// The picture as an image, or a null image for kinds Corvane does not show (metafiles and the
// like) and for data that does not decode.
QImage decodePicture(const PictureData& picture);

// The size the picture takes in the document, in 96-dpi pixels.
QSizeF pictureDisplaySize(const PictureData& picture, const QImage& image);

} // namespace corvane::rtf
