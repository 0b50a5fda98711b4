// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

namespace corvane {

// The tray's pictures: ClockImgList, four small discs with a yellow and white chequered face
// whose red sector grows clockwise from twelve o'clock a quarter at a time (index 0 a quarter,
// 3 the whole disc), and Corvane's own icon, an alarm clock with a red quarter on its face.
// Every size is painted for itself, so small icons stay sharp.

constexpr int clockIconCount = 4;

// A pie sector in QPainter's units: sixteenths of a degree, 0 at three o'clock,
// counter-clockwise positive.
struct SectorAngles {
    int start;
    int span;
};

// The red part of clock icon index (clamped to 0..3): from twelve o'clock, clockwise,
// (index + 1) quarters.
SectorAngles clockSector(int index);

// Whether the cell (column, row) of the face's chequer is yellow (else white).
bool chequerYellow(int column, int row);

QImage clockIconImage(int index, int size);
QIcon clockIcon(int index);
// ClockImgList: the four icons in their index order, pixmaps for 16, 22, 24, 32 and 48.
QList<QIcon> clockImageList();

QImage applicationIconImage(int size);
// Pixmaps for 16, 22, 24, 32, 48, 64, 128 and 256 pixels.
QIcon applicationIcon();

} // namespace corvane
