// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TrayIcons.h"

#include "app/AlarmClockLayout.h"
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

// A point of the 256-unit design, in pixels around the layout's centre.
QPointF at(const AlarmClockLayout& l, qreal x, qreal y)
{
    return l.centre + QPointF(x - 128, y - 144) * l.scale;
}

void paintBellsAndLegs(QPainter& p, const AlarmClockLayout& l)
{
    const qreal pen = std::max(1.0, 8 * l.scale);
    p.setPen(QPen(outlineColor, pen, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(l, 70, 210), at(l, 44, 244));
    p.drawLine(at(l, 186, 210), at(l, 212, 244));
    p.setBrush(QColor(250, 200, 40));
    // The bells keep their designed outline even where it is thinner than a pixel: a whole
    // pixel would leave no yellow inside.
    p.setPen(QPen(outlineColor, 8, Qt::SolidLine, Qt::RoundCap));
    for (const qreal angle : {-40.0, 40.0}) {
        p.save();
        p.translate(at(l, 128, 140));
        p.scale(l.scale, l.scale);
        p.rotate(angle);
        p.drawChord(QRectF(-38, -134, 76, 60), 0, 180 * 16);
        p.restore();
    }
}

QRectF disc(QPointF centre, qreal radius)
{
    return {centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)};
}

void paintFace(QPainter& p, const AlarmClockLayout& l)
{
    p.setPen(QPen(outlineColor, l.outline));
    p.setBrush(clockRed);
    p.drawEllipse(disc(l.centre, l.rimRadius));
    if (!l.faceOutline)
        p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const QRectF face = disc(l.centre, l.faceRadius);
    p.drawEllipse(face);
    // A third of the face from twelve o'clock: time running out, as on the tray.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 110, 90));
    p.drawPie(face, 90 * 16, -120 * 16);
    if (l.ticks) {
        p.setPen(QPen(outlineColor, l.outline, Qt::SolidLine, Qt::RoundCap));
        for (int hour = 0; hour < 12; ++hour) {
            const qreal a = hour * M_PI / 6;
            const QPointF dir = QPointF(std::sin(a), -std::cos(a)) * l.scale;
            p.drawLine(l.centre + dir * 70, l.centre + dir * 78);
        }
    }
}

void paintHands(QPainter& p, const AlarmClockLayout& l)
{
    p.setPen(QPen(outlineColor, l.hand, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(l.centre, at(l, 128, 80));
    const qreal a = 4 * M_PI / 6;
    p.drawLine(l.centre, l.centre + QPointF(std::sin(a), -std::cos(a)) * 48 * l.scale);
    p.setPen(Qt::NoPen);
    p.setBrush(outlineColor);
    // At least a pixel all round the hands, so the hub still shows where they meet.
    const qreal hub = std::max(12 * l.scale, l.hand / 2 + 1);
    p.drawEllipse(l.centre, hub, hub);
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
    const AlarmClockLayout layout = alarmClockLayout(size);
    paintBellsAndLegs(p, layout);
    paintFace(p, layout);
    paintHands(p, layout);
    return image;
}

QIcon applicationIcon()
{
    return paintedIcon([](int size) { return applicationIconImage(size); });
}

} // namespace corvane
