// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace corvane {

namespace {
using Drawing = std::function<void(QPainter&)>;
const QColor kInk(0x20, 0x30, 0x50);
const QColor kPaper(Qt::white);

// Pictures are drawn on a 20 × 20 grid, at one and two device pixels per unit.
QPixmap render(int unitPixels, int grid, const Drawing& draw)
{
    QPixmap pm(grid * unitPixels, grid * unitPixels);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(unitPixels, unitPixels);
    draw(p);
    p.end();
    pm.setDevicePixelRatio(unitPixels);
    return pm;
}

void triangle(QPainter& p, double tipX, double dir)
{
    QPainterPath path;
    path.moveTo(tipX, 10);
    path.lineTo(tipX - 6 * dir, 4);
    path.lineTo(tipX - 6 * dir, 16);
    path.closeSubpath();
    p.fillPath(path, kInk);
}

void bar(QPainter& p, double x)
{
    p.fillRect(QRectF(x, 4, 2, 12), kInk);
}

void sheet(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void doubleArrow(QPainter& p, QPointF a, QPointF b)
{
    p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
    const QPointF d = (b - a) / std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    const QPointF n(-d.y(), d.x());
    for (const auto& [tip, dir] : {std::pair{a, d}, std::pair{b, -d}}) {
        p.drawLine(tip, tip + 3 * dir + 3 * n);
        p.drawLine(tip, tip + 3 * dir - 3 * n);
    }
}

void magnifier(QPainter& p)
{
    p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 12), QPointF(17.5, 17.5));
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(QColor(0xd8, 0xe8, 0xff));
    p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
}

void printer(QPainter& p)
{
    sheet(p, QRectF(5.5, 2.5, 9, 6));
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(0xb0, 0xb8, 0xc8));
    p.drawRoundedRect(QRectF(2.5, 8.5, 15, 7), 1.5, 1.5);
    sheet(p, QRectF(5.5, 12.5, 9, 5));
    p.fillRect(QRectF(14.5, 10, 1.5, 1.5), QColor(0x30, 0xa0, 0x30));
}

void grid(QPainter& p)
{
    sheet(p, QRectF(3.5, 2.5, 13, 15));
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    for (double v : {7.5, 11.5})
        p.drawLine(QPointF(v, 2.5), QPointF(v, 17.5));
    for (double v : {6.5, 10.5, 14.5})
        p.drawLine(QPointF(3.5, v), QPointF(16.5, v));
}

void exitDoor(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(0xc8, 0x9a, 0x60));
    p.drawRect(QRectF(3.5, 2.5, 8, 15));
    p.fillRect(QRectF(9, 10, 1.2, 1.2), kInk);
    p.setPen(QPen(QColor(0xb0, 0x20, 0x20), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(10, 10), QPointF(18, 10));
    p.drawLine(QPointF(18, 10), QPointF(15, 7));
    p.drawLine(QPointF(18, 10), QPointF(15, 13));
}

Drawing drawingFor(ToolGlyph glyph)
{
    switch (glyph) {
    case ToolGlyph::First:
        return [](QPainter& p) {
            bar(p, 4);
            triangle(p, 7, -1);
            triangle(p, 12, -1);
        };
    case ToolGlyph::Prev:
        return [](QPainter& p) { triangle(p, 7, -1); };
    case ToolGlyph::Next:
        return [](QPainter& p) { triangle(p, 13, 1); };
    case ToolGlyph::Last:
        return [](QPainter& p) {
            triangle(p, 8, 1);
            triangle(p, 13, 1);
            bar(p, 14);
        };
    case ToolGlyph::FitPage:
        return [](QPainter& p) {
            sheet(p, QRectF(5.5, 1.5, 9, 17));
            doubleArrow(p, QPointF(10, 4), QPointF(10, 16));
        };
    case ToolGlyph::FitWidth:
        return [](QPainter& p) {
            sheet(p, QRectF(1.5, 4.5, 17, 11));
            doubleArrow(p, QPointF(4, 10), QPointF(16, 10));
        };
    case ToolGlyph::Printer:
        return printer;
    case ToolGlyph::Grid:
        return grid;
    case ToolGlyph::Magnifier:
        return magnifier;
    case ToolGlyph::Exit:
        return exitDoor;
    }
    return [](QPainter&) {};
}
} // namespace

QIcon toolGlyph(ToolGlyph glyph)
{
    const Drawing draw = drawingFor(glyph);
    QIcon icon;
    for (int scale : {1, 2})
        icon.addPixmap(render(scale, 20, draw));
    return icon;
}

const QCursor& zoomCursor()
{
    // White halo under the ink, so the cursor shows on dark and light pages alike.
    static const QCursor cursor = [] {
        QPixmap pm(32, 32);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(1.6, 1.6);
        {
            p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(12, 12), QPointF(17.5, 17.5));
            p.setPen(QPen(Qt::white, 4));
            p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
            magnifier(p);
            p.setPen(QPen(kInk, 1.2));
            p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
            p.drawLine(QPointF(8, 5.5), QPointF(8, 10.5));
        }
        p.end();
        return QCursor(pm, 13, 13); // the hot spot is the lens's centre
    }();
    return cursor;
}

} // namespace corvane
