// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/PromptGeometry.h"
#include "platform/WinColor.h"

#include <QMessageBox>
#include <optional>

class QLabel;

namespace corvane {

// The standard message box in Corvane's look: white, black text, the message on an opaque
// white field, a gradient picture behind everything, centred on the screen. A prompt dialog
// takes its parts out of the box's layout and places them itself (setPromptGeometry).
class TMessageForm : public QMessageBox {
public:
    TMessageForm(Icon icon, const QString& title, const QString& text, StandardButtons buttons);

    void setGradientColors(TColor startColor, TColor endColor);
    QLabel* messageLabel() const { return m_label; }
    QLabel* gradientPicture() const { return m_picture; }

    // The button that ended the dialog, or nullptr when it was closed or rejected otherwise.
    QAbstractButton* pressedButton() const { return m_pressed; }

    // Sizes of the message, field and buttons as the standard dialog 300 pixels wide has them.
    PromptMetrics measurePrompt(const QWidget* field, const QList<QAbstractButton*>& buttons);

    // From now on the dialog is sized and laid out by g; field and buttons as in measurePrompt.
    void setPromptGeometry(
        const PromptGeometry& g, QWidget* field, const QList<QAbstractButton*>& buttons);

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void applyLook();
    void applyPromptGeometry();
    void centreOnScreen();
    void widenForTitle();

    QLabel* m_label = nullptr;
    QLabel* m_picture = nullptr;
    QAbstractButton* m_pressed = nullptr;
    TColor m_startColor = 0;
    TColor m_endColor = 0;
    std::optional<PromptGeometry> m_prompt;
    QWidget* m_field = nullptr;
    QList<QAbstractButton*> m_promptButtons;
};

} // namespace corvane
