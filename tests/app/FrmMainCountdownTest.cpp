// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The countdown, driven tick by tick with the clock in the test's hand.
#include "app/FrmMain.h"

#include "ClockedMainWindow.h"
#include "TimeZoneScope.h"
#include "app/ImageButton.h"
#include "app/TrayIcons.h"
#include "platform/ClockChangeWatch.h"
#include "platform/Timer.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <QTreeWidget>
#include <algorithm>
#include <memory>
#include <tuple>

using namespace corvane;
using namespace corvane::test;

namespace {

class FakeSound : public SoundBackend {
public:
    explicit FakeSound(QStringList* played)
        : m_played(played)
    {
    }
    void play(const QString& path, std::function<void()>) override { *m_played << path; }
    void stop() override { }
    void beep() override { *m_played << QStringLiteral("beep"); }

private:
    QStringList* m_played;
};

class Countdown : public ClockedMainWindow {
protected:
    void SetUp() override
    {
        ClockedMainWindow::SetUp();
        prepare(
            "Entries\r\n\tTea\r\n\t\t00:00:03\r\n\t\tTea is ready\r\n\t\t/no/such.wav\r\n\t\t3\r\n"
            "\tMinute\r\n\t\t00:01:00\r\n\t\tA minute\r\n\t\t\r\n\t\t60\r\n");
    }
    void start() { form = std::make_unique<TFormMain>(std::make_unique<FakeSound>(&played)); }

    TImageButton* button(const char* name) const
    {
        return form->findChild<TImageButton*>(QLatin1String(name));
    }
    void press(const char* name)
    {
        Q_EMIT button(name)->mouseDown();
        Q_EMIT button(name)->mouseUp();
    }
    TTimer* timer() const { return form->findChild<TTimer*>(QStringLiteral("Timer1")); }
    bool running() const { return timer()->isActive(); }
    // Moves the clock on and delivers one tick, as the 100 ms timer would.
    void tick(int ms = 100)
    {
        m_now = m_now.addMSecs(ms);
        if (running())
            QMetaObject::invokeMethod(timer(), "timeout");
    }
    QString display() const
    {
        return form->findChild<QLabel*>(QStringLiteral("ZeitAnzeigePanel"))->text();
    }
    int progress() const
    {
        return form->findChild<QLabel*>(QStringLiteral("ProgBarImage"))->height();
    }
    void chooseEntry(int i)
    {
        auto* combo = form->findChild<QComboBox*>(QStringLiteral("TopicsCombo"));
        combo->setCurrentIndex(i);
        Q_EMIT combo->activated(i);
    }
    // Ticks until the alarm is shown; returns how many ticks that took.
    int ticksUntilAlarm(DialogScript& dialogs, int limit = 2000)
    {
        for (int n = 1; n <= limit; ++n) {
            tick();
            if (dialogs.shown() > 0)
                return n;
        }
        return -1;
    }
    int trayIconIndexShown() const
    {
        const QImage shown = form->trayData().hIcon.pixmap(16, 16).toImage();
        for (int i = 0; i < 4; ++i)
            if (shown == clockIconImage(i, 16))
                return i;
        return shown == applicationIconImage(16) ? -1 : -2;
    }

    QStringList played;
    std::unique_ptr<TFormMain> form;
};

} // namespace

