// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTabBar>

namespace corvane {

// Tabs drawn as a row of push buttons: the current page's button is pressed in, the others
// stand out. It keeps everything else of a tab bar (keyboard, captions, accessibility).
class TButtonTabBar : public QTabBar {
public:
    explicit TButtonTabBar(QWidget* parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace corvane
