// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "options/ThemePanel.h"

#include "app/DesignPictures.h"
#include "app/ImageButton.h"
#include "app/TimeDisplay.h"
#include "platform/NamedControl.h"

#include <QLabel>
#include <algorithm>

namespace corvane {

namespace {
// The designed panel and the preview's place in it; the editor's controls start below.
constexpr QSize designedSize(377, 233);
constexpr QPoint editorOrigin(8, 120);
constexpr int buttonLefts[3] = {56, 136, 216};
constexpr const char* buttonNames[3] = {"Start", "Pause", "Stop"};
} // namespace

TThemePanel::TThemePanel(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("ThemePanel"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedSize(designedSize);

    m_controls.MainImage = named(new QLabel(this), "MainImage");
    m_controls.MainImage->setScaledContents(true);

    auto* time = named(new TTimeDisplay(QStringLiteral("00:00:00"), this), "ZeitAnzeigePanel");
    time->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    time->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(40);
    font.setBold(true);
    time->setFont(font);
    m_controls.ZeitAnzeigePanel = time;

    for (int i = 0; i < 3; ++i)
        m_controls.buttons[std::size_t(i)] = new TImageButton(QLatin1String(buttonNames[i]), this);

    m_progbarPanel = named(new QLabel(this), "ProgbarPanel");
    m_progbarPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_progbarPanel->setLineWidth(1);
    m_progbarPanel->setAutoFillBackground(true);
    QPalette white = m_progbarPanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_progbarPanel->setPalette(white);
    m_controls.ProgBarImage = named(new QLabel(m_progbarPanel), "ProgBarImage");
    m_controls.ProgBarImage->setScaledContents(true);

    placePreview(0);
    showDesign();
}

void TThemePanel::placePreview(int left)
{
    m_controls.MainImage->setGeometry(left + 50, 7, 279, 106);
    m_controls.ZeitAnzeigePanel->setGeometry(left + 56, 16, 225, 49);
    for (int i = 0; i < 3; ++i)
        m_controls.buttons[std::size_t(i)]->setGeometry(left + buttonLefts[i], 72, 65, 33);
    m_progbarPanel->setGeometry(left + 288, 16, 33, 89);
    m_controls.ProgBarImage->setGeometry(1, 1, 31, 87);
}

void TThemePanel::showDesign()
{
    showDesignedLook(m_controls);
    m_theme.picture(ThemePicture::Background).image = designBackground();
    m_theme.picture(ThemePicture::Progress).image = designProgress();
    m_theme.picture(ThemePicture::Start).image = designGlyph(Glyph::Start);
    m_theme.picture(ThemePicture::Pause).image = designGlyph(Glyph::Pause);
    m_theme.picture(ThemePicture::Stop).image = designGlyph(Glyph::Stop);
    for (TBitmapPicture& picture : m_theme.pictures)
        picture.changed();
    m_fontName = QStringLiteral("Arial");
    m_fontColor = rgbColor(255, 255, 0);
    m_backColor = rgbColor(0, 0, 128);
}

void TThemePanel::setPicture(ThemePicture which, const TBitmapPicture& picture)
{
    m_theme.picture(which) = picture;
    showThemePicture(m_controls, which, picture.image);
}

const TBitmapPicture& TThemePanel::picture(ThemePicture which) const
{
    return m_theme.picture(which);
}

void TThemePanel::setTimeFont(const QString& family)
{
    m_fontName = family;
    showTimeFont(m_controls.ZeitAnzeigePanel, family);
}

void TThemePanel::setTimeFontColor(TColor color)
{
    m_fontColor = color;
    showTimeFontColor(m_controls.ZeitAnzeigePanel, color);
}

void TThemePanel::setTimeBackColor(TColor color)
{
    m_backColor = color;
    showTimeBackColor(m_controls.ZeitAnzeigePanel, color);
}

void TThemePanel::setEditor(QWidget* row)
{
    row->setParent(this);
    m_editor = row;
    fitToEditor();
}

void TThemePanel::fitToEditor()
{
    if (!m_editor)
        return;
    const QSize need = m_editor->sizeHint();
    const QSize designedRoom = designedSize - QSize(2 * editorOrigin.x(), editorOrigin.y() + 8);
    const QSize room = designedRoom.expandedTo(need);
    const QSize size
        = designedSize.expandedTo(room + QSize(2 * editorOrigin.x(), editorOrigin.y() + 8));
    setFixedSize(size);
    m_editor->setGeometry(QRect(editorOrigin, room));
    placePreview((size.width() - designedSize.width()) / 2);
}

} // namespace corvane