TEST_F(Countdown, ThreeSecondsShowTwoOneZeroAndEndWithinATick)
{
    start();
    DialogScript dialogs({acceptDialog()});
    press("StartButton");
    EXPECT_EQ(button("StartButton")->look(), TImageButton::Look::Down);
    QStringList shown;
    for (int n = 0; n < 30 && dialogs.shown() == 0; ++n) {
        tick();
        if (shown.isEmpty() || shown.last() != display())
            shown << display();
    }
    EXPECT_EQ(shown, (QStringList{"00:00:02", "00:00:01", "00:00:00"}));
    EXPECT_EQ(dialogs.shown(), 1);
    EXPECT_EQ(m_now, QDateTime(QDate(2026, 12, 7), QTime(10, 0, 3))); // the tick at the end
    EXPECT_EQ(dialogs.titles().value(0), QStringLiteral("Corvane Alarm"));
    EXPECT_EQ(dialogs.texts().value(0), QStringLiteral("Tea is ready"));
    // The file is missing and this program folder has no alarm sound: the system beep.
    EXPECT_EQ(played, QStringList{"beep"});
    EXPECT_FALSE(running());
    EXPECT_EQ(button("StartButton")->look(), TImageButton::Look::Down);
    EXPECT_FALSE(button("PauseButton")->isGlyphEnabled());
    EXPECT_EQ(trayIconIndexShown(), -1);
}

TEST_F(Countdown, RunsAcrossMidnightWithoutAJump)
{
    m_now = QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 500));
    start();
    DialogScript dialogs({acceptDialog()});
    press("StartButton");
    tick();
    int lastProgress = progress();
    for (int n = 1; n < 29; ++n) {
        tick();
        EXPECT_LE(progress(), lastProgress);
        lastProgress = progress();
    }
    EXPECT_EQ(display(), QStringLiteral("00:00:00"));
    EXPECT_EQ(dialogs.shown(), 0);
    tick();
    EXPECT_EQ(dialogs.shown(), 1);
    EXPECT_EQ(m_now, QDateTime(QDate(2027, 1, 1), QTime(0, 0, 2, 500)));
}

TEST_F(Countdown, PauseThenStartEndsLaterByThePause)
{
    start();
    chooseEntry(1); // one minute
    DialogScript dialogs({acceptDialog()});
    press("StartButton");
    for (int n = 0; n < 100; ++n)
        tick(); // 10 s
    press("PauseButton");
    EXPECT_FALSE(running());
    EXPECT_EQ(button("PauseButton")->look(), TImageButton::Look::Down);
    m_now = m_now.addSecs(30);
    press("StartButton");
    EXPECT_EQ(progress(), 116); // full again at the resumption
    const int ticks = ticksUntilAlarm(dialogs);
    EXPECT_EQ(ticks, 500); // the 50 s that were left
    EXPECT_EQ(m_now, QDateTime(QDate(2026, 12, 7), QTime(10, 1, 30)));
}

TEST_F(Countdown, PauseTwiceThenStartBeginsAgain)
{
    start();
    DialogScript dialogs({acceptDialog()});
    press("StartButton");
    tick(1500);
    press("PauseButton");
    press("PauseButton"); // cancels the pause
    EXPECT_EQ(button("PauseButton")->look(), TImageButton::Look::Up);
    press("StartButton");
    EXPECT_EQ(ticksUntilAlarm(dialogs), 30);
}

TEST_F(Countdown, StartWhileRunningRestartsFromTheFullDuration)
{
    start();
    DialogScript dialogs({acceptDialog()});
    press("StartButton");
    tick(2000);
    press("StartButton");
    EXPECT_EQ(ticksUntilAlarm(dialogs), 30);
}

TEST_F(Countdown, ZeroDurationFromTheFlatLookStopsAtTheFirstTick)
{
    start();
    auto* tree = form->findChild<QTreeWidget*>(QStringLiteral("StopTreeView"));
    tree->setCurrentItem(tree->topLevelItem(0)); // the root: Start goes flat
    EXPECT_EQ(button("StartButton")->look(), TImageButton::Look::Flat);
    form->findChild<QSpinBox*>(QStringLiteral("Sekundenzahl"))->setValue(0);
    form->findChild<QSpinBox*>(QStringLiteral("Minutenzahl"))->setValue(0);
    DialogScript dialogs;
    press("StartButton");
    EXPECT_TRUE(running());
    tick();
    EXPECT_FALSE(running());
    EXPECT_EQ(dialogs.shown(), 0);
    EXPECT_TRUE(played.isEmpty());
    EXPECT_NE(button("StartButton")->look(), TImageButton::Look::Down);
}

