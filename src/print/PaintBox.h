// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

namespace corvane {

// A plain surface whose painting and mouse presses are handled by its window.
class PaintBox : public QWidget {
public:
    using PaintHandler = std::function<void(PaintBox&, QPainter&)>;
    using PressHandler = std::function<void(Qt::MouseButtons, const QPoint&)>;

    explicit PaintBox(QWidget* parent = nullptr);
    void setPaintHandler(PaintHandler h) { m_paint = std::move(h); }
    void setPressHandler(PressHandler h) { m_press = std::move(h); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    PaintHandler m_paint;
    PressHandler m_press;
};

} // namespace corvane
