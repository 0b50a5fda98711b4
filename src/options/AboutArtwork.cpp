// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "options/AboutArtwork.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace corvane {

namespace {

// Corvane's yellow and red, the title's night sky, and the two blues of the PayPal wordmark.
const QColor skyTop(5, 10, 32);
const QColor skyMiddle(9, 24, 64);
const QColor skyBottom(12, 48, 88);
const QColor dialLine(130, 180, 240);
const QColor teal(0, 150, 150);
const QColor corvaneYellow(255, 220, 0);
const QColor corvaneRed(220, 20, 20);
const QColor payPalNavy(0, 48, 135);
const QColor payPalBlue(0, 156, 222);

QPen outline(const QColor& c, qreal w = 1.0)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

// Fonts in pixels, so a picture has the same proportions on every screen; both families
// ship with every Debian desktop.
QFont pixelFont(const char* family, qreal pixels, bool bold = false, bool italic = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(qMax(1, qRound(pixels)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// The point at `minutes` past twelve on a dial, as on a clock face.
QPointF onDial(const QPointF& centre, qreal radius, qreal minutes)
{
    const qreal a = minutes * M_PI / 30;
    return centre + QPointF(std::sin(a), -std::cos(a)) * radius;
}

// ---- Title --------------------------------------------------------------------------------

const QSizeF titleSize(339, 228);
const QPointF dialCentre(238, 110);
constexpr qreal dialRadius = 92;
constexpr qreal starlessBelow = 176; // stars stay above the horizon

void paintSky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, titleSize.height());
    sky.setColorAt(0, skyTop);
    sky.setColorAt(0.55, skyMiddle);
    sky.setColorAt(1, skyBottom);
    p.fillRect(QRectF(QPointF(), titleSize), sky);
    // A soft light behind the dial, as of a moon behind thin cloud.
    QRadialGradient glow(dialCentre, 150);
    glow.setColorAt(0, QColor(60, 110, 190, 90));
    glow.setColorAt(1, QColor(60, 110, 190, 0));
    p.fillRect(QRectF(QPointF(), titleSize), glow);
}

// Fixed pseudo-random stars: the same sky at every start and every scale.
void paintStars(QPainter& p)
{
    quint32 seed = 20240611;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / double(1 << 24);
    };
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 46; ++i) {
        const QPointF at(next() * titleSize.width(), next() * starlessBelow);
        const qreal radius = 0.4 + next() * 0.8;
        p.setBrush(QColor(220, 230, 255, 60 + int(next() * 140)));
        p.drawEllipse(at, radius, radius);
    }
}

void paintDialTicks(QPainter& p)
{
    for (int minute = 0; minute < 60; ++minute) {
        const bool hour = minute % 5 == 0;
        p.setPen(outline(withAlpha(dialLine, hour ? 110 : 45), hour ? 2.0 : 1.0));
        p.drawLine(onDial(dialCentre, dialRadius - (hour ? 11 : 5), minute),
            onDial(dialCentre, dialRadius - 1, minute));
    }
}

// The time that has run, as a band of teal light sweeping clockwise from twelve.
void paintDialSweep(QPainter& p)
{
    QConicalGradient sweep(dialCentre, 90);
    sweep.setColorAt(0, withAlpha(teal, 150));
    sweep.setColorAt(0.70, withAlpha(teal, 0));
    sweep.setColorAt(1, withAlpha(teal, 0));
    QPainterPath ring;
    ring.addEllipse(dialCentre, dialRadius + 6, dialRadius + 6);
    ring.addEllipse(dialCentre, dialRadius + 2, dialRadius + 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(sweep));
    p.save();
    p.scale(-1, 1); // the conical gradient runs counter-clockwise; mirror it about the dial
    p.translate(-2 * dialCentre.x(), 0);
    p.drawPath(ring);
    p.restore();
}

void paintDial(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(withAlpha(dialLine, 70), 1.2));
    p.drawEllipse(dialCentre, dialRadius, dialRadius);
    p.setPen(outline(withAlpha(dialLine, 30), 1.0));
    p.drawEllipse(dialCentre, dialRadius - 18, dialRadius - 18);
    paintDialTicks(p);
    paintDialSweep(p);
    p.setPen(outline(withAlpha(dialLine, 55), 3.0));
    p.drawLine(dialCentre, onDial(dialCentre, dialRadius * 0.5, 50));
    p.setPen(outline(withAlpha(dialLine, 45), 2.0));
    p.drawLine(dialCentre, onDial(dialCentre, dialRadius * 0.75, 10));
}

