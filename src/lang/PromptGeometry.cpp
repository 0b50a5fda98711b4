// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/PromptGeometry.h"

namespace corvane {

namespace {
constexpr int fieldLeft = 10;
constexpr int gap = 20;
constexpr int listHeight = 80;
constexpr int halfWidth = promptDialogWidth / 2;

// The bottom as the original layout counts it: one past the last row.
int bottomOf(const QRect& r)
{
    return r.y() + r.height();
}

// A message wider than the narrow width is wrapped to it; a shorter one keeps its size. It
// starts at the field's left edge rather than the standard box's indent, which would push a
// 270-pixel message past the right edge of the 300-pixel dialog.
PromptGeometry placeMessageAndField(const PromptMetrics& m, int fieldHeight)
{
    PromptGeometry g;
    g.wrapLabel = m.labelSize.width() > promptNarrowWidth;
    const QSize labelSize = g.wrapLabel ? QSize(promptNarrowWidth, m.wrappedHeight) : m.labelSize;
    g.label = QRect(QPoint(fieldLeft, m.labelPos.y()), labelSize);
    g.field = QRect(fieldLeft, bottomOf(g.label) + gap, promptNarrowWidth, fieldHeight);
    return g;
}

QRect buttonAt(int left, int top, const QSize& size)
{
    return QRect(QPoint(left, top), size);
}
} // namespace

PromptGeometry inputGeometry(const PromptMetrics& m)
{
    PromptGeometry g = placeMessageAndField(m, m.fieldHeight);
    const int top = bottomOf(g.field) + gap;
    if (!m.buttons.isEmpty())
        g.buttons << buttonAt(halfWidth - m.buttons[0].width() - 10, top, m.buttons[0]);
    if (m.buttons.size() > 1)
        g.buttons << buttonAt(halfWidth + 10, top, m.buttons[1]);
    g.height = g.field.y() + 100;
    return g;
}

PromptGeometry selectGeometry(const PromptMetrics& m)
{
    PromptGeometry g = placeMessageAndField(m, listHeight);
    const int top = bottomOf(g.field) + gap;
    if (!m.buttons.isEmpty())
        g.buttons << buttonAt(halfWidth - m.buttons[0].width() / 2 - 5, top, m.buttons[0]);
    g.height = bottomOf(g.field) + 80;
    return g;
}

} // namespace corvane
