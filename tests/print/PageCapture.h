// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/PageCanvas.h"

#include <QPointF>
#include <QString>
#include <QVector>

namespace corvane::test {

// A text run as a page picture draws it: the text and its baseline origin in recorded units.
struct TextRun {
    QString text;
    QPointF origin;
};

// Replays a page onto a device that keeps the drawn text instead of pixels: with
// `visibleOnly`, what the clip lets show; otherwise all text recorded, as a PDF would carry it.
QVector<TextRun> capturedText(const PagePicture& page, bool visibleOnly = true);
QString joinedText(const QVector<TextRun>& runs);
QString joinedTextOf(const PagePicture& page);

} // namespace corvane::test