TEST_F(Countdown, ChoosingAnotherCountdownWhilePausedKeepsTheTimeLeft)
{
    start();
    DialogScript dialogs({acceptDialog()});
    press("StartButton");
    tick(1000);
    press("PauseButton");
    chooseEntry(1); // loads "Minute" into the editor
    press("StartButton");
    EXPECT_EQ(ticksUntilAlarm(dialogs), 20);
    EXPECT_EQ(dialogs.texts().value(0), QStringLiteral("A minute"));
    EXPECT_TRUE(played.isEmpty()); // the newly loaded entry has no sound
}

TEST_F(Countdown, PauseStaysDisabledAfterTheAlarmUntilAnEntryIsChosen)
{
    start();
    DialogScript dialogs({acceptDialog(), acceptDialog()});
    press("StartButton");
    ticksUntilAlarm(dialogs);
    press("StartButton"); // again, instead of Stop
    EXPECT_FALSE(button("PauseButton")->isGlyphEnabled());
    ticksUntilAlarm(dialogs);
    press("StopButton");
    EXPECT_TRUE(button("PauseButton")->isGlyphEnabled());
    EXPECT_EQ(button("StartButton")->look(), TImageButton::Look::Up);
    EXPECT_EQ(display(), QStringLiteral("00:00:03"));
}

TEST_F(Countdown, MovingTheClockMovesTheEnd)
{
    start();
    chooseEntry(1);
    DialogScript dialogs({acceptDialog(), acceptDialog()});
    press("StartButton");
    tick();
    m_now = m_now.addSecs(-30); // back: half a minute more
    EXPECT_EQ(ticksUntilAlarm(dialogs), 899);
    press("StopButton");
    press("StartButton");
    tick();
    tick(120'000); // forward past the end
    EXPECT_EQ(dialogs.shown(), 2);
}

TEST_F(Countdown, TrayShowsTheQuartersOfAMinute)
{
    start();
    chooseEntry(1);
    DialogScript dialogs({acceptDialog()});
    const int updatesBefore = notifyIconUpdates();
    press("StartButton");
    QList<int> sequence;
    QList<int> changedAt;
    for (int n = 1; n <= 600; ++n) {
        tick();
        const int index = trayIconIndexShown();
        if (sequence.isEmpty() || sequence.last() != index) {
            sequence << index;
            changedAt << n;
        }
    }
    EXPECT_EQ(sequence, (QList<int>{0, 1, 2, 3, -1}));
    // Twenty seconds in (tick 200) the second third begins; two seconds before the end, 3.
    EXPECT_EQ(changedAt, (QList<int>{1, 200, 400, 580, 600}));
    // Only the changes reach the tray, not every tick.
    EXPECT_EQ(notifyIconUpdates() - updatesBefore, 5);
}

TEST_F(Countdown, WithoutTrayProgressTheApplicationIconStays)
{
    writeIni("[Language]\r\nFile=English.lng\r\n[General]\r\nOption 1=0\r\nOption 3=0\r\n");
    start();
    chooseEntry(1);
    press("StartButton");
    for (int n = 0; n < 590; ++n) {
        tick();
        ASSERT_EQ(trayIconIndexShown(), -1) << n;
    }
    EXPECT_EQ(form->trayData().szTip, QStringLiteral("Corvane"));
}

TEST_F(Countdown, OnlyALeftClickOnTheTrayBringsTheWindowBack)
{
    start();
    form->hide();
    form->WMTrayNotify(TNotifyIconData::WM_RBUTTONDOWN);
    EXPECT_FALSE(form->isVisible());
    form->WMTrayNotify(TNotifyIconData::WM_LBUTTONDOWN);
    EXPECT_TRUE(form->isVisible());
}

// Offscreen there is no tray, as on a desktop without one: hiding the window would leave
// nothing to bring it back by.
TEST_F(Countdown, WithoutATrayMinimisingKeepsTheWindowReachable)
{
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
    start();
    form->show();
    form->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents(); // where a hide into the tray would happen
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isMinimized());
}

