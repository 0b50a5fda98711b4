// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PageControl.h"

#include "platform/ButtonTabBar.h"

#include <QHelpEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QToolTip>

namespace corvane {

TCompactTabBar::TCompactTabBar(QWidget* parent)
    : QTabBar(parent)
{
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setExpanding(false);
    setDrawBase(true);
    // The width of the tabs depends on which one is current.
    connect(this, &QTabBar::currentChanged, this, [this] {
        updateGeometry();
        update();
    });
}

QSize TCompactTabBar::tabSizeHint(int index) const
{
    if (showsCaption(index))
        return QTabBar::tabSizeHint(index);
    QStyleOptionTab opt;
    initStyleOption(&opt, index);
    opt.text.clear();
    const int pad = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, this);
    const QSize content(iconSize().width() + pad,
        std::max(iconSize().height(), fontMetrics().height())
            + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &opt, this));
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, content, this);
}

QSize TCompactTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void TCompactTabBar::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        if (i == currentIndex())
            continue; // the selected tab overlaps its neighbours, so it is drawn last
        QStyleOptionTab opt;
        initStyleOption(&opt, i);
        opt.text.clear();
        painter.drawControl(QStyle::CE_TabBarTab, opt);
    }
    if (currentIndex() >= 0) {
        QStyleOptionTab opt;
        initStyleOption(&opt, currentIndex());
        painter.drawControl(QStyle::CE_TabBarTab, opt);
    }
}

bool TCompactTabBar::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = tabAt(help->pos());
        if (index >= 0 && tabToolTip(index).isEmpty() && !showsCaption(index)) {
            QToolTip::showText(help->globalPos(), tabText(index).remove(QLatin1Char('&')), this);
            return true;
        }
    }
    return QTabBar::event(event);
}

void TCompactTabBar::tabInserted(int index)
{
    QTabBar::tabInserted(index);
    updateGeometry();
}

TPageControl::TPageControl(QWidget* parent, TabStyle style)
    : QTabWidget(parent)
{
    if (style == TabStyle::Buttons) {
        setTabBar(new TButtonTabBar(this));
        setDocumentMode(true); // buttons above the pages, no tab frame around them
        return;
    }
    m_bar = new TCompactTabBar(this);
    setTabBar(m_bar);
}

} // namespace corvane
