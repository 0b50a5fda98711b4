// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppIcons.h"

#include "app/PaintedIcon.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace corvane {

namespace {

QPen outline(const QColor& c, qreal w = 1.0)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void paintScreen(QPainter& p)
{
    p.setPen(outline(QColor(40, 40, 48)));
    p.setBrush(QColor(110, 112, 124));
    p.drawRoundedRect(QRectF(0.5, 1.5, 15, 11), 1.5, 1.5);
    // The chequered screen.
    const QRectF screen(2, 3, 12, 8);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            p.fillRect(QRectF(screen.left() + x * 2, screen.top() + y * 2, 2, 2),
                (x + y) % 2 ? QColor(250, 250, 250) : QColor(30, 90, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(QRectF(6.5, 12.5, 3, 1.5));
    p.drawRoundedRect(QRectF(3.5, 14, 9, 1.8), 0.8, 0.8);
}

void paintPad(QPainter& p)
{
    p.setPen(outline(QColor(90, 80, 40)));
    p.setBrush(QColor(255, 248, 200));
    p.drawRect(QRectF(1.5, 2.5, 10, 13));
    p.setPen(outline(QColor(120, 150, 220), 0.8));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(3, 6 + i * 2), QPointF(10, 6 + i * 2));
    p.setPen(outline(QColor(60, 60, 60), 1.2));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(3 + i * 2.5, 1), QPointF(3 + i * 2.5, 3.5));
    // The pencil, lying from the upper right to the lower left over the pad.
    p.save();
    p.translate(9.5, 10);
    p.rotate(-50);
    p.setPen(outline(QColor(80, 50, 0), 0.8));
    p.setBrush(QColor(250, 190, 30));
    p.drawRect(QRectF(-1.5, -7, 3, 9));
    p.setBrush(QColor(240, 130, 150));
    p.drawRect(QRectF(-1.5, -8.8, 3, 1.8));
    QPainterPath tip;
    tip.moveTo(-1.5, 2);
    tip.lineTo(1.5, 2);
    tip.lineTo(0, 5);
    tip.closeSubpath();
    p.setBrush(QColor(240, 215, 170));
    p.drawPath(tip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(0, 4.3), 0.6, 0.6);
    p.restore();
}

void paintPage(QPainter& p)
{
    QPainterPath page;
    page.moveTo(2.5, 0.5);
    page.lineTo(10.5, 0.5);
    page.lineTo(13.5, 3.5);
    page.lineTo(13.5, 15.5);
    page.lineTo(2.5, 15.5);
    page.closeSubpath();
    p.setPen(outline(QColor(90, 90, 100)));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(QColor(215, 215, 225));
    QPainterPath fold;
    fold.moveTo(10.5, 0.5);
    fold.lineTo(10.5, 3.5);
    fold.lineTo(13.5, 3.5);
    p.drawPath(fold);
    p.setPen(outline(QColor(60, 60, 70), 0.9));
    const qreal widths[] = {6, 8, 8, 5, 8, 7};
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(4.5, 5.5 + i * 1.8), QPointF(4.5 + widths[i], 5.5 + i * 1.8));
}

void paintShapes(QPainter& p)
{
    p.setPen(outline(QColor(150, 110, 0)));
    p.setBrush(QColor(255, 215, 0));
    p.drawEllipse(QRectF(0.5, 0.5, 10, 10));
    p.setPen(outline(QColor(0, 30, 110)));
    p.setBrush(QColor(30, 80, 220));
    p.drawRect(QRectF(7.5, 6.5, 8, 8));
    QPainterPath tri;
    tri.moveTo(4.5, 7);
    tri.lineTo(9, 15.5);
    tri.lineTo(0.5, 15.5);
    tri.closeSubpath();
    p.setPen(outline(QColor(120, 0, 0)));
    p.setBrush(QColor(225, 30, 30));
    p.drawPath(tri);
}

void paintInfo(QPainter& p)
{
    QRadialGradient g(QPointF(6, 5), 10);
    g.setColorAt(0, QColor(90, 150, 255));
    g.setColorAt(1, QColor(20, 60, 190));
    p.setPen(outline(QColor(10, 40, 130)));
    p.setBrush(g);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.3), 1.4, 1.4);
    p.drawRoundedRect(QRectF(6.8, 6.6, 2.4, 6.6), 0.6, 0.6);
    p.drawRect(QRectF(5.8, 6.6, 2, 1.2));
    p.drawRect(QRectF(5.8, 12.2, 4.4, 1.2));
}

