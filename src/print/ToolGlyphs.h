// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QIcon>

namespace corvane {

// The preview toolbar's pictures and the zoom tool's cursor, drawn in code so they stay crisp
// at any screen density.
enum class ToolGlyph { First, Prev, Next, Last, FitPage, FitWidth, Printer, Grid, Magnifier, Exit };

QIcon toolGlyph(ToolGlyph glyph);

// The magnifier cursor of the zoom tool, registered once (cursor number 40 of the preview).
const QCursor& zoomCursor();

} // namespace corvane
