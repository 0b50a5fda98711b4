// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "PaintBox.h"

#include "platform/ErrorHandler.h"

#include <QMouseEvent>
#include <QPainter>

namespace corvane {

PaintBox::PaintBox(QWidget* parent)
    : QWidget(parent)
{
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_paint)
        guarded([&] { m_paint(*this, painter); });
}

void PaintBox::mousePressEvent(QMouseEvent* event)
{
    if (m_press)
        guarded([&] { m_press(event->buttons(), event->position().toPoint()); });
}

} // namespace corvane
