// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The Options page: general options, language, program font and message colours. Each
// change goes into ProgOptions at once; the ticks of the general options when the window
// closes.
#include "app/ProgOptions.h"
#include "common/FilesOp.h"
#include "common/LanguageScripts.h"
namespace corvane {
void EnableAutostart();
void DisableAutostart();
} // namespace corvane
#include "lang/LangScript.h"
#include "lang/MessDlg.h"
#include "lang/QtTranslation.h"
#include "lang/TransProg.h"
#include "options/CVForm.h"
#include "options/ColorSwatch.h"
#include "options/ThemePanel.h"
#include "platform/DialogSeam.h"
#include "platform/ErrorHandler.h"
#include "platform/ProgramFolder.h"
#include "platform/WinColor.h"

#include <QColorDialog>
#include <QEvent>
#include <QFontComboBox>
#include <QListWidget>
#include <QScopedValueRollback>
#include <utility>

namespace corvane {

void TCorvaneForm::connectOptionsHandlers()
{
    // A click anywhere in the list re-applies the autostart tick, also one that only moved
    // the selection. A click on a tick box changes the tick and is a click: it runs once.
    GenOptCheckBox->viewport()->installEventFilter(this);
    connect(GenOptCheckBox, &QListWidget::itemChanged, this, guard([this](QListWidgetItem* item) {
        const int row = GenOptCheckBox->row(item);
        const bool ticked = item->checkState() == Qt::Checked;
        if (m_fillingOptions || row < 0 || row >= int(m_ticks.size()) || m_ticks[row] == ticked)
            return; // a translation renaming the items, or the page being filled
        m_ticks[std::size_t(row)] = ticked;
        m_tickChangedByPress = true;
        GenOptCheckBoxClick();
    }));
    connect(GenOptCheckBox, &QListWidget::itemClicked, this, guard([this] {
        if (!std::exchange(m_tickChangedByPress, false))
            GenOptCheckBoxClick();
    }));
    // The selection, not the current row: a click moves the current row before it selects.
    connect(LngListBox, &QListWidget::itemSelectionChanged, this, guard([this] {
        if (!m_fillingOptions)
            LngListBoxClick();
    }));
    // Only the user's choice changes the font: showing the stored name must not replace it
    // with the family the system picked for it.
    connect(ProgFontCombo, &QComboBox::activated, this, guard([this] { ProgFontComboChange(); }));
    connect(shpPFontColor, &TColorSwatch::colorRequested, this,
        guard([this] { shpPFontColorMouseDown(); }));
    for (TColorSwatch* swatch : {MStartColor, MEndColor})
        connect(swatch, &TColorSwatch::colorRequested, this,
            guard([this, swatch] { MStartColorMouseDown(swatch); }));
}

bool TCorvaneForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == GenOptCheckBox->viewport() && event->type() == QEvent::MouseButtonPress)
        m_tickChangedByPress = false; // a new click begins; a tick it changes is this click
    if (helpKeyPress(watched, event))
        return true;
    if (event->type() == QEvent::Resize) {
        for (QWidget* control : centredControls())
            if (control->parentWidget() == watched)
                CenterInParent(control);
    }
    return QDialog::eventFilter(watched, event);
}

void TCorvaneForm::InitOptionsPage()
{
    QScopedValueRollback filling(m_fillingOptions, true);
    for (int n = 1; n <= TOptionsRec::genOptionCount; ++n) {
        const bool on = ProgOptions.GenOptions[std::size_t(n)];
        GenOptCheckBox->item(n - 1)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
        m_ticks[std::size_t(n - 1)] = on;
    }
    fillLanguageList();
    applyFont();
    ProgFontCombo->setCurrentFont(QFont(ProgOptions.ProgFont.Name));
    shpPFontColor->setColor(ProgOptions.ProgFont.Color);
    MStartColor->setColor(ProgOptions.MsgStartColor);
    MEndColor->setColor(ProgOptions.MsgEndColor);
    selectCurrentTheme();
}

void TCorvaneForm::fillLanguageList()
{
    LngListBox->clear();
    const QString listing = languageScriptListing();
    LngListBox->addItems(listing.split(QLatin1String("\r\n"), Qt::SkipEmptyParts));
    for (int row = 0; row < LngListBox->count(); ++row) {
        if (LngListBox->item(row)->text().compare(ProgOptions.LangFile, Qt::CaseInsensitive) == 0) {
            LngListBox->setCurrentRow(row);
            return;
        }
    }
    LngListBox->setCurrentRow(-1);
}

void TCorvaneForm::GenOptCheckBoxClick()
{
    if (GenOptCheckBox->item(TOptionsRec::Autostart - 1)->checkState() == Qt::Checked)
        EnableAutostart();
    else
        DisableAutostart();
}

void TCorvaneForm::LngListBoxClick()
{
    const QString item = selectedLanguageItem();
    if (item.isEmpty())
        return;
    ProgOptions.LangFile = item;
    LangScriptPath = languageScriptPath(ProgOptions.LangFile);
    useQtTranslation(ProgOptions.LangFile);
    QScopedValueRollback filling(m_fillingOptions, true);
    TranslateForm(this);
    nameControlsForScreenReaders();
    fitOptionsBox();
}

void TCorvaneForm::ProgFontComboChange()
{
    ProgOptions.ProgFont.Name = ProgFontCombo->currentText();
    applyFont();
}

void TCorvaneForm::shpPFontColorMouseDown()
{
    if (!chooseColor(shpPFontColor))
        return;
    ProgOptions.ProgFont.Color = shpPFontColor->color();
    applyFont();
}

void TCorvaneForm::MStartColorMouseDown(TColorSwatch* swatch)
{
    if (!chooseColor(swatch))
        return;
    ProgOptions.MsgStartColor = DlgStartColor = MStartColor->color();
    ProgOptions.MsgEndColor = DlgEndColor = MEndColor->color();
    // The theme editor's time-display swatch is served by this handler too.
    ThemePanel->setTimeBackColor(TimeDisplayColor->color());
}

bool TCorvaneForm::chooseColor(TColorSwatch* swatch)
{
    QColorDialog dialog(toQColor(swatch->color(), palette()), this);
    dialog.setObjectName(QStringLiteral("ColorDialog"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (DialogSeam::exec(dialog) != QDialog::Accepted)
        return false;
    swatch->setColor(fromQColor(dialog.selectedColor()));
    return true;
}

} // namespace corvane
