// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The alarm's desktop notification: sent when the window is out of sight, before the alarm
// dialog, taken back when the dialog is answered or the countdown stopped; its click brings
// the window back.
#include "app/FrmMain.h"

#include "ClockedMainWindow.h"
#include "EnvScope.h"
#include "PrivateBus.h"
#include "app/AlarmNotice.h"
#include "app/ImageButton.h"
#include "platform/Timer.h"

#include <QApplication>
#include <QDBusArgument>
#include <QTest>
#include <memory>

using namespace corvane;
using namespace corvane::test;

namespace {

class SilentSound : public SoundBackend {
public:
    void play(const QString&, std::function<void()>) override { }
    void stop() override { }
    void beep() override { }
};

class FakeNotifier : public TNotifier {
public:
    void show(const TNotification& notification) override { shown << notification; }
    void close() override { ++closes; }

    QList<TNotification> shown;
    int closes = 0;
};

class AlarmNotification : public ClockedMainWindow {
protected:
    void SetUp() override
    {
        ClockedMainWindow::SetUp();
        prepare("Entries\r\n\tTea\r\n\t\t00:00:03\r\n\t\tTea & cake\r\n\t\t\r\n\t\t3\r\n");
    }
    void start()
    {
        auto notifier = std::make_unique<FakeNotifier>();
        fake = notifier.get();
        start(std::move(notifier));
    }
    void start(std::unique_ptr<TNotifier> notifier)
    {
        form = std::make_unique<TFormMain>(std::make_unique<SilentSound>(), std::move(notifier));
    }
    void press(const char* name)
    {
        auto* button = form->findChild<TImageButton*>(QLatin1String(name));
        Q_EMIT button->mouseDown();
        Q_EMIT button->mouseUp();
    }
    // Starts the countdown and ticks until the alarm dialog was shown.
    void runToAlarm(DialogScript& dialogs)
    {
        press("StartButton");
        auto* timer = form->findChild<TTimer*>(QStringLiteral("Timer1"));
        for (int n = 0; n < 100 && dialogs.shown() == 0; ++n) {
            m_now = m_now.addMSecs(100);
            QMetaObject::invokeMethod(timer, "timeout");
        }
        ASSERT_EQ(dialogs.shown(), 1);
    }
    void showActive()
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    FakeNotifier* fake = nullptr;
};

} // namespace

TEST(AlarmWantsNotification, OnlyWhileTheUserIsAtCorvanesWindowItDoesNot)
{
    // visible, minimised, active
    EXPECT_FALSE(alarmWantsNotification({true, false, true}));
    EXPECT_TRUE(alarmWantsNotification({true, false, false})); // behind another program
    EXPECT_TRUE(alarmWantsNotification({true, true, false})); // minimised
    EXPECT_TRUE(alarmWantsNotification({true, true, true})); // minimised, focus kept
    EXPECT_TRUE(alarmWantsNotification({false, false, false})); // hidden in the tray
    EXPECT_TRUE(alarmWantsNotification({false, false, true})); // in the tray, a dialog active
}

TEST_F(AlarmNotification, AHiddenWindowsAlarmGoesToTheDesktopBeforeTheDialog)
{
    start();
    int shownAtDialog = -1, closedAtDialog = -1;
    DialogScript dialogs({[&](QDialog& dialog) {
        shownAtDialog = int(fake->shown.size());
        closedAtDialog = fake->closes;
        dialog.accept();
    }});
    runToAlarm(dialogs);
    EXPECT_EQ(shownAtDialog, 1);
    EXPECT_EQ(closedAtDialog, 0);
    ASSERT_EQ(fake->shown.size(), 1);
    EXPECT_EQ(fake->shown[0].summary, dialogs.titles().value(0));
    EXPECT_EQ(fake->shown[0].summary, QStringLiteral("Corvane Alarm"));
    EXPECT_EQ(fake->shown[0].body,
        QStringLiteral("Tea & cake")); // as written: escaping is the notifier's
    EXPECT_EQ(fake->shown[0].actionLabel, QStringLiteral("Show Corvane"));
    // The dialog answered, the alarm has been seen.
    EXPECT_EQ(fake->closes, 1);
}

TEST_F(AlarmNotification, TheActionIsInTheUsersLanguage)
{
    writeIni("[Language]\r\nFile=German.lng\r\n[General]\r\nOption 3=0\r\n");
    start();
    DialogScript dialogs({acceptDialog()});
    runToAlarm(dialogs);
    ASSERT_EQ(fake->shown.size(), 1);
    EXPECT_EQ(fake->shown[0].actionLabel, QStringLiteral("Corvane anzeigen"));
}

TEST_F(AlarmNotification, NotWhileTheUserIsAtTheWindow)
{
    start();
    showActive();
    DialogScript dialogs({acceptDialog()});
    runToAlarm(dialogs);
    EXPECT_TRUE(fake->shown.isEmpty());
}