void paintBook(QPainter& p)
{
    p.setPen(outline(QColor(60, 0, 80)));
    p.setBrush(QColor(235, 230, 215));
    p.drawRect(QRectF(3.5, 12.5, 11, 2.5)); // the pages, seen from below
    p.setBrush(QColor(130, 40, 170));
    p.drawRoundedRect(QRectF(1.5, 0.5, 13, 12.5), 1, 1);
    p.setPen(outline(QColor(90, 20, 120), 1.2));
    p.drawLine(QPointF(3.5, 1), QPointF(3.5, 12.5));
    QFont f = QGuiApplication::font(); // the face the window uses anyway: no extra font loaded
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(255, 240, 120));
    p.drawText(QRectF(3.5, 0.5, 11, 12.5), Qt::AlignCenter, QStringLiteral("?"));
}

void paintExit(QPainter& p)
{
    p.setPen(outline(QColor(70, 45, 20)));
    p.setBrush(QColor(160, 105, 55));
    p.drawRect(QRectF(1.5, 1.5, 8, 13)); // the door
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 120));
    p.drawEllipse(QPointF(7.5, 8.5), 0.8, 0.8);
    QPainterPath arrow;
    arrow.moveTo(8.5, 7);
    arrow.lineTo(12, 7);
    arrow.lineTo(12, 4.5);
    arrow.lineTo(15.5, 8.5);
    arrow.lineTo(12, 12.5);
    arrow.lineTo(12, 10);
    arrow.lineTo(8.5, 10);
    arrow.closeSubpath();
    p.setPen(outline(QColor(0, 90, 0)));
    p.setBrush(QColor(40, 180, 60));
    p.drawPath(arrow);
}

// An open folder, drawn in two steps so something can stand in it between them.
void paintFolderBack(QPainter& p)
{
    p.setPen(outline(QColor(130, 90, 0)));
    p.setBrush(QColor(240, 190, 60));
    p.drawRect(QRectF(0.5, 3.5, 13, 10.5));
}

void paintFolderLid(QPainter& p)
{
    p.setPen(outline(QColor(130, 90, 0)));
    p.setBrush(QColor(255, 220, 110));
    QPainterPath lid;
    lid.moveTo(0.5, 14);
    lid.lineTo(3, 7.5);
    lid.lineTo(15.5, 7.5);
    lid.lineTo(13.5, 14);
    lid.closeSubpath();
    p.drawPath(lid);
}

void paintOpenSound(QPainter& p)
{
    paintFolderBack(p);
    paintFolderLid(p);
    p.setPen(outline(QColor(20, 20, 120), 1.2));
    p.drawLine(QPointF(10.5, 1), QPointF(10.5, 8)); // a note on the folder
    p.drawLine(QPointF(10.5, 1), QPointF(13, 2.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 120));
    p.drawEllipse(QPointF(9.2, 8.3), 1.6, 1.2);
}

void paintOpenPicture(QPainter& p)
{
    paintFolderBack(p);
    // A small framed landscape standing in the folder: sky, a hill and a sun.
    p.setPen(outline(QColor(40, 40, 60), 0.8));
    p.setBrush(QColor(150, 210, 250));
    p.drawRect(QRectF(6.5, 0.5, 9, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 160, 60));
    QPainterPath hill;
    hill.moveTo(7, 7);
    hill.quadTo(10, 2.5, 15, 7);
    hill.closeSubpath();
    p.drawPath(hill);
    p.setBrush(QColor(255, 210, 40));
    p.drawEllipse(QPointF(9, 2.8), 1.1, 1.1);
    paintFolderLid(p);
}

void paintAddEntry(QPainter& p)
{
    paintPage(p);
    p.setPen(outline(QColor(0, 90, 0)));
    p.setBrush(QColor(40, 180, 60));
    QPainterPath plus;
    plus.addRect(QRectF(8.5, 6.5, 3, 9));
    plus.addRect(QRectF(5.5, 9.5, 9, 3));
    p.drawPath(plus.simplified());
}

void paintRename(QPainter& p)
{
    p.setPen(outline(QColor(40, 40, 60), 1.2));
    p.drawLine(QPointF(1, 14.5), QPointF(15, 14.5));
    p.save();
    p.translate(9, 7);
    p.rotate(45);
    p.setPen(outline(QColor(80, 50, 0), 0.8));
    p.setBrush(QColor(250, 190, 30));
    p.drawRect(QRectF(-1.6, -7, 3.2, 9));
    p.setBrush(QColor(240, 215, 170));
    QPainterPath tip;
    tip.moveTo(-1.6, 2);
    tip.lineTo(1.6, 2);
    tip.lineTo(0, 5.5);
    tip.closeSubpath();
    p.drawPath(tip);
    p.restore();
}

