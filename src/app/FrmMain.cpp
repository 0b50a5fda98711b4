// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FrmMain.h"

#include "app/ImageButton.h"
#include "app/ProgOptions.h"
#include "lang/LangScript.h"
#include "lang/MessDlg.h"
#include "options/CVForm.h"
#include "platform/DialogSeam.h"
#include "platform/ErrorHandler.h"
#include "platform/PageControl.h"
#include "platform/Timer.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <cstdio>

namespace corvane {

TFormMain* FormMain = nullptr;

TFormMain::TFormMain(
    std::unique_ptr<SoundBackend> sound, std::unique_ptr<TNotifier> notifier, QWidget* parent)
    : QWidget(parent)
    , m_sound(std::move(sound))
    , m_notifier(std::move(notifier))
{
    if (m_notifier)
        connectNotifier();
    FormMain = this;
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Corvane"));
    createControls();
    setFixedSize(TimerControl->width(), ExitButton->geometry().bottom() + 1);
    connectHandlers();
    guarded([this] { FormCreate(); });
}

TFormMain::~TFormMain()
{
    FormDestroy();
    if (FormMain == this)
        FormMain = nullptr;
}

void TFormMain::FormCreate()
{
    TrayIconIndex = 0;
    SuspendTopmost = false;
    addTrayIcon();
    // The list is loaded whatever became of the settings: a list that was never read must
    // not be saved as empty over the user's file at exit.
    guarded([this] { LoadSettings(); });
    loadTimeList();
    setActivePage(DisplayPage);
}

void TFormMain::setActivePage(Page page)
{
    m_pageFromCode = true;
    TimerControl->setCurrentIndex(page);
    m_pageFromCode = false;
}

bool TFormMain::countdownRunning() const
{
    return StartButton->isDown();
}

void TFormMain::TimerControlChange()
{
    // The start panels show their text before anything slow happens.
    for (QLabel* panel : {HelpStartPanel, OptionStartPanel, AboutStartPanel})
        panel->repaint();
    if (countdownRunning()) {
        lblEnter->setText(LangText(
            QStringLiteral("Messages"), QStringLiteral("No access while countdown runs!")));
        lblList->setText(lblEnter->text());
    }
    const int page = TimerControl->currentIndex();
    if (page == DisplayPage)
        ShowEditorTime();
    if (page >= HelpPage)
        openOptionsWindow(Page(page));
}

void TFormMain::openOptionsWindow(Page page)
{
    if (countdownRunning() && page == OptionsPage) {
        OptionStartPanel->setText(lblList->text());
        return;
    }
    OptionStartPanel->setText(
        LangText(QStringLiteral("Messages"), QStringLiteral("Please wait a moment...")));
    SuspendTopmost = true;
    ApplyTopmost(); // the options window must not open behind this one
    std::unique_ptr<TCorvaneForm> form;
    // Also when an error interrupts: the window goes, and this one is back on its Display page
    // and in its place above others.
    const auto done = qScopeGuard([&] {
        SuspendTopmost = false;
        form.reset();
        setActivePage(DisplayPage);
        ApplyTopmost();
    });
    form = std::make_unique<TCorvaneForm>();
    static constexpr TCorvaneForm::Page formPage[]
        = {TCorvaneForm::HelpPage, TCorvaneForm::OptionsPage, TCorvaneForm::AboutPage};
    form->setActivePage(formPage[page - HelpPage]);
    if (countdownRunning())
        form->hideOptionSheet();
    DialogSeam::exec(*form);
    if (TimerControl->currentIndex() == OptionsPage) {
        SaveSettings();
        LoadSettings();
    }
}

void TFormMain::ExitButtonClick()
{
    close();
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    guarded([&] { mayClose = FormClose(); });
    if (mayClose) {
        event->accept();
        return;
    }
    // Also after a failed save: the window stays and keeps its place above others.
    SuspendTopmost = false;
    Timer1->wake();
    event->ignore();
}

bool TFormMain::FormClose()
{
    SuspendTopmost = true;
    // A running countdown's next tick lets go of the topmost place before the question.
    Timer1->wake();
    const bool confirmed = !ProgOptions.GenOptions[TOptionsRec::ExitDialog]
        || MsgDialog(LangText(QStringLiteral("Messages"),
                         QStringLiteral("Do you really want to exit the program?")),
            QString(), DlgKind::Confirmation);
    if (!confirmed)
        return false; // closeEvent lets the window take its place above others again
    saveListAndSettings();
    return true;
}

void TFormMain::saveListAndSettings()
{
    saveTimeList();
    SaveSettings();
}

void TFormMain::saveAtSessionEnd() noexcept
{
    // A message box here would hold up the logout until someone answers it; the session is
    // ending anyway, so what could not be saved is said where a log can keep it.
    try {
        saveListAndSettings();
    } catch (const CorvaneError& e) {
        std::fprintf(stderr, "Corvane: %s\n", e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Corvane: %s\n", e.what());
    }
}

} // namespace corvane
