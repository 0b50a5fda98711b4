// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

namespace corvane {

// A web or mail address written out as a link: blue, bold and underlined, with the hand
// cursor. It is a button underneath, so the keyboard and screen readers can follow it too;
// clicked() is its click.
class TLinkLabel : public QAbstractButton {
public:
    explicit TLinkLabel(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace corvane