void paintDelete(QPainter& p)
{
    QPainterPath cross;
    cross.moveTo(2, 4);
    cross.lineTo(4, 2);
    cross.lineTo(8, 6);
    cross.lineTo(12, 2);
    cross.lineTo(14, 4);
    cross.lineTo(10, 8);
    cross.lineTo(14, 12);
    cross.lineTo(12, 14);
    cross.lineTo(8, 10);
    cross.lineTo(4, 14);
    cross.lineTo(2, 12);
    cross.lineTo(6, 8);
    cross.closeSubpath();
    p.setPen(outline(QColor(120, 0, 0)));
    p.setBrush(QColor(220, 30, 30));
    p.drawPath(cross);
}

void paintOk(QPainter& p)
{
    QPainterPath tick;
    tick.moveTo(1, 8.5);
    tick.lineTo(3.5, 6);
    tick.lineTo(6.5, 9);
    tick.lineTo(13, 2.5);
    tick.lineTo(15.5, 5);
    tick.lineTo(6.5, 14);
    tick.closeSubpath();
    p.setPen(outline(QColor(0, 90, 0)));
    p.setBrush(QColor(40, 180, 60));
    p.drawPath(tick);
}

void paintLens(QPainter& p, QPointF centre, qreal radius)
{
    p.setPen(outline(QColor(70, 50, 20), 2.2));
    const QPointF handle = centre + QPointF(radius, radius) * 0.72;
    p.drawLine(handle, handle + QPointF(4, 4));
    p.setPen(outline(QColor(40, 40, 60), 1.1));
    p.setBrush(QColor(200, 230, 255, 200));
    p.drawEllipse(centre, radius, radius);
}

void paintPrintPreview(QPainter& p)
{
    paintPage(p);
    paintLens(p, QPointF(8, 8.5), 3.6);
}

void paintPrint(QPainter& p)
{
    p.setPen(outline(QColor(90, 90, 100)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 0.5, 7, 6)); // the paper waiting at the back
    p.setPen(outline(QColor(50, 50, 70)));
    p.setBrush(QColor(150, 160, 180));
    p.drawRoundedRect(QRectF(0.5, 5.5, 15, 6.5), 1.2, 1.2);
    p.setPen(outline(QColor(90, 90, 100)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 9.5, 9, 6)); // the printed page coming out
    p.setPen(outline(QColor(60, 60, 70), 0.8));
    for (qreal y : {11.5, 13.5})
        p.drawLine(QPointF(5, y), QPointF(11, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 180, 60));
    p.drawEllipse(QPointF(13, 7.5), 0.9, 0.9);
}

void paintFind(QPainter& p)
{
    p.setPen(outline(QColor(60, 60, 70), 0.9));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(0.5, 1.5 + i * 3), QPointF(i % 2 ? 10.5 : 14.5, 1.5 + i * 3));
    paintLens(p, QPointF(7, 7), 4.2);
}

// Drawn on an image, not a pixmap: no window system is needed to draw, only to show.
template <typename Paint> QImage renderImage(int size, Paint paint)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 16.0, size / 16.0);
    paint(p);
    return image;
}

template <typename Paint> QIcon renderIcon(Paint paint)
{
    return paintedIcon([paint](int size) { return renderImage(size, paint); });
}

} // namespace

void paintTabIcon(QPainter& painter, TabIcon icon)
{
    switch (icon) {
    case TabIcon::Display:
        return paintScreen(painter);
    case TabIcon::Enter:
        return paintPad(painter);
    case TabIcon::List:
        return paintPage(painter);
    case TabIcon::Options:
        return paintShapes(painter);
    case TabIcon::About:
        return paintInfo(painter);
    case TabIcon::Help:
        return paintBook(painter);
    }
}

QIcon tabIcon(TabIcon icon)
{
    return renderIcon([icon](QPainter& p) { paintTabIcon(p, icon); });
}

QIcon buttonIcon(ButtonIcon icon)
{
    switch (icon) {
    case ButtonIcon::Exit:
        return renderIcon(paintExit);
    case ButtonIcon::OpenSound:
        return renderIcon(paintOpenSound);
    case ButtonIcon::OpenPicture:
        return renderIcon(paintOpenPicture);
    case ButtonIcon::AddEntry:
        return renderIcon(paintAddEntry);
    case ButtonIcon::Rename:
        return renderIcon(paintRename);
    case ButtonIcon::Delete:
        return renderIcon(paintDelete);
    case ButtonIcon::Ok:
        return renderIcon(paintOk);
    case ButtonIcon::PrintPreview:
        return renderIcon(paintPrintPreview);
    case ButtonIcon::Print:
        return renderIcon(paintPrint);
    case ButtonIcon::Find:
        return renderIcon(paintFind);
    }
    return {};
}

QList<QIcon> progImageList()
{
    QList<QIcon> list;
    for (int i = 0; i < tabIconCount; ++i)
        list << tabIcon(TabIcon(i));
    return list;
}

} // namespace corvane
