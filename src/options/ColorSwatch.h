// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ColorValue.h"

#include <QAbstractButton>

namespace corvane {

// A colour shown as a framed square that asks for a new colour when pressed: by any mouse
// button, Space, Enter, or a screen reader's press action. It takes the keyboard focus like
// a button, and a screen reader names it by its hint.
class TColorSwatch : public QAbstractButton {
    Q_OBJECT
public:
    explicit TColorSwatch(QWidget* parent = nullptr);

    TColor color() const { return m_color; }
    void setColor(TColor color);

    QSize sizeHint() const override;

Q_SIGNALS:
    // The user asked to change the colour (the swatch's mouse-down).
    void colorRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    TColor m_color = 0;
};

} // namespace corvane
