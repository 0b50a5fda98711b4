// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ImageButton.h"

#include "app/ImageButtonAccessible.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <utility>

namespace corvane {

namespace {
// The focus ring over the pictures. A theme's picture can be of any colour, so the style's
// focus colour runs between two thin lines of its opposite, and one of the three always
// stands out.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QColor focus = palette().color(QPalette::Active, QPalette::Highlight);
        const QColor edge = focus.lightness() > 128 ? QColor(Qt::black) : QColor(Qt::white);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        painter.setPen(edge);
        painter.drawRect(r);
        painter.drawRect(r.adjusted(3, 3, -3, -3));
        painter.setPen(focus);
        painter.drawRect(r.adjusted(1, 1, -1, -1));
        painter.drawRect(r.adjusted(2, 2, -2, -2));
    }
};

bool plainKey(const QKeyEvent* event)
{
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
} // namespace

TImageButton::TImageButton(const QString& name, QWidget* parent)
    : QFrame(parent)
    , m_background(new QLabel(this))
    , m_glyph(new QLabel(this))
    , m_focusRing(new FocusRing(this))
{
    installImageButtonAccessibility();
    setObjectName(name + QLatin1String("Button"));
    m_background->setObjectName(name + QLatin1String("BgImage"));
    m_background->setScaledContents(true);
    m_glyph->setObjectName(name + QLatin1String("Image"));
    m_glyph->setAlignment(Qt::AlignCenter);
    m_glyph->installEventFilter(this);
    setFocusPolicy(Qt::NoFocus);
    setLook(Look::Up);
}

void TImageButton::setLook(Look look)
{
    const bool pressedChanged = (look == Look::Down) != (m_look == Look::Down);
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
    m_focusRing->setGeometry(inner);
    if (pressedChanged) {
        // A screen reader says "pressed" as the bevel shows it: the countdown's state.
        QAccessible::State changed;
        changed.pressed = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
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

void TImageButton::setPressableByKeys(bool pressable)
{
    setFocusPolicy(pressable ? Qt::TabFocus : Qt::NoFocus);
}

bool TImageButton::isPressableByKeys() const
{
    return focusPolicy() & Qt::TabFocus;
}

void TImageButton::click()
{
    if (!isGlyphEnabled())
        return;
    Q_EMIT mouseDown();
    Q_EMIT mouseUp();
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

void TImageButton::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool space = key == Qt::Key_Space;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!(space || enter) || !plainKey(event)) {
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
    // A held key repeats; the mouse's button does not, and neither does the press.
    if (event->isAutoRepeat() || m_spaceDown || !isGlyphEnabled())
        return;
    if (enter) {
        click();
        return;
    }
    m_spaceDown = true;
    Q_EMIT mouseDown();
}

void TImageButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space) {
        QFrame::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        releaseSpace();
}

// A press held while the focus leaves (a click elsewhere, another window) is let go there,
// as a mouse button is always let go: the countdown never stays half pressed.
void TImageButton::releaseSpace()
{
    if (std::exchange(m_spaceDown, false) && isGlyphEnabled())
        Q_EMIT mouseUp();
}

void TImageButton::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    m_focusRing->raise();
    m_focusRing->show();
}

void TImageButton::focusOutEvent(QFocusEvent* event)
{
    m_focusRing->hide();
    releaseSpace();
    QFrame::focusOutEvent(event);
}

} // namespace corvane
