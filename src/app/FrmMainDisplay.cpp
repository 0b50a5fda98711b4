// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The Display page: the countdown chooser and the time display.
#include "app/FrmMain.h"
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

void TFormMain::ShowEditorTime()
{
    ZeitAnzeigePanel->setText(durationText(EditorSeconds()));
}

} // namespace corvane
