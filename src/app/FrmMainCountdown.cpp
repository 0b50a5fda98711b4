// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The countdown engine. Its state is the look of the three image buttons (ready: Start up,
// running: Start down, paused: Pause down, ended: Start down with Pause disabled) plus
// EndTime, PauseRemaining, TotalSeconds and SoundFile. A tick on a 100 ms grid measures the
// time left against the wall clock in UTC: setting the clock moves the end, the changes to and
// from daylight-saving time do not. Ticks that would change nothing are skipped (see TTimer).
#include "app/CountdownMath.h"
#include "app/DesignPictures.h"
#include "app/FrmMain.h"
#include "app/ImageButton.h"
#include "lang/MessDlg.h"
#include "platform/ErrorHandler.h"
#include "platform/Timer.h"

#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <cmath>

namespace corvane {

void TFormMain::showDesignPictures()
{
    showDesignedLook(themedControls());
}

void TFormMain::connectCountdownHandlers()
{
    connect(StartButton, &TImageButton::mouseDown, this, guard([this] { StartImageMouseDown(); }));
    connect(StartButton, &TImageButton::mouseUp, this, guard([this] { StartImageMouseUp(); }));
    connect(PauseButton, &TImageButton::mouseDown, this, guard([this] { PauseImageMouseDown(); }));
    connect(PauseButton, &TImageButton::mouseUp, this, guard([this] { PauseImageMouseUp(); }));
    connect(StopButton, &TImageButton::mouseDown, this, guard([this] { StopImageMouseDown(); }));
    connect(StopButton, &TImageButton::mouseUp, this, guard([this] { StopImageMouseUp(); }));
    connect(Timer1, &TTimer::timeout, this, guard([this] { Timer1Timer(); }));
}

int TFormMain::progressFrameHeight() const
{
    return ProgbarPanel->height();
}

void TFormMain::setProgressHeight(int height)
{
    // The picture stands on the frame's bottom edge; only its height changes.
    const int bottom = progressFrameHeight() - 1;
    if (ProgBarImage->height() != height)
        ProgBarImage->setGeometry(1, bottom - height, ProgbarPanel->width() - 2, height);
}

void TFormMain::StartImageMouseDown()
{
    StartButton->setLook(TImageButton::Look::Down);
    pnlEnter->hide();
    pnlList->hide();
}

void TFormMain::StartImageMouseUp()
{
    if (!StartButton->isDown())
        return;
    // One reading of the clock for both, so the scale of the progress is the whole run.
    const TDateTime now = Clock::nowUtc();
    if (PauseButton->isDown())
        EndTime = now + PauseRemaining;
    else
        EndTime = now
            + editorDuration(StundenZahl->value(), Minutenzahl->value(), Sekundenzahl->value());
    PauseButton->setLook(TImageButton::Look::Up);
    StopButton->setLook(TImageButton::Look::Up);
    SoundFile = Klangzeile->text();
    TotalSeconds = SecondsBetween(EndTime, now);
    Timer1->start();
    setProgressHeight(progressFrameHeight() - 2);
    TrayIconIndex = 99;
}

void TFormMain::PauseImageMouseDown()
{
    PauseButton->setLook(TImageButton::Look::Down);
}

void TFormMain::PauseImageMouseUp()
{
    if (StartButton->isDown()) {
        StartButton->setLook(TImageButton::Look::Up);
        Timer1->stop();
        PauseRemaining = EndTime - Clock::nowUtc();
    } else {
        PauseButton->setLook(TImageButton::Look::Up);
    }
}

void TFormMain::StopImageMouseDown()
{
    StopButton->setLook(TImageButton::Look::Down);
    pnlEnter->show();
    pnlList->show();
}

void TFormMain::StopImageMouseUp()
{
    Timer1->stop();
    closeAlarmNotification();
    for (QSpinBox* spin : {StundenZahl, Minutenzahl, Sekundenzahl})
        spin->setValue(0);
    ShowEditorTime();
    for (TImageButton* button : {StartButton, PauseButton, StopButton})
        button->setLook(TImageButton::Look::Up);
    setProgressHeight(progressFrameHeight() - 2);
    TopicsComboCloseUp();
}

void TFormMain::Timer1Timer()
{
    if (TotalSeconds == 0) {
        // A start with nothing to count ends at once, without sound or message.
        Timer1->stop();
        StopImageMouseUp();
        return;
    }
    ApplyTopmost();
    const int oldIndex = TrayIconIndex;
    const TDateTime now = Clock::nowUtc();
    ZeitAnzeigePanel->setText(spanText(EndTime - now));
    const int frame = progressFrameHeight();
    const int height = progressHeight(SecondsBetween(EndTime, now), TotalSeconds, frame);
    setProgressHeight(height);
    TrayIconIndex = quint8(trayIconIndex(height, frame));
    if (TrayIconIndex != oldIndex)
        updateTrayIcon(TrayIconIndex);
    // Compared in whole milliseconds: a day count carries rounding noise far below that,
    // which must not hold the alarm back for another tick.
    if (std::llround((EndTime - now) * millisecondsPerDay) <= 0) {
        endSequence();
        return;
    }
    // Every tick before the next change would show exactly this again, so the timer need
    // not wake for them. One millisecond more because the clock's milliseconds and the
    // timer's are counted apart: waking before the change would only cost another tick.
    Timer1->tickAgainIn(msUntilChange(EndTime, now, TotalSeconds, frame) + 1);
}

void TFormMain::endSequence()
{
    Timer1->stop();
    PauseButton->setGlyphEnabled(false);
    if (!SoundFile.isEmpty())
        m_sound.PlaySound(SoundFile);
    const QString title = windowTitle() + QLatin1String(" Alarm");
    // Sent before the dialog, which runs its own loop until it is answered, and taken back
    // once it is: the alarm has been seen.
    notifyAlarm(title, TextZeile->text());
    {
        const auto seen = qScopeGuard([this] { closeAlarmNotification(); });
        const QScopedValueRollback<bool> showing(m_alarmShowing, true);
        MsgDialog(TextZeile->text(), title, DlgKind::Information);
    }
    setProgressHeight(progressFrameHeight() - 2);
    showApplicationIcon();
    TopicsComboCloseUp();
}

} // namespace corvane
