// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ThemeLook.h"
#include "options/ThemeFile.h"

#include <QFrame>

class QLabel;

namespace corvane {

// The theme editor's preview: a small copy of the main window's Display page with the same
// component names (MainImage, ZeitAnzeigePanel, StartButton, ..., ProgbarPanel, ProgBarImage)
// above the editor's own controls. It keeps each picture as it was read, so saving a theme
// writes a picked bitmap back byte for byte. In the preview the progress picture fills its
// panel.
class TThemePanel : public QFrame {
public:
    explicit TThemePanel(QWidget* parent = nullptr);

    // The look the main window was designed with.
    void showDesign();

    // Background goes behind the page and into all three buttons.
    void setPicture(ThemePicture which, const TBitmapPicture& picture);
    const TBitmapPicture& picture(ThemePicture which) const;

    QLabel* timeDisplay() const { return m_controls.ZeitAnzeigePanel; }
    // The family as chosen or read, also when this system lacks it and shows another.
    const QString& timeFontName() const { return m_fontName; }
    void setTimeFont(const QString& family);
    TColor timeFontColor() const { return m_fontColor; }
    void setTimeFontColor(TColor color);
    TColor timeBackColor() const { return m_backColor; }
    void setTimeBackColor(TColor color);

    // The editor's controls, laid out in `row` below the preview. The panel keeps its designed
    // size unless they need more in the current language and font; call fitToEditor after
    // their texts or font change.
    void setEditor(QWidget* row);
    void fitToEditor();

private:
    void placePreview(int left);

    TThemedControls m_controls;
    QLabel* m_progbarPanel = nullptr;
    QWidget* m_editor = nullptr;
    TThemeData m_theme; // the pictures; font and colours are kept below
    QString m_fontName;
    TColor m_fontColor = 0;
    TColor m_backColor = 0;
};

} // namespace corvane