TEST_F(Countdown, TopmostIsNotReappliedOnEveryTick)
{
    start();
    form->show();
    ASSERT_TRUE(form->isTopmost());
    const WId id = form->winId();
    press("StartButton");
    for (int n = 0; n < 20; ++n)
        tick();
    EXPECT_EQ(form->winId(), id); // the native window was never re-created
    EXPECT_TRUE(form->isTopmost());
}

TEST_F(Countdown, RunningLocksTheEditorPages)
{
    start();
    press("StartButton");
    EXPECT_TRUE(form->countdownRunning());
    EXPECT_TRUE(form->findChild<QWidget*>(QStringLiteral("pnlEnter"))->isHidden());
    EXPECT_TRUE(form->findChild<QWidget*>(QStringLiteral("pnlList"))->isHidden());
    press("StopButton");
    EXPECT_FALSE(form->findChild<QWidget*>(QStringLiteral("pnlEnter"))->isHidden());
}

TEST_F(Countdown, WakesWhenTheTimeLeftChangesAndRingsAtTheEnd)
{
    // The timer's own clock runs with the test's; ticks come exactly when the timer asks.
    m_now = QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0, 370));
    const QDateTime origin = m_now;
    TTimer::setMonotonic([&] { return origin.msecsTo(m_now); });
    start();
    chooseEntry(1); // one minute
    DialogScript dialogs({acceptDialog()});
    press("StartButton");
    int wakes = 0;
    QStringList late;
    while (running() && wakes < 1000) {
        const QString before = display();
        m_now = origin.addMSecs(timer()->nextTickAt());
        QMetaObject::invokeMethod(timer(), "deliver");
        ++wakes;
        // "00:00:58" is due when 58.999 s are left, 1001 ms after the start, and so on; the
        // first tick comes one interval after the start.
        if (display() != before && dialogs.shown() == 0) {
            const int left = display().right(2).toInt() + display().mid(3, 2).toInt() * 60;
            const qint64 due = std::max<qint64>(100, (59 - left) * 1000 + 1);
            if (origin.msecsTo(m_now) > due + 2)
                late << display();
        }
    }
    EXPECT_TRUE(late.isEmpty()) << late.join(' ').toStdString();
    EXPECT_EQ(dialogs.shown(), 1);
    const qint64 alarmAt = origin.msecsTo(m_now);
    EXPECT_GE(alarmAt, 60000);
    EXPECT_LE(alarmAt, 60002);
    EXPECT_EQ(display(), QStringLiteral("00:00:00"));
    EXPECT_LE(wakes, 130); // the changes of a minute's picture, not 600 ticks
}

TEST_F(Countdown, SettingTheClockWakesTheNextTick)
{
    const QDateTime origin = m_now;
    TTimer::setMonotonic([&] { return origin.msecsTo(m_now); });
    start();
    chooseEntry(1);
    press("StartButton");
    tick(100); // 59.9 s left: nothing new to show for 900 ms
    EXPECT_EQ(timer()->nextTickAt(), 1001);
    Q_EMIT form->findChild<ClockChangeWatch*>()->changed();
    EXPECT_EQ(timer()->nextTickAt(), 200);
}

