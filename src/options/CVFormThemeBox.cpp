// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Building the theme editor: the list of themes with its three buttons above the preview,
// and below the preview the choice of the element a picked picture replaces, the time
// display's font and its background colour.
#include "app/AppIcons.h"
#include "options/CVForm.h"
#include "options/ColorSwatch.h"
#include "options/ThemePanel.h"
#include "platform/NamedControl.h"
#include "platform/RadioGroup.h"

#include <QFontComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

namespace {
// The box's designed room: its list of themes above the preview.
constexpr QSize themeBoxSize(393, 372);
constexpr QSize pictureButtonSize(33, 33);

QPushButton* pictureButton(const char* name, ButtonIcon icon, const char* hint)
{
    auto* button = named(new QPushButton(buttonIcon(icon), QString()), name);
    button->setToolTip(QLatin1String(hint));
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(pictureButtonSize);
    return button;
}

TColorSwatch* swatch(const char* name)
{
    auto* s = named(new TColorSwatch, name);
    s->setToolTip(QStringLiteral("Click to change"));
    return s;
}
} // namespace

void TCorvaneForm::createThemeBox()
{
    ThemeBox = named(new QGroupBox(QStringLiteral("Themes")), "ThemeBox");
    ThemeBox->setMinimumSize(themeBoxSize);
    createThemeList();
    ThemePanel = new TThemePanel;
    ThemePanel->setEditor(createThemeEditor());
    auto* column = new QVBoxLayout(ThemeBox);
    column->addWidget(AllThemesBox, 1);
    column->addWidget(ThemePanel, 0, Qt::AlignHCenter);
}

void TCorvaneForm::createThemeList()
{
    AllThemesBox = named(new QGroupBox(QStringLiteral("List of available themes")), "AllThemesBox");
    ThemesListBox = named(new QListWidget, "ThemesListBox");
    ThemesListBox->setMinimumHeight(60);
    ThemeRenameButton = pictureButton("ThemeRenameButton", ButtonIcon::Rename, "Change theme name");
    ThemeDeleteButton = pictureButton("ThemeDeleteButton", ButtonIcon::Delete, "Delete Theme");
    AddThemeButton
        = pictureButton("AddThemeButton", ButtonIcon::AddEntry, "Save theme and add to list");
    ThemeRenameButton->setEnabled(false);
    ThemeDeleteButton->setEnabled(false);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    for (QPushButton* button : {AddThemeButton, ThemeRenameButton, ThemeDeleteButton})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* row = new QHBoxLayout(AllThemesBox);
    row->addWidget(ThemesListBox, 1);
    row->addLayout(buttons);
}

QWidget* TCorvaneForm::createThemeEditor()
{
    ChangeElementBox = named(new TRadioGroup(QStringLiteral("Change element")), "ChangeElementBox");
    ChangeElementBox->setItems({QStringLiteral("Background picture"),
        QStringLiteral("Progress bar picture"), QStringLiteral("Start button picture"),
        QStringLiteral("Pause button picture"), QStringLiteral("Stop button picture")});
    ChangeElementBox->setItemIndex(0);
    ChangeElementBox->setMinimumSize(209, 105);
    PicOpenButton = pictureButton("PicOpenButton", ButtonIcon::OpenPicture, "Open picture");
    auto* groupRow = static_cast<QHBoxLayout*>(ChangeElementBox->layout());
    groupRow->addWidget(PicOpenButton, 0, Qt::AlignRight | Qt::AlignVCenter);

    TimeDisplayFont = named(new QGroupBox(QStringLiteral("Time display font")), "TimeDisplayFont");
    TimeDisplayFont->setMinimumSize(145, 49);
    TimeFontCombo = named(new QFontComboBox, "TimeFontCombo");
    // Its width is designed; measuring every family name would make the window slow to open.
    TimeFontCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    TimeFontCombo->setMinimumContentsLength(6);
    shpTimeFontColor = swatch("shpTimeFontColor");
    auto* fontRow = new QHBoxLayout(TimeDisplayFont);
    fontRow->setContentsMargins(6, 2, 6, 4);
    fontRow->addWidget(TimeFontCombo, 1);
    fontRow->addWidget(shpTimeFontColor);

    TimeDisplayColorBox
        = named(new QGroupBox(QStringLiteral("Time display color")), "TimeDisplayColorBox");
    TimeDisplayColorBox->setMinimumSize(145, 49);
    TimeDisplayColor = swatch("TimeDisplayColor");
    TimeDisplayColor->setColor(rgbColor(0, 0, 128)); // navy, as the time display was designed
    auto* colorRow = new QHBoxLayout(TimeDisplayColorBox);
    colorRow->setContentsMargins(6, 2, 6, 4);
    colorRow->addWidget(TimeDisplayColor);
    colorRow->addStretch(1);

    auto* editor = new QWidget;
    auto* right = new QVBoxLayout;
    right->setSpacing(7);
    right->addWidget(TimeDisplayFont);
    right->addWidget(TimeDisplayColorBox);
    auto* row = new QHBoxLayout(editor);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(7);
    row->addWidget(ChangeElementBox, 1);
    row->addLayout(right);
    return editor;
}

} // namespace corvane
