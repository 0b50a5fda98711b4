// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>

namespace corvane {

// The About page's pictures, drawn in code so they stay sharp on every screen: the night-blue
// title backdrop with a faint clock dial, the Corvane project's logo, the "no spy" badge, the
// link and mail icons and the picture on the PayPal donation button.
enum class AboutPicture { Title, Logo, Badge, Link, Mail, Donate };

// The designed size in logical pixels: Title 339x228, Logo 120x30, Badge 50x50,
// Link 16x16, Mail 16x16, Donate 163x71.
QSize aboutPictureSize(AboutPicture picture);

// The picture drawn at size * devicePixelRatio device pixels, its devicePixelRatio set.
QPixmap aboutPixmap(AboutPicture picture, qreal devicePixelRatio);

} // namespace corvane
