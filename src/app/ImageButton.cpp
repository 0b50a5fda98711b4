// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ImageButton.h"

#include <QEvent>
#include <QLabel>

namespace corvane {

TImageButton::TImageButton(const QString& name, QWidget* parent)
    : QFrame(parent)
    , m_background(new QLabel(this))
    , m_glyph(new QLabel(this))
{
    setObjectName(name + QLatin1String("Button"));
    m_background->setObjectName(name + QLatin1String("BgImage"));
    m_background->setScaledContents(true);
    m_glyph->setObjectName(name + QLatin1String("Image"));
    m_glyph->setAlignment(Qt::AlignCenter);
    m_glyph->installEventFilter(this);
    setLook(Look::Up);
}

void TImageButton::setLook(Look look)
{
    m_look = look;
    setLineWidth(2);
    switch (look) {
    case Look::Up:
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    case Look::Down:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    case Look::Flat:
        setFrameStyle(QFrame::NoFrame);
        break;
    }
    // The pictures keep the inner size of the bevelled panel whatever the look; a pressed
    // glyph sits one pixel lower and to the right, so the state reads at a glance.
    const QRect inner = rect().adjusted(2, 2, -2, -2);
    m_background->setGeometry(inner);
    m_glyph->setGeometry(look == Look::Down ? inner.translated(1, 1) : inner);
}

void TImageButton::setBackground(const QPixmap& picture)
{
    m_background->setPixmap(picture);
}

void TImageButton::setGlyph(const QPixmap& picture)
{
    m_glyph->setPixmap(picture);
}

void TImageButton::setGlyphEnabled(bool enabled)
{
    m_glyph->setEnabled(enabled);
}

bool TImageButton::isGlyphEnabled() const
{
    return m_glyph->isEnabled();
}

bool TImageButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_glyph && m_glyph->isEnabled()) {
        if (event->type() == QEvent::MouseButtonPress)
            Q_EMIT mouseDown();
        else if (event->type() == QEvent::MouseButtonRelease)
            Q_EMIT mouseUp();
    }
    return QFrame::eventFilter(watched, event);
}

void TImageButton::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    setLook(m_look);
}

} // namespace corvane