TEST_F(AlarmNotification, AMinimisedWindowsAlarmGoesToTheDesktop)
{
    start();
    showActive();
    form->setWindowState(Qt::WindowMinimized); // offscreen there is no tray to hide it in
    QCoreApplication::processEvents();
    ASSERT_TRUE(form->isMinimized());
    DialogScript dialogs({acceptDialog()});
    runToAlarm(dialogs);
    EXPECT_EQ(fake->shown.size(), 1);
}

TEST_F(AlarmNotification, AWindowBehindAnotherProgramsAlarmGoesToTheDesktop)
{
    start();
    showActive();
    // The focus goes to a window of another program: none of this one is active.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.hide();
    if (QApplication::activeWindow() != nullptr)
        GTEST_SKIP() << "this platform hands the focus back to the window at once";
    DialogScript dialogs({acceptDialog()});
    runToAlarm(dialogs);
    EXPECT_EQ(fake->shown.size(), 1);
}

TEST_F(AlarmNotification, ItsClickBringsTheWindowBackWithTheDialogInFront)
{
    start();
    bool visible = false;
    QWidget* modal = nullptr;
    DialogScript dialogs({[&](QDialog& dialog) {
        Q_EMIT fake->activated(QString());
        visible = form->isVisible() && !form->isMinimized();
        modal = QApplication::activeModalWidget();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.accept();
    }});
    runToAlarm(dialogs);
    EXPECT_TRUE(visible);
    EXPECT_NE(modal, nullptr);
    EXPECT_NE(modal, form.get());
}

TEST_F(AlarmNotification, TheServersTokenIsHandedOnForTheFocus)
{
    const EnvScope token("XDG_ACTIVATION_TOKEN", "");
    qunsetenv("XDG_ACTIVATION_TOKEN");
    start();
    Q_EMIT fake->activated(QStringLiteral("token-7"));
    EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), QByteArray("token-7"));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(AlarmNotification, StopTakesItBack)
{
    start();
    DialogScript dialogs({acceptDialog()});
    runToAlarm(dialogs);
    const int closes = fake->closes;
    press("StopButton");
    EXPECT_EQ(fake->closes, closes + 1);
}

// The whole way: the real notifier, a stand-in server on a private bus, the action clicked
// while the alarm dialog waits.
TEST_F(AlarmNotification, ReachesANotificationServerWhoseActionBringsTheWindowBack)
{
    PrivateBus bus;
    if (!bus.started())
        GTEST_SKIP() << bus.problem().toStdString();
    QTemporaryDir data;
    const EnvScope dataHome("XDG_DATA_HOME", data.filePath("home").toUtf8());
    const EnvScope dataDirs("XDG_DATA_DIRS", data.filePath("system").toUtf8());
    FakeNotificationServer server(bus.connect());
    ASSERT_TRUE(server.registerOnBus());
    start(makeDesktopNotifier(bus.connect()));

    QList<QVariant> notify;
    bool broughtBack = false;
    DialogScript dialogs({[&](QDialog& dialog) {
        if (server.waitForCalls(QStringLiteral("Notify"), 1)) {
            notify = server.callsOf(QStringLiteral("Notify")).first().arguments;
            server.sendActionInvoked(1, QStringLiteral("show"));
            broughtBack = QTest::qWaitFor([&] { return form->isVisible(); }, 5000);
        }
        dialog.accept();
    }});
    runToAlarm(dialogs);
    ASSERT_EQ(notify.size(), 8);
    EXPECT_EQ(notify[0].toString(), QStringLiteral("Corvane"));
    EXPECT_EQ(notify[2].toString(), QString()); // not installed here: the picture instead
    EXPECT_EQ(notify[3].toString(), QStringLiteral("Corvane Alarm"));
    EXPECT_EQ(notify[4].toString(), QStringLiteral("Tea &amp; cake"));
    EXPECT_EQ(
        notify[5].toStringList(), (QStringList{"default", "Show Corvane", "show", "Show Corvane"}));
    const QVariantMap hints = qdbus_cast<QVariantMap>(notify[6]);
    EXPECT_EQ(hints.value("urgency").toInt(), 2);
    EXPECT_EQ(hints.value("desktop-entry").toString(), QStringLiteral("org.corvane.Corvane"));
    EXPECT_TRUE(hints.contains("image-data"));
    EXPECT_TRUE(broughtBack);
    // The dialog answered: the notification is taken back.
    ASSERT_TRUE(server.waitForCalls(QStringLiteral("CloseNotification"), 1));
    EXPECT_EQ(
        server.callsOf(QStringLiteral("CloseNotification")).first().arguments.value(0).toUInt(),
        1u);
}
