// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ButtonTabBar.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace corvane {

namespace {
constexpr int buttonGap = 3; // between two buttons, so each reads as a button of its own
}

TButtonTabBar::TButtonTabBar(QWidget* parent)
    : QTabBar(parent)
{
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
}

QSize TButtonTabBar::tabSizeHint(int index) const
{
    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.text = tabText(index);
    opt.icon = tabIcon(index);
    opt.iconSize = iconSize();
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, opt.text);
    const QSize content(iconSize().width() + 6 + text.width() + 12,
        std::max(iconSize().height(), text.height()) + 4);
    const QSize button = style()->sizeFromContents(QStyle::CT_PushButton, &opt, content, this);
    return {button.width() + buttonGap, button.height() + buttonGap};
}

void TButtonTabBar::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        if (!isTabVisible(i))
            continue;
        QStyleOptionButton opt;
        opt.initFrom(this);
        opt.rect = tabRect(i).adjusted(0, 0, -buttonGap, -buttonGap);
        opt.text = tabText(i);
        opt.icon = tabIcon(i);
        opt.iconSize = iconSize();
        opt.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        if (i == currentIndex())
            opt.state |= QStyle::State_On | QStyle::State_Sunken;
        else
            opt.state |= QStyle::State_Raised;
        if (hasFocus() && i == currentIndex())
            opt.state |= QStyle::State_HasFocus;
        if (!isTabEnabled(i))
            opt.state &= ~QStyle::State_Enabled;
        painter.drawControl(QStyle::CE_PushButton, opt);
    }
}

} // namespace corvane
