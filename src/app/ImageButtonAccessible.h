// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace corvane {

class TImageButton;

// What a screen reader hears of an image button the keys can press: a push button named in
// the current language, pressed while its bevel is down (the countdown's state), unavailable
// while its glyph is disabled, with a press action that is a click. A picture-only button
// (the theme preview) stays a plain panel.
class TImageButtonAccessible : public QAccessibleWidget {
public:
    explicit TImageButtonAccessible(TImageButton* button);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    TImageButton* button() const;
    bool pressable() const;
};

// Makes Qt's accessibility ask TImageButtonAccessible for every image button; once a run.
void installImageButtonAccessibility();

} // namespace corvane
