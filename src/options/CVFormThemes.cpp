// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The theme editor: listing, saving, loading, renaming and deleting themes, and the
// preview's elements. The current theme changes only when the user clicks its entry.
#include "app/ProgOptions.h"
#include "common/FilesOp.h"
#include "lang/LangScript.h"
#include "lang/MessDlg.h"
#include "options/CVForm.h"
#include "options/ColorSwatch.h"
#include "options/ThemePanel.h"
#include "platform/CorvaneError.h"
#include "platform/DialogSeam.h"
#include "platform/ErrorHandler.h"
#include "platform/ListChoice.h"
#include "platform/ProgramFolder.h"
#include "platform/RadioGroup.h"
#include "timelist/TimerEntry.h"

#include <QCollator>
#include <QFile>
#include <QFileDialog>
#include <QFontComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <algorithm>
#include <utility>

namespace corvane {

void TCorvaneForm::connectThemeHandlers()
{
    connect(new TListChoice(ThemesListBox, &m_themesFromCode), &TListChoice::chosen, this,
        guard([this] { ThemesListBoxClick(); }));
    connect(AddThemeButton, &QPushButton::clicked, this, guard([this] { AddThemeButtonClick(); }));
    connect(ThemeRenameButton, &QPushButton::clicked, this,
        guard([this] { ThemeRenameButtonClick(); }));
    connect(ThemeDeleteButton, &QPushButton::clicked, this,
        guard([this] { ThemeDeleteButtonClick(); }));
    connect(PicOpenButton, &QPushButton::clicked, this, guard([this] { PicOpenButtonClick(); }));
    // Only the user's choice changes the font, as with the program font.
    connect(TimeFontCombo, &QComboBox::activated, this, guard([this] { TimeFontComboChange(); }));
    connect(shpTimeFontColor, &TColorSwatch::colorRequested, this,
        guard([this] { shpTimeFontColorMouseDown(); }));
    connect(TimeDisplayColor, &TColorSwatch::colorRequested, this,
        guard([this] { MStartColorMouseDown(TimeDisplayColor); }));
}

void TCorvaneForm::FillThemesList()
{
    const QScopedValueRollback fromCode(m_themesFromCode, true);
    ThemesListBox->clear();
    *FWorkList = ListFiles(programPath(QStringLiteral("\\Data\\*.thm")))
                     .split(QLatin1String("\r\n"), Qt::SkipEmptyParts);
    QStringList names;
    for (const QString& file : std::as_const(*FWorkList))
        names << themeNameFromFile(file);
    // The folder gives its names in no useful order; people look for a theme by its name.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    ThemesListBox->addItems(names);
}

TThemeData TCorvaneForm::previewTheme() const
{
    TThemeData theme;
    for (int i = 0; i < themePictureCount; ++i)
        theme.pictures[std::size_t(i)] = ThemePanel->picture(ThemePicture(i));
    theme.fontName = ThemePanel->timeFontName();
    theme.fontColor = ThemePanel->timeFontColor();
    theme.backColor = TimeDisplayColor->color();
    return theme;
}

void TCorvaneForm::SaveTheme(const QString& name)
{
    writeThemeFile(themeFilePath(name), previewTheme());
    FillThemesList();
}

void TCorvaneForm::LoadTheme(const QString& name)
{
    const QString path = themeFilePath(name);
    const ThemeRead read = readThemeFile(path);
    if (read.problem == ThemeProblem::Missing)
        return;
    for (int i = 0; i < themePictureCount; ++i)
        if (read.hasLine(i + 1))
            ThemePanel->setPicture(ThemePicture(i), read.theme.pictures[std::size_t(i)]);
    if (read.hasLine(6))
        TimeFontCombo->setCurrentFont(QFont(read.theme.fontName));
    if (read.hasLine(7))
        shpTimeFontColor->setColor(read.theme.fontColor);
    if (read.hasLine(8))
        TimeDisplayColor->setColor(read.theme.backColor);
    if (!read.ok())
        throw CorvaneError(themeProblemMessage(path, read));
    ThemePanel->setTimeFont(read.theme.fontName);
    ThemePanel->setTimeFontColor(read.theme.fontColor);
    ThemePanel->setTimeBackColor(TimeDisplayColor->color());
}

void TCorvaneForm::deleteThemeFile(const QString& name) const
{
    QFile::remove(themeFilePath(name)); // a failure is not worth a message
}

bool TCorvaneForm::CheckThemeName(const QString& name)
{
    m_replacedThemes.clear();
    bool allowed = true;
    for (int row = 0; row < ThemesListBox->count();) {
        QListWidgetItem* item = ThemesListBox->item(row);
        if (!sameTitle(item->text(), name)) {
            ++row;
            continue;
        }
        const bool replace = MsgDialog(LangText(QStringLiteral("Messages"),
                                           QStringLiteral("An entry of this name already "
                                                          "exists. Do you want to replace it?")),
            QString(), DlgKind::Confirmation);
        if (!replace) {
            allowed = false;
            ++row;
            continue;
        }
        // The replaced file goes once the new one is written, so a failed write loses
        // nothing; the entry leaves the list now, and the next entry moves into its row.
        m_replacedThemes << item->text();
        const QScopedValueRollback fromCode(m_themesFromCode, true);
        ThemesListBox->setCurrentItem(item);
        delete ThemesListBox->takeItem(row);
        allowed = true;
    }
    return allowed;
}

void TCorvaneForm::selectThemeEntry(const QString& name)
{
    const QScopedValueRollback fromCode(m_themesFromCode, true);
    // The entry of exactly that name when there is one; there may be another that differs in
    // case only, after a rename.
    QList<QListWidgetItem*> found = ThemesListBox->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        found = ThemesListBox->findItems(name, Qt::MatchFixedString); // regardless of case
    if (!found.isEmpty())
        ThemesListBox->setCurrentItem(found.constFirst());
    const bool selected = !ThemesListBox->selectedItems().isEmpty();
    ThemeRenameButton->setEnabled(selected);
    ThemeDeleteButton->setEnabled(selected);
}

void TCorvaneForm::selectCurrentTheme()
{
    QList<QListWidgetItem*> found
        = ThemesListBox->findItems(ProgOptions.Theme, Qt::MatchFixedString);
    if (found.isEmpty())
        return; // the buttons stay disabled, the preview keeps the designed look
    {
        const QScopedValueRollback fromCode(m_themesFromCode, true);
        ThemesListBox->setCurrentItem(found.constFirst());
    }
    // A broken theme file is reported, and the window opens all the same, so the user can
    // choose another theme or replace this one.
    guarded([this] { ThemesListBoxClick(); });
}

void TCorvaneForm::ThemesListBoxClick()
{
    const QList<QListWidgetItem*> selected = ThemesListBox->selectedItems();
    ThemeRenameButton->setEnabled(!selected.isEmpty());
    ThemeDeleteButton->setEnabled(!selected.isEmpty());
    if (selected.isEmpty())
        return;
    const QString name = selected.constFirst()->text();
    LoadTheme(name);
    ProgOptions.Theme = name;
}

void TCorvaneForm::AddThemeButtonClick()
{
    const QString name = InputDialog(QStringLiteral("Please enter theme name:"));
    if (name.isEmpty())
        return;
    if (!CheckThemeName(name)) {
        // Nothing was replaced after all: the entries agreed to go come back.
        if (!m_replacedThemes.isEmpty())
            FillThemesList();
        return;
    }
    const QString path = themeFilePath(name);
    writeThemeFile(path, previewTheme());
    for (const QString& replaced : std::as_const(m_replacedThemes))
        if (themeFilePath(replaced) != path)
            deleteThemeFile(replaced);
    FillThemesList();
    selectThemeEntry(name);
}

void TCorvaneForm::ThemeRenameButtonClick()
{
    const QList<QListWidgetItem*> selected = ThemesListBox->selectedItems();
    if (selected.isEmpty())
        return;
    const QString oldName = selected.constFirst()->text();
    const QString newName = InputDialog(QStringLiteral("Please enter the new name:"));
    if (newName.isEmpty())
        return;
    // The new file is written before the old one goes, so a failed write loses nothing.
    const QString path = themeFilePath(newName);
    writeThemeFile(path, previewTheme());
    if (themeFilePath(oldName) != path)
        deleteThemeFile(oldName);
    FillThemesList();
    selectThemeEntry(newName);
}

void TCorvaneForm::ThemeDeleteButtonClick()
{
    const QList<QListWidgetItem*> selected = ThemesListBox->selectedItems();
    if (selected.isEmpty())
        return;
    if (MsgDialog(QStringLiteral("Are you sure?"), QString(), DlgKind::Confirmation))
        deleteThemeFile(selected.constFirst()->text());
}

void TCorvaneForm::PicOpenButtonClick()
{
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(LangText(QStringLiteral("Captions"), QStringLiteral("Bitmap files"))
        + QStringLiteral(" (*.bmp)"));
    if (DialogSeam::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const TBitmapPicture picture = loadBitmapFile(dialog.selectedFiles().constFirst());
    const int element = std::clamp(ChangeElementBox->itemIndex(), 0, themePictureCount - 1);
    ThemePanel->setPicture(ThemePicture(element), picture);
}

void TCorvaneForm::TimeFontComboChange()
{
    ThemePanel->setTimeFont(TimeFontCombo->currentFont().family());
}

void TCorvaneForm::shpTimeFontColorMouseDown()
{
    if (chooseColor(shpTimeFontColor))
        ThemePanel->setTimeFontColor(shpTimeFontColor->color());
}

} // namespace corvane
