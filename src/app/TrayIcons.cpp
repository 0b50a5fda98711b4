// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TrayIcons.h"

#include "app/PaintedIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

const QColor clockRed(220, 20, 20);
const QColor chequerYellowColor(255, 220, 0);
const QColor outlineColor(40, 40, 40);

QImage transparentImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void paintChequer(QPainter& p, const QRectF& disc, int size)
{
    const int cell = std::max(2, size / 8);
    const int cells = (size + cell - 1) / cell;
    const int offset = (size - cells * cell) / 2;
    QPainterPath clip;
    clip.addEllipse(disc);
    p.save();
    p.setClipPath(clip);
    p.fillRect(disc, Qt::white);
    for (int row = 0; row < cells; ++row)
        for (int column = 0; column < cells; ++column)
            if (chequerYellow(column, row))
                p.fillRect(QRect(offset + column * cell, offset + row * cell, cell, cell),
                    chequerYellowColor);
    p.restore();
}

void paintClock(QPainter& p, int index, int size)
{
    const qreal line = std::max(1.0, size / 16.0);
    const QRectF disc(line / 2, line / 2, size - line, size - line);
    paintChequer(p, disc, size);
    const SectorAngles sector = clockSector(index);
    p.setPen(Qt::NoPen);
    p.setBrush(clockRed);
    p.drawPie(disc, sector.start, sector.span);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outlineColor, line));
    p.drawEllipse(disc);
}

// The alarm clock is laid out on a 256-unit square; pen widths grow at small sizes so the
// outline still covers a whole pixel.
qreal unitPen(int size, qreal units)
{
    return std::max(units, 256.0 / size);
}

void paintBellsAndLegs(QPainter& p, int size)
{
    p.setPen(QPen(outlineColor, unitPen(size, 8), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 210), QPointF(44, 244));
    p.drawLine(QPointF(186, 210), QPointF(212, 244));
    p.setBrush(QColor(250, 200, 40));
    for (const qreal angle : {-40.0, 40.0}) {
        p.save();
        p.translate(128, 140);
        p.rotate(angle);
        p.drawChord(QRectF(-38, -134, 76, 60), 0, 180 * 16);
        p.restore();
    }
}

void paintFace(QPainter& p, int size)
{
    const QRectF rim(24, 40, 208, 208);
    p.setPen(QPen(outlineColor, unitPen(size, 6)));
    p.setBrush(clockRed);
    p.drawEllipse(rim);
    const QRectF face = rim.adjusted(22, 22, -22, -22);
    p.setBrush(Qt::white);
    p.drawEllipse(face);
    // A third of the face from twelve o'clock: time running out, as on the tray.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 110, 90));
    p.drawPie(face, 90 * 16, -120 * 16);
    if (size >= 32) {
        p.setPen(QPen(outlineColor, unitPen(size, 6), Qt::SolidLine, Qt::RoundCap));
        for (int hour = 0; hour < 12; ++hour) {
            const qreal a = hour * M_PI / 6;
            const QPointF dir(std::sin(a), -std::cos(a));
            p.drawLine(face.center() + dir * 70, face.center() + dir * 78);
        }
    }
}

void paintHands(QPainter& p, int size)
{
    const QPointF centre(128, 144);
    p.setPen(QPen(outlineColor, unitPen(size, 12), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, -64));
    const qreal a = 4 * M_PI / 6;
    p.drawLine(centre, centre + QPointF(std::sin(a), -std::cos(a)) * 48);
    p.setPen(Qt::NoPen);
    p.setBrush(outlineColor);
    p.drawEllipse(centre, unitPen(size, 12), unitPen(size, 12));
}

} // namespace

SectorAngles clockSector(int index)
{
    const int quarters = std::clamp(index, 0, clockIconCount - 1) + 1;
    return {90 * 16, -quarters * 90 * 16};
}

bool chequerYellow(int column, int row)
{
    return (column + row) % 2 == 0;
}

QImage clockIconImage(int index, int size)
{
    QImage image = transparentImage(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintClock(p, index, size);
    return image;
}

QIcon clockIcon(int index)
{
    return paintedIcon([index](int size) { return clockIconImage(index, size); });
}

QList<QIcon> clockImageList()
{
    QList<QIcon> icons;
    for (int i = 0; i < clockIconCount; ++i)
        icons << clockIcon(i);
    return icons;
}

QImage applicationIconImage(int size)
{
    QImage image = transparentImage(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    paintBellsAndLegs(p, size);
    paintFace(p, size);
    paintHands(p, size);
    return image;
}

QIcon applicationIcon()
{
    return paintedIcon([](int size) { return applicationIconImage(size); });
}

} // namespace corvane
