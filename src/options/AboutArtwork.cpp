// TEMPORARY STUB
#include "options/AboutArtwork.h"
namespace corvane {
QSize aboutPictureSize(AboutPicture picture)
{
    switch (picture) {
    case AboutPicture::Title:
        return {339, 228};
    case AboutPicture::Logo:
        return {120, 30};
    case AboutPicture::Badge:
        return {50, 50};
    case AboutPicture::Donate:
        return {163, 71};
    default:
        return {16, 16};
    }
}
QPixmap aboutPixmap(AboutPicture picture, qreal r)
{
    QPixmap p(aboutPictureSize(picture) * r);
    p.fill(picture == AboutPicture::Title ? QColor(10, 20, 60) : QColor(200, 200, 200));
    p.setDevicePixelRatio(r);
    return p;
}
} // namespace corvane
