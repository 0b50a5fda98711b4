// TEMPORARY STUB
#pragma once
#include <QPixmap>
#include <QSize>
namespace corvane {
enum class AboutPicture { Title, Logo, Badge, Link, Mail, Donate };
QSize aboutPictureSize(AboutPicture picture);
QPixmap aboutPixmap(AboutPicture picture, qreal devicePixelRatio);
} // namespace corvane
