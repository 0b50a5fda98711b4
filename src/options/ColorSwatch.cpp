// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "options/ColorSwatch.h"

#include "platform/WinColor.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace corvane {

TColorSwatch::TColorSwatch(QWidget* parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
    // Space and a screen reader's press end in a click; the mouse asks at once on press.
    connect(this, &QAbstractButton::clicked, this, &TColorSwatch::colorRequested);
}

void TColorSwatch::setColor(TColor color)
{
    m_color = color;
    update();
}

QSize TColorSwatch::sizeHint() const
{
    return {21, 21};
}

void TColorSwatch::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    const QRect square = rect().adjusted(2, 2, -2, -2);
    painter.fillRect(square, toQColor(m_color, palette()));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(square.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(square.adjusted(1, 1, -2, -2));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void TColorSwatch::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT colorRequested();
}

void TColorSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept(); // the press already asked; a release must not ask again
}

void TColorSwatch::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

bool TColorSwatch::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTipChange)
        setAccessibleName(toolTip());
    return QAbstractButton::event(event);
}

} // namespace corvane
