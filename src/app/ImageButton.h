// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QLabel;

namespace corvane {

// The Display page's Start, Pause and Stop buttons: a panel with a 2-pixel bevel holding a
// background picture and, over it, a glyph picture that takes the mouse over the whole inner
// area, for any mouse button. The bevel's look — up, down, flat — is the countdown's state.
//
// Once made pressable by keys, the panel takes the focus with Tab and shows it as a ring
// inside the bevel; Space then presses it as a push button is pressed (down on press, up on
// release), Enter and Return press and release it at once. The keys and a screen reader's
// press give exactly the mouse's signals, and a disabled glyph ignores them as it ignores
// the mouse.
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
    // A disabled glyph no longer reacts to the mouse, the keys or a screen reader.
    void setGlyphEnabled(bool enabled);
    bool isGlyphEnabled() const;
    QLabel* glyph() const { return m_glyph; }

    // The theme preview shows these buttons as pictures only; the Display page's take keys.
    void setPressableByKeys(bool pressable);
    bool isPressableByKeys() const;
    // A whole press, as a click gives it: mouseDown, then mouseUp.
    void click();

Q_SIGNALS:
    void mouseDown();
    void mouseUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void releaseSpace();

    QLabel* m_background;
    QLabel* m_glyph;
    QWidget* m_focusRing;
    Look m_look = Look::Up;
    bool m_spaceDown = false; // Space pressed here and not yet released
};

} // namespace corvane
