// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The main window's keys: Ctrl+1 to Ctrl+6 choose the pages and F1 the help, each exactly as
// a click on its tab does (so Help, Options and About open the options window); Ctrl+Tab and
// Ctrl+PageUp/PageDown step through the tabs from any control, the arrows on the tabs, and
// the Display page's buttons take Space and Enter (TImageButton). The hints say which key
// does what.
#include "app/FrmMain.h"
#include "app/ImageButton.h"
#include "platform/ErrorHandler.h"
#include "platform/PageControl.h"

#include <QKeySequence>
#include <QLabel>
#include <QShortcut>

namespace corvane {

namespace {
// The properties remembering the hint as the script or the design gave it and the hint
// shown with its keys, so a translation that leaves a hint as it was does not get the keys
// twice.
constexpr char plainHintProperty[] = "corvanePlainHint";
constexpr char keyedHintProperty[] = "corvaneKeyedHint";

QKeySequence pageKey(int page)
{
    return QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + page));
}

QString keyText(const QKeySequence& key)
{
    return key.toString(QKeySequence::NativeText);
}

QString withKeys(const QString& hint, const QStringList& keys)
{
    return hint + QLatin1String(" (") + keys.join(QLatin1String(", ")) + u')';
}

QString plainHint(const QWidget* control)
{
    const QString tip = control->toolTip();
    if (!tip.isEmpty() && tip == control->property(keyedHintProperty).toString())
        return control->property(plainHintProperty).toString();
    return tip;
}

void showKeys(QWidget* control, const QString& plain, const QStringList& keys)
{
    const QString keyed = withKeys(plain, keys);
    control->setProperty(plainHintProperty, plain);
    control->setProperty(keyedHintProperty, keyed);
    control->setToolTip(keyed);
}
} // namespace

void TFormMain::createShortcuts()
{
    const auto choose = [this](Page page) {
        return guard([this, page] { TimerControl->setCurrentIndex(page); });
    };
    for (int page = DisplayPage; page <= AboutPage; ++page)
        connect(
            new QShortcut(pageKey(page), this), &QShortcut::activated, this, choose(Page(page)));
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
        choose(HelpPage));
    // The page control steps through its tabs only when the key reaches it, and a focused
    // chooser or spin box keeps Ctrl+Tab and Ctrl+PageUp to itself; as shortcuts these keys
    // turn the page wherever the focus is, as the tab bar's keys do.
    const auto step = [this](int by) {
        return guard([this, by] {
            const int count = TimerControl->count();
            TimerControl->setCurrentIndex((TimerControl->currentIndex() + by + count) % count);
        });
    };
    for (QKeyCombination key : {Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageDown})
        connect(new QShortcut(key, this), &QShortcut::activated, this, step(1));
    for (QKeyCombination key : {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab,
             Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageUp})
        connect(new QShortcut(key, this), &QShortcut::activated, this, step(-1));
}

void TFormMain::showKeysInHints()
{
    for (int page = DisplayPage; page <= AboutPage; ++page) {
        QStringList keys{keyText(pageKey(page))};
        if (page == HelpPage)
            keys << keyText(QKeySequence(Qt::Key_F1));
        // The tab's caption is set anew by each translation, so it never holds the keys.
        TimerControl->setTabToolTip(page, withKeys(TimerControl->tabText(page).remove(u'&'), keys));
    }
    const QStringList pressKeys{
        keyText(QKeySequence(Qt::Key_Space)), keyText(QKeySequence(Qt::Key_Return))};
    for (TImageButton* button : {StartButton, PauseButton, StopButton}) {
        QLabel* glyph = button->glyph();
        const QString plain = plainHint(glyph);
        // The glyph keeps its name too: it is what the mouse points at.
        glyph->setAccessibleName(plain);
        button->setAccessibleName(plain);
        showKeys(glyph, plain, pressKeys);
    }
}

} // namespace corvane