// A low hill of teal light along the bottom, so the page's top does not end in a flat edge.
void paintHorizon(QPainter& p)
{
    QPainterPath hill;
    hill.moveTo(0, 200);
    hill.cubicTo(90, 178, 220, 214, titleSize.width(), 188);
    hill.lineTo(titleSize.width(), titleSize.height());
    hill.lineTo(0, titleSize.height());
    hill.closeSubpath();
    QLinearGradient light(0, 180, 0, titleSize.height());
    light.setColorAt(0, QColor(20, 120, 130, 110));
    light.setColorAt(1, QColor(4, 30, 50, 220));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawPath(hill);
}

// The program's name stands across the middle: darken that band so nothing competes with it.
void paintQuietBand(QPainter& p)
{
    QLinearGradient band(0, 70, 0, 165);
    band.setColorAt(0, QColor(4, 10, 30, 0));
    band.setColorAt(0.35, QColor(4, 10, 30, 120));
    band.setColorAt(0.65, QColor(4, 10, 30, 120));
    band.setColorAt(1, QColor(4, 10, 30, 0));
    p.fillRect(QRectF(0, 70, titleSize.width(), 95), band);
}

void paintTitle(QPainter& p)
{
    paintSky(p);
    paintStars(p);
    paintDial(p);
    paintHorizon(p);
    paintQuietBand(p);
}

// ---- Logo ---------------------------------------------------------------------------------

// Corvane's mark: the application icon's face in small, white with a red third.
void paintLogoMark(QPainter& p, const QRectF& box)
{
    p.setPen(outline(QColor(255, 255, 255, 230), 1.4));
    p.setBrush(corvaneRed);
    p.drawEllipse(box);
    const QRectF face = box.adjusted(3, 3, -3, -3);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(face);
    p.setBrush(QColor(255, 110, 90));
    p.drawPie(face, 90 * 16, -120 * 16);
    p.setPen(outline(QColor(40, 40, 40), 1.4));
    p.drawLine(face.center(), face.center() + QPointF(0, -face.height() * 0.36));
    p.drawLine(face.center(), face.center() + QPointF(face.width() * 0.26, face.height() * 0.1));
}

void paintLogo(QPainter& p)
{
    paintLogoMark(p, QRectF(2, 2, 26, 26));
    p.setPen(Qt::white);
    p.setFont(pixelFont("Liberation Sans", 16, true));
    p.drawText(QRectF(33, 0, 87, 18), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Corvane"));
    QFont small = pixelFont("Liberation Sans", 10, true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    p.setFont(small);
    p.setPen(corvaneYellow);
    p.drawText(QRectF(34, 18, 86, 12), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("PROJECT"));
}

// ---- Badge --------------------------------------------------------------------------------

void paintBadgeDisc(QPainter& p)
{
    QRadialGradient g(QPointF(20, 16), 34);
    g.setColorAt(0, QColor(40, 170, 110));
    g.setColorAt(1, QColor(0, 95, 60));
    p.setPen(outline(QColor(0, 60, 40), 1.2));
    p.setBrush(g);
    p.drawEllipse(QRectF(1, 1, 48, 48));
    p.setPen(outline(QColor(255, 255, 255, 200), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4, 4, 42, 42));
}

void paintEye(QPainter& p)
{
    QPainterPath eye;
    eye.moveTo(12, 19);
    eye.quadTo(25, 7, 38, 19);
    eye.quadTo(25, 31, 12, 19);
    p.setPen(outline(QColor(0, 50, 30), 1.0));
    p.setBrush(Qt::white);
    p.drawPath(eye);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 80, 160));
    p.drawEllipse(QPointF(25, 19), 4.6, 4.6);
    p.setBrush(QColor(10, 20, 40));
    p.drawEllipse(QPointF(25, 19), 2.0, 2.0);
}

void paintBadge(QPainter& p)
{
    paintBadgeDisc(p);
    paintEye(p);
    // The slash, white-edged so it reads on the eye and on the green alike.
    const QLineF slash(QPointF(16, 28), QPointF(34, 10));
    p.setPen(outline(Qt::white, 4.2));
    p.drawLine(slash);
    p.setPen(outline(corvaneRed, 2.4));
    p.drawLine(slash);
    p.setPen(Qt::white);
    p.setFont(pixelFont("Liberation Sans", 9, true));
    p.drawText(QRectF(8, 30, 34, 11), Qt::AlignCenter, QStringLiteral("NO SPY"));
}

// ---- Link and mail icons ------------------------------------------------------------------

