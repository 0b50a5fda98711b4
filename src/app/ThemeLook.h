// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/ThemeFile.h"
#include "platform/ColorValue.h"

#include <QImage>
#include <array>

class QLabel;

namespace corvane {

class TImageButton;

// The controls of a Display page that a theme sets: the main window's own, and the small copy
// the theme editor shows as its preview.
struct TThemedControls {
    QLabel* MainImage = nullptr;
    QLabel* ProgBarImage = nullptr;
    QLabel* ZeitAnzeigePanel = nullptr;
    std::array<TImageButton*, 3> buttons{}; // Start, Pause, Stop
};

// The look the page was designed with: its own pictures, yellow bold digits on navy.
void showDesignedLook(const TThemedControls& controls);

// A theme's picture where the page shows it: the background behind the whole page and in all
// three buttons, the progress picture in its panel, each symbol in its button with the
// colour of its lower-left pixel left out. An empty picture shows nothing there.
void showThemePicture(const TThemedControls& controls, ThemePicture which, const QImage& image);

// The time display's font family; its size and weight stay as designed.
void showTimeFont(QLabel* display, const QString& family);
void showTimeFontColor(QLabel* display, TColor color);
void showTimeBackColor(QLabel* display, TColor color);

} // namespace corvane
