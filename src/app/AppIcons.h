// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QList>

class QPainter;

namespace corvane {

// The six page icons of the main window, drawn in code so they stay crisp at any scale:
// 0 a chequered screen, 1 a writing pad with a pencil, 2 a page of text, 3 a yellow circle with
// a blue square and a red triangle, 4 a white "i" on a blue disc, 5 a purple book with a
// question mark.
enum class TabIcon { Display, Enter, List, Options, About, Help };
constexpr int tabIconCount = 6;

// Paints the icon into the 16 x 16 box at the painter's origin (scale the painter for
// larger sizes).
void paintTabIcon(QPainter& painter, TabIcon icon);

// The icon with pixmaps for 16, 24, 32 and 48 pixels.
QIcon tabIcon(TabIcon icon);

// ProgImgLst: the icons in their image-list order.
QList<QIcon> progImageList();

// The pictures of the main window's buttons.
enum class ButtonIcon {
    Exit, // a door with an arrow leading out
    OpenSound, // an open folder with a note
    OpenPicture, // an open folder with a small landscape picture
    AddEntry, // a page with a green plus
    Rename, // a pencil over a line of text
    Delete, // a red cross
    Ok, // a green tick, for the options window's OK button
    PrintPreview, // a page under a magnifying glass
    Print, // a printer with a page coming out
    Find, // a magnifying glass over lines of text
};
QIcon buttonIcon(ButtonIcon icon);

} // namespace corvane