// Centred on a pixel's middle, so the equator and the meridian fall on whole pixels at 1x.
void paintGlobe(QPainter& p)
{
    const QRectF ball(0.5, 0.5, 14, 14);
    const QPointF centre = ball.center();
    QRadialGradient g(centre - QPointF(2, 2.5), 10);
    g.setColorAt(0, QColor(110, 190, 255));
    g.setColorAt(1, QColor(20, 90, 190));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(ball);
    QPainterPath inside;
    inside.addEllipse(ball);
    p.save();
    p.setClipPath(inside);
    p.setPen(outline(QColor(230, 245, 255, 200), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 4.0, 7.0); // a meridian each side of the middle one
    for (const qreal y : {-4.0, 0.0, 4.0})
        p.drawLine(QPointF(0, centre.y() + y), QPointF(15, centre.y() + y));
    p.drawLine(QPointF(centre.x(), 0), QPointF(centre.x(), 15));
    p.restore();
    p.setPen(outline(QColor(10, 50, 130)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ball);
}

void paintEnvelope(QPainter& p)
{
    const QRectF body(0.5, 3.5, 15, 10);
    p.setPen(outline(QColor(90, 90, 100)));
    p.setBrush(QColor(255, 252, 235));
    p.drawRect(body);
    p.setPen(outline(QColor(150, 145, 130), 0.8));
    p.drawLine(QPointF(0.8, 13.2), QPointF(6, 8.2));
    p.drawLine(QPointF(15.2, 13.2), QPointF(10, 8.2));
    QPainterPath flap;
    flap.moveTo(0.5, 3.5);
    flap.lineTo(8, 9.5);
    flap.lineTo(15.5, 3.5);
    p.setPen(outline(QColor(90, 90, 100)));
    p.setBrush(QColor(240, 232, 200));
    p.drawPath(flap);
}

// ---- Donate -------------------------------------------------------------------------------

const QRectF donateFace(0.5, 0.5, 162, 70);

void paintDonateFace(QPainter& p)
{
    QLinearGradient g(0, 0, 0, donateFace.bottom());
    g.setColorAt(0, QColor(255, 214, 92));
    g.setColorAt(1, QColor(255, 184, 28));
    p.setPen(outline(QColor(200, 140, 0)));
    p.setBrush(g);
    p.drawRoundedRect(donateFace, 14, 14);
    // A highlight across the upper half, as on a raised key.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(donateFace.adjusted(3, 2, -3, -donateFace.height() / 2), 11, 11);
}

// "PayPal" in its two blues, centred on `baseline` at `centreX`.
void paintWordmark(QPainter& p, qreal centreX, qreal baseline)
{
    const QFont f = pixelFont("Liberation Sans", 27, true, true);
    const QFontMetricsF m(f);
    const QString pay = QStringLiteral("Pay"), pal = QStringLiteral("Pal");
    const qreal left = centreX - m.horizontalAdvance(pay + pal) / 2;
    p.setFont(f);
    p.setPen(payPalNavy);
    p.drawText(QPointF(left, baseline), pay);
    p.setPen(payPalBlue);
    p.drawText(QPointF(left + m.horizontalAdvance(pay), baseline), pal);
}

void paintDonate(QPainter& p)
{
    paintDonateFace(p);
    p.setPen(QColor(44, 46, 47));
    p.setFont(pixelFont("Liberation Sans", 22, true));
    p.drawText(QRectF(0, 6, 163, 28), Qt::AlignCenter, QStringLiteral("Donate"));
    paintWordmark(p, 81.5, 60);
}

using PaintFunction = void (*)(QPainter&);

PaintFunction painterFor(AboutPicture picture)
{
    switch (picture) {
    case AboutPicture::Title:
        return paintTitle;
    case AboutPicture::Logo:
        return paintLogo;
    case AboutPicture::Badge:
        return paintBadge;
    case AboutPicture::Link:
        return paintGlobe;
    case AboutPicture::Mail:
        return paintEnvelope;
    case AboutPicture::Donate:
        return paintDonate;
    }
    return nullptr;
}

} // namespace

QSize aboutPictureSize(AboutPicture picture)
{
    switch (picture) {
    case AboutPicture::Title:
        return {339, 228};
    case AboutPicture::Logo:
        return {120, 30};
    case AboutPicture::Badge:
        return {50, 50};
    case AboutPicture::Link:
    case AboutPicture::Mail:
        return {16, 16};
    case AboutPicture::Donate:
        return {163, 71};
    }
    return {};
}

QPixmap aboutPixmap(AboutPicture picture, qreal devicePixelRatio)
{
    // A ratio of zero, below or not a number would give no picture at all: draw at 1x then.
    const qreal ratio
        = devicePixelRatio > 0 && qIsFinite(devicePixelRatio) ? devicePixelRatio : 1.0;
    QImage image(aboutPictureSize(picture) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(ratio, ratio);
        if (const PaintFunction paint = painterFor(picture))
            paint(p);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace corvane