TEST_F(Countdown, DaylightSavingChangesDoNotMoveTheEnd)
{
    const TimeZoneScope berlin(berlinZone);
    // Ten minutes from five minutes before each change (01:00 UTC): forward at 02:00 local
    // time, back at 03:00. The timer's clock is the real time elapsed.
    for (const QDate day : {QDate(2026, 3, 29), QDate(2026, 10, 25)}) {
        SCOPED_TRACE(day.toString().toStdString());
        const QDateTime origin = QDateTime(day, QTime(0, 55), Qt::UTC).toLocalTime();
        m_now = origin;
        TTimer::setMonotonic([&] { return origin.msecsTo(m_now); });
        start();
        form->findChild<QSpinBox*>(QStringLiteral("Minutenzahl"))->setValue(10);
        form->findChild<QSpinBox*>(QStringLiteral("Sekundenzahl"))->setValue(0);
        DialogScript dialogs({acceptDialog()});
        press("StartButton");
        QStringList wrong;
        for (int wakes = 0; running() && wakes < 1000; ++wakes) {
            m_now = origin.addMSecs(timer()->nextTickAt());
            QMetaObject::invokeMethod(timer(), "deliver");
            const qint64 leftMs = 600'000 - origin.msecsTo(m_now);
            const QString due = QTime(0, 0)
                                    .addSecs(int(std::max<qint64>(0, leftMs) / 1000))
                                    .toString(QStringLiteral("HH:mm:ss"));
            if (display() != due)
                wrong << m_now.toString(Qt::ISODate) + QLatin1Char(' ') + display();
        }
        EXPECT_TRUE(wrong.isEmpty()) << wrong.join(QLatin1Char(',')).toStdString();
        EXPECT_EQ(dialogs.shown(), 1);
        const qint64 alarmAt = origin.msecsTo(m_now);
        EXPECT_GE(alarmAt, 600'000);
        EXPECT_LE(alarmAt, 600'002);
        form.reset();
    }
}

TEST_F(Countdown, WakingFromSuspendTicksAtOnceByTheWallClock)
{
    // Asleep, the wall clock runs on while the timer's monotonic clock stands still.
    qint64 monotonic = 0;
    TTimer::setMonotonic([&] { return monotonic; });
    start();
    chooseEntry(1); // one minute
    DialogScript dialogs({acceptDialog()});
    press("StartButton");
    auto tickAt = [&](qint64 at) {
        m_now = m_now.addMSecs(at - monotonic);
        monotonic = at;
        QMetaObject::invokeMethod(timer(), "deliver");
    };
    auto sleepFor = [&](int seconds) {
        m_now = m_now.addSecs(seconds);
        Q_EMIT form->findChild<ClockChangeWatch*>()->changed();
    };
    tickAt(100);
    ASSERT_EQ(timer()->nextTickAt(), 1001); // nothing new to show until then
    sleepFor(20);
    EXPECT_EQ(timer()->nextTickAt(), 200);
    tickAt(200);
    EXPECT_EQ(display(), QStringLiteral("00:00:39"));
    sleepFor(3600); // past the end
    EXPECT_EQ(timer()->nextTickAt(), 300);
    tickAt(300);
    EXPECT_EQ(dialogs.shown(), 1);
    EXPECT_FALSE(running());
}

namespace {

TInstanceReply command(
    TFormMain& form, CommandKind kind, const char* value = "", const char* message = nullptr)
{
    return form.runCommand(
        {kind, QString::fromUtf8(value), QString::fromUtf8(message), message != nullptr});
}

} // namespace

// A countdown started from the command line runs as one chosen and started by hand: the
// pages lock, the tray follows, the alarm is the same.
TEST_F(Countdown, CommandStartsAListedCountdownAsStartDoes)
{
    start();
    DialogScript dialogs({acceptDialog()});
    form->setActivePage(TFormMain::ListPage);
    const TInstanceReply reply = command(*form, CommandKind::Start, "minute");
    EXPECT_EQ(reply, (TInstanceReply{0, QStringLiteral("Started 'Minute' (00:01:00).\n"), {}}));
    EXPECT_TRUE(running());
    EXPECT_EQ(form->countdownState(), TFormMain::CountdownState::Running);
    EXPECT_TRUE(form->findChild<QWidget*>(QStringLiteral("pnlEnter"))->isHidden());
    EXPECT_TRUE(form->findChild<QWidget*>(QStringLiteral("pnlList"))->isHidden());
    EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("TopicsCombo"))->currentText(),
        QStringLiteral("Minute"));
    tick(30000);
    EXPECT_EQ(display(), QStringLiteral("00:00:30"));
    EXPECT_GE(trayIconIndexShown(), 0); // a clock, not the program's icon
    EXPECT_GT(ticksUntilAlarm(dialogs), 0);
    EXPECT_EQ(dialogs.texts().value(0), QStringLiteral("A minute"));
}

