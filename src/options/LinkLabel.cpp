// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "options/LinkLabel.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace corvane {

TLinkLabel::TLinkLabel(QWidget* parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont f = font();
    f.setPixelSize(13);
    f.setBold(true);
    f.setUnderline(true);
    setFont(f);
}

QSize TLinkLabel::sizeHint() const
{
    return fontMetrics().size(Qt::TextSingleLine, text()) + QSize(4, 4);
}

void TLinkLabel::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setPen(isDown() ? QColor(128, 0, 128) : QColor(0, 0, 255));
    const QRect area = rect().adjusted(2, 2, -2, -2);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void TLinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace corvane
