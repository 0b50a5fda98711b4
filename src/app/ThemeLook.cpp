// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ThemeLook.h"

#include "app/DesignPictures.h"
#include "app/ImageButton.h"
#include "platform/WinColor.h"

#include <QLabel>

namespace corvane {

namespace {
constexpr Glyph glyphs[3] = {Glyph::Start, Glyph::Pause, Glyph::Stop};

void setPaletteColor(QLabel* display, QPalette::ColorRole role, TColor color)
{
    QPalette pal = display->palette();
    pal.setColor(role, toQColor(color, pal));
    display->setPalette(pal);
}
} // namespace

void showDesignedLook(const TThemedControls& controls)
{
    showThemePicture(controls, ThemePicture::Background, designBackground());
    showThemePicture(controls, ThemePicture::Progress, designProgress());
    for (int i = 0; i < 3; ++i)
        showThemePicture(controls, ThemePicture(int(ThemePicture::Start) + i),
            designGlyph(glyphs[std::size_t(i)]));
    QFont font = controls.ZeitAnzeigePanel->font();
    font.setFamily(QStringLiteral("Arial"));
    controls.ZeitAnzeigePanel->setFont(font);
    setPaletteColor(controls.ZeitAnzeigePanel, QPalette::Window, rgbColor(0, 0, 128));
    setPaletteColor(controls.ZeitAnzeigePanel, QPalette::WindowText, rgbColor(255, 255, 0));
}

void showThemePicture(const TThemedControls& controls, ThemePicture which, const QImage& image)
{
    switch (which) {
    case ThemePicture::Background: {
        const QPixmap background = QPixmap::fromImage(image);
        controls.MainImage->setPixmap(background);
        for (TImageButton* button : controls.buttons)
            button->setBackground(background);
        break;
    }
    case ThemePicture::Progress:
        controls.ProgBarImage->setPixmap(QPixmap::fromImage(image));
        break;
    case ThemePicture::Start:
    case ThemePicture::Pause:
    case ThemePicture::Stop:
        controls.buttons[std::size_t(int(which) - int(ThemePicture::Start))]->setGlyph(
            transparentGlyph(image));
        break;
    }
}

void showTimeFont(QLabel* display, const QString& family)
{
    QFont font = display->font();
    font.setFamily(family);
    display->setFont(font);
}

void showTimeFontColor(QLabel* display, TColor color)
{
    setPaletteColor(display, QPalette::WindowText, color);
}

void showTimeBackColor(QLabel* display, TColor color)
{
    setPaletteColor(display, QPalette::Window, color);
}

} // namespace corvane
