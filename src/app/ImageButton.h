// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QLabel;

namespace corvane {

// The Display page's Start, Pause and Stop buttons: a panel with a 2-pixel bevel holding a
// background picture and, over it, a glyph picture that takes the mouse over the whole inner
// area, for any mouse button. The bevel's look — up, down, flat — is the countdown's state.
class TImageButton : public QFrame {
    Q_OBJECT
public:
    enum class Look { Up, Down, Flat };

    // name: "Start" gives the panel StartButton, the pictures StartBgImage and StartImage.
    TImageButton(const QString& name, QWidget* parent);

    Look look() const { return m_look; }
    void setLook(Look look);
    bool isDown() const { return m_look == Look::Down; }

    void setBackground(const QPixmap& picture);
    void setGlyph(const QPixmap& picture);
    // A disabled glyph no longer reacts to the mouse.
    void setGlyphEnabled(bool enabled);
    bool isGlyphEnabled() const;
    QLabel* glyph() const { return m_glyph; }

Q_SIGNALS:
    void mouseDown();
    void mouseUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_background;
    QLabel* m_glyph;
    Look m_look = Look::Up;
};

} // namespace corvane
