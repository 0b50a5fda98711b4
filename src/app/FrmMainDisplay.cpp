// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The Display page: the countdown chooser and the time display.
#include "app/FrmMain.h"
#include "options/ThemeFile.h"
#include "timelist/TimerEntry.h"

#include <QComboBox>
#include <QLabel>
#include <QScopedValueRollback>
#include <QTreeWidget>

namespace corvane {

void TFormMain::TopicsComboCloseUp()
{
    const int index = TopicsCombo->currentIndex();
    QTreeWidgetItem* root = StopTreeView->topLevelItem(0);
    if (index < 0 || !root || index >= root->childCount())
        return;
    {
        const QScopedValueRollback<bool> quiet(m_listFromCode, true);
        StopTreeView->setCurrentItem(root->child(index));
    }
    StopTreeViewClick();
}

TThemedControls TFormMain::themedControls() const
{
    return {MainImage, ProgBarImage, ZeitAnzeigePanel, {StartButton, PauseButton, StopButton}};
}

void TFormMain::ApplyTheme(const QString& name)
{
    const QString path = themeFilePath(name);
    const ThemeRead read = readThemeFile(path);
    if (read.problem == ThemeProblem::Missing)
        return;
    const TThemedControls controls = themedControls();
    for (int i = 0; i < themePictureCount; ++i)
        if (read.hasLine(i + 1))
            showThemePicture(controls, ThemePicture(i), read.theme.pictures[std::size_t(i)].image);
    if (read.hasLine(6))
        showTimeFont(ZeitAnzeigePanel, read.theme.fontName);
    if (read.hasLine(7))
        showTimeFontColor(ZeitAnzeigePanel, read.theme.fontColor);
    if (read.hasLine(8))
        showTimeBackColor(ZeitAnzeigePanel, read.theme.backColor);
    // Reported, not thrown: the theme is applied while the settings are read at start-up, and
    // a broken theme must not keep the countdown list from loading.
    if (!read.ok())
        reportOnce(themeProblemMessage(path, read));
}

void TFormMain::ShowEditorTime()
{
    ZeitAnzeigePanel->setText(durationText(EditorSeconds()));
}

} // namespace corvane