TEST_F(Countdown, CommandStartsADurationWithoutTouchingTheList)
{
    start();
    DialogScript dialogs({acceptDialog(), acceptDialog()});
    auto* tree = form->findChild<QTreeWidget*>(QStringLiteral("StopTreeView"));
    const int entries = tree->topLevelItem(0)->childCount();
    EXPECT_EQ(command(*form, CommandKind::Start, "2s", "Stretch").output,
        QStringLiteral("Started a countdown of 00:00:02.\n"));
    EXPECT_EQ(ticksUntilAlarm(dialogs), 20);
    EXPECT_EQ(dialogs.texts().value(0), QStringLiteral("Stretch"));
    EXPECT_EQ(tree->topLevelItem(0)->childCount(), entries);
    // The alarm was seen: the next start puts the ended one away as Stop would.
    EXPECT_EQ(form->countdownState(), TFormMain::CountdownState::Ended);
    EXPECT_EQ(command(*form, CommandKind::Start, "1").exitCode, 0);
    for (int n = 0; n < 20 && dialogs.shown() < 2; ++n)
        tick();
    EXPECT_EQ(dialogs.texts().value(1), QStringLiteral("Time is up."));
}

TEST_F(Countdown, CommandsThatCannotBeDoneChangeNothing)
{
    start();
    EXPECT_EQ(command(*form, CommandKind::Pause),
        failedReply(QStringLiteral("No countdown is running.")));
    EXPECT_EQ(command(*form, CommandKind::Stop).exitCode, 1);
    EXPECT_EQ(command(*form, CommandKind::Start, "99:60:00").error,
        QStringLiteral("Minutes and seconds go up to 59: '99:60:00'."));
    const std::string huge(100000, 'x');
    const TInstanceReply unknown = command(*form, CommandKind::Start, huge.c_str());
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_LT(unknown.error.size(), 200); // the title is not echoed whole
    EXPECT_EQ(command(*form, CommandKind::Start, "Tea", "x").exitCode, 1);
    EXPECT_EQ(form->countdownState(), TFormMain::CountdownState::Ready);
    EXPECT_FALSE(running());

    ASSERT_EQ(command(*form, CommandKind::Start, "Minute").exitCode, 0);
    EXPECT_EQ(command(*form, CommandKind::Start, "Tea").error,
        QStringLiteral("A countdown is running (00:01:00 left). Stop it first: corvane --stop"));
    EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("TopicsCombo"))->currentText(),
        QStringLiteral("Minute"));
    tick(10000);
    EXPECT_EQ(command(*form, CommandKind::Pause), TInstanceReply{});
    EXPECT_EQ(form->countdownState(), TFormMain::CountdownState::Paused);
    EXPECT_EQ(command(*form, CommandKind::Pause).error,
        QStringLiteral("The countdown is paused already."));
    EXPECT_EQ(command(*form, CommandKind::Start, "5m").error,
        QStringLiteral("A countdown is paused (00:00:50 left). Stop it first: corvane --stop"));
    EXPECT_EQ(command(*form, CommandKind::Stop), TInstanceReply{});
    EXPECT_EQ(form->countdownState(), TFormMain::CountdownState::Ready);
    EXPECT_FALSE(form->findChild<QWidget*>(QStringLiteral("pnlEnter"))->isHidden());
}

TEST_F(Countdown, CommandListsTheCountdownsWithTheirDurations)
{
    start();
    EXPECT_EQ(command(*form, CommandKind::List),
        (TInstanceReply{0, QStringLiteral("Tea\t00:00:03\nMinute\t00:01:00\n"), {}}));
}
