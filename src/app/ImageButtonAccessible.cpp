// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ImageButtonAccessible.h"

#include "app/ImageButton.h"

#include <QKeySequence>
#include <QLabel>

namespace corvane {

namespace {
QAccessibleInterface* imageButtonFactory(const QString&, QObject* object)
{
    if (auto* button = qobject_cast<TImageButton*>(object))
        return new TImageButtonAccessible(button);
    return nullptr;
}
} // namespace

TImageButtonAccessible::TImageButtonAccessible(TImageButton* button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

TImageButton* TImageButtonAccessible::button() const
{
    return static_cast<TImageButton*>(widget());
}

bool TImageButtonAccessible::pressable() const
{
    return button()->isPressableByKeys();
}

QAccessible::Role TImageButtonAccessible::role() const
{
    return pressable() ? QAccessible::Button : QAccessible::Client;
}

QAccessible::State TImageButtonAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (pressable()) {
        s.pressed = button()->isDown();
        s.disabled = s.disabled || !button()->isGlyphEnabled();
    }
    return s;
}

QString TImageButtonAccessible::text(QAccessible::Text t) const
{
    // Before the window names it, the glyph's hint says what the button does.
    if (t == QAccessible::Name && button()->accessibleName().isEmpty())
        return button()->glyph()->toolTip();
    return QAccessibleWidget::text(t);
}

QStringList TImageButtonAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (pressable() && button()->isGlyphEnabled())
        names.prepend(pressAction());
    return names;
}

void TImageButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && pressable())
        button()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList TImageButtonAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction() && pressable())
        return {QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText)};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void installImageButtonAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(imageButtonFactory);
        return true;
    }();
    (void)installed;
}

} // namespace corvane
