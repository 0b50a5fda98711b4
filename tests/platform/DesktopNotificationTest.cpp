// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The desktop notification against a stand-in server on a private bus.
#include "platform/DesktopNotification.h"

#include "EnvScope.h"
#include "PrivateBus.h"

#include <QDBusArgument>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace corvane;
using namespace corvane::test;

namespace {

const QString iconName = QStringLiteral("org.corvane.Corvane");

QImage iconPicture()
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(QColor(200, 40, 30, 255));
    image.setPixelColor(1, 2, QColor(10, 20, 30, 128));
    return image;
}

void installIcon(const QString& dataDir, const QString& size, const QString& extension)
{
    const QString folder = dataDir + QStringLiteral("/icons/hicolor/") + size + "/apps";
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile file(folder + '/' + iconName + extension);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("icon");
}

class DesktopNotificationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!m_bus.started())
            GTEST_SKIP() << m_bus.problem().toStdString();
        // By default Corvane is portable here: no icon of its name in the data folders.
        m_dataHome = std::make_unique<EnvScope>("XDG_DATA_HOME", m_data.filePath("home").toUtf8());
        m_dataDirs
            = std::make_unique<EnvScope>("XDG_DATA_DIRS", m_data.filePath("system").toUtf8());
    }

    void startServer(QStringList capabilities
        = {QStringLiteral("body"), QStringLiteral("body-markup"), QStringLiteral("actions")})
    {
        m_server = std::make_unique<FakeNotificationServer>(m_bus.connect(), capabilities);
        ASSERT_TRUE(m_server->registerOnBus());
    }

    std::unique_ptr<TDesktopNotification> makeNotifier()
    {
        TNotificationSender sender;
        sender.appName = QStringLiteral("Corvane");
        sender.iconName = iconName;
        sender.iconImage = iconPicture();
        sender.desktopEntry = QStringLiteral("org.corvane.Corvane");
        sender.category = QStringLiteral("x-corvane.alarm");
        return std::make_unique<TDesktopNotification>(m_bus.connect(), sender);
    }

    static TNotification alarm(const QString& body = QStringLiteral("Tea is ready"))
    {
        return {QStringLiteral("Corvane Alarm"), body, QStringLiteral("Show Corvane")};
    }

    // Shows the notification and waits until the server has given it its id.
    uint showAndWait(TDesktopNotification& notifier, const TNotification& notification = alarm())
    {
        QSignalSpy delivered(&notifier, &TDesktopNotification::delivered);
        notifier.show(notification);
        if (!delivered.wait(5000))
            return 0;
        return delivered.first().first().toUInt();
    }

    // Lets every message already sent reach its receivers: a call through the bus and back
    // comes after them.
    void settle()
    {
        QDBusConnection probe = m_bus.connect();
        probe.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
            QStringLiteral("/org/freedesktop/DBus"), QStringLiteral("org.freedesktop.DBus"),
            QStringLiteral("GetId")));
        QTest::qWait(50);
    }

    QTemporaryDir m_data;
    PrivateBus m_bus;
    std::unique_ptr<EnvScope> m_dataHome;
    std::unique_ptr<EnvScope> m_dataDirs;
    std::unique_ptr<FakeNotificationServer> m_server;
};

} // namespace

TEST_F(DesktopNotificationTest, SendsACriticalNotificationWithTheAlarmAndItsAction)
{
    installIcon(m_data.filePath("system"), QStringLiteral("scalable"), QStringLiteral(".svg"));
    startServer();
    auto notifier = makeNotifier();
    const uint id = showAndWait(*notifier, alarm(QStringLiteral("Tea & cake <now> \"hot\"")));
    ASSERT_NE(id, 0u);
    EXPECT_EQ(notifier->shownId(), id);

    const QList<FakeNotificationServer::Call> calls = m_server->callsOf(QStringLiteral("Notify"));
    ASSERT_EQ(calls.size(), 1);
    const QList<QVariant> args = calls.first().arguments;
    ASSERT_EQ(args.size(), 8);
    EXPECT_EQ(args[0].toString(), QStringLiteral("Corvane"));
    EXPECT_EQ(args[1].toUInt(), 0u); // replaces nothing
    EXPECT_EQ(args[2].toString(), iconName); // installed: by name
    EXPECT_EQ(args[3].toString(), QStringLiteral("Corvane Alarm"));
    // The server reads markup: the characters markup gives a meaning to are escaped.
    EXPECT_EQ(args[4].toString(), QStringLiteral("Tea &amp; cake &lt;now&gt; \"hot\""));
    EXPECT_EQ(
        args[5].toStringList(), (QStringList{"default", "Show Corvane", "show", "Show Corvane"}));
    const QVariantMap hints = qdbus_cast<QVariantMap>(args[6]);
    EXPECT_EQ(hints.value("urgency").metaType(), QMetaType::fromType<uchar>()); // a byte
    EXPECT_EQ(hints.value("urgency").toInt(), 2); // critical
    EXPECT_EQ(hints.value("desktop-entry").toString(), QStringLiteral("org.corvane.Corvane"));
    EXPECT_EQ(hints.value("category").toString(), QStringLiteral("x-corvane.alarm"));
    EXPECT_EQ(hints.value("suppress-sound").toBool(), true);
    EXPECT_FALSE(hints.contains("image-data")); // the name is enough
    EXPECT_EQ(args[7].toInt(), 0); // never expires by itself
    // The capabilities were asked first, on the same connection.
    ASSERT_EQ(m_server->calls().size(), 2);
    EXPECT_EQ(m_server->calls().first().member, QStringLiteral("GetCapabilities"));
    EXPECT_EQ(m_server->calls().first().sender, calls.first().sender);
}

TEST_F(DesktopNotificationTest, APortableCorvaneSendsItsPictureInsteadOfTheIconName)
{
    startServer();
    auto notifier = makeNotifier();
    EXPECT_FALSE(notifier->iconByName());
    ASSERT_NE(showAndWait(*notifier), 0u);
    const QList<QVariant> args = m_server->callsOf(QStringLiteral("Notify")).first().arguments;
    EXPECT_EQ(args[2].toString(), QString()); // no name the server could not find
    const QVariantMap hints = qdbus_cast<QVariantMap>(args[6]);
    ASSERT_TRUE(hints.contains("image-data"));
    const QDBusArgument image = hints.value("image-data").value<QDBusArgument>();
    EXPECT_EQ(image.currentSignature(), QStringLiteral("(iiibiiay)"));
    qint32 width = 0, height = 0, rowBytes = 0, bits = 0, channels = 0;
    bool alpha = false;
    QByteArray pixels;
    image.beginStructure();
    image >> width >> height >> rowBytes >> alpha >> bits >> channels >> pixels;
    image.endStructure();
    EXPECT_EQ(width, 64);
    EXPECT_EQ(height, 64);
    EXPECT_EQ(rowBytes, 256);
    EXPECT_TRUE(alpha);
    EXPECT_EQ(bits, 8);
    EXPECT_EQ(channels, 4);
    ASSERT_EQ(pixels.size(), 64 * 256);
    // RGBA, row by row: the first pixel, and the one at (1, 2).
    EXPECT_EQ(pixels.left(4), QByteArray("\xc8\x28\x1e\xff", 4));
    EXPECT_EQ(pixels.mid(2 * 256 + 4, 4), QByteArray("\x0a\x14\x1e\x80", 4));
}

TEST_F(DesktopNotificationTest, WithoutBodyMarkupTheBodyGoesAsWritten)
{
    startServer({QStringLiteral("body"), QStringLiteral("actions")});
    auto notifier = makeNotifier();
    ASSERT_NE(showAndWait(*notifier, alarm(QStringLiteral("Tea & cake <now>"))), 0u);
    EXPECT_EQ(m_server->callsOf(QStringLiteral("Notify")).first().arguments[4].toString(),
        QStringLiteral("Tea & cake <now>"));
}

TEST_F(DesktopNotificationTest, WithoutALabelOnlyTheClickIsOffered)
{
    startServer();
    auto notifier = makeNotifier();
    ASSERT_NE(
        showAndWait(*notifier, {QStringLiteral("Corvane Alarm"), QStringLiteral("x"), {}}), 0u);
    EXPECT_EQ(m_server->callsOf(QStringLiteral("Notify")).first().arguments[5].toStringList(),
        (QStringList{"default", ""}));
}

TEST_F(DesktopNotificationTest, TheActionAndTheClickAreReportedWithTheToken)
{
    startServer();
    auto notifier = makeNotifier();
    QSignalSpy activated(notifier.get(), &TNotifier::activated);
    const uint id = showAndWait(*notifier);
    ASSERT_NE(id, 0u);
    m_server->sendActionInvoked(id, QStringLiteral("show"));
    ASSERT_TRUE(activated.wait(5000));
    EXPECT_EQ(activated.takeFirst().first().toString(), QString());
    // Wayland: the server hands a token over just before the action.
    m_server->sendActivationToken(id, QStringLiteral("token-1"));
    m_server->sendActionInvoked(id, QStringLiteral("default"));
    ASSERT_TRUE(activated.wait(5000));
    EXPECT_EQ(activated.takeFirst().first().toString(), QStringLiteral("token-1"));
}

TEST_F(DesktopNotificationTest, SignalsForOtherNotificationsOrFromOthersAreIgnored)
{
    startServer();
    auto notifier = makeNotifier();
    QSignalSpy activated(notifier.get(), &TNotifier::activated);
    QSignalSpy closed(notifier.get(), &TDesktopNotification::closed);
    const uint id = showAndWait(*notifier);
    ASSERT_NE(id, 0u);
    m_server->sendActionInvoked(id + 1, QStringLiteral("show")); // someone else's notification
    m_server->sendActionInvoked(id, QStringLiteral("snooze")); // no action of ours
    m_server->sendNotificationClosed(id + 1, 2);
    // Another program on the bus, sending as if it were the server.
    FakeNotificationServer impostor(m_bus.connect());
    impostor.sendActionInvoked(id, QStringLiteral("show"));
    impostor.sendNotificationClosed(id, 2);
    settle();
    EXPECT_EQ(activated.size(), 0);
    EXPECT_EQ(closed.size(), 0);
    EXPECT_EQ(notifier->shownId(), id);
}

TEST_F(DesktopNotificationTest, TheServerClosingItIsReportedAndNothingIsLeftToClose)
{
    startServer();
    auto notifier = makeNotifier();
    QSignalSpy closed(notifier.get(), &TDesktopNotification::closed);
    const uint id = showAndWait(*notifier);
    ASSERT_NE(id, 0u);
    m_server->sendNotificationClosed(id, 2); // dismissed by the user
    ASSERT_TRUE(closed.wait(5000));
    EXPECT_EQ(closed.first().first().toUInt(), 2u);
    EXPECT_EQ(notifier->shownId(), 0u);
    notifier->close();
    settle();
    EXPECT_TRUE(m_server->callsOf(QStringLiteral("CloseNotification")).isEmpty());
}

TEST_F(DesktopNotificationTest, CloseTakesItBackFromTheServerThatShowedIt)
{
    startServer();
    auto notifier = makeNotifier();
    const uint id = showAndWait(*notifier);
    ASSERT_NE(id, 0u);
    notifier->close();
    ASSERT_TRUE(m_server->waitForCalls(QStringLiteral("CloseNotification"), 1));
    EXPECT_EQ(
        m_server->callsOf(QStringLiteral("CloseNotification")).first().arguments.value(0).toUInt(),
        id);
    EXPECT_EQ(notifier->shownId(), 0u);
    notifier->close(); // nothing more
    settle();
    EXPECT_EQ(m_server->callsOf(QStringLiteral("CloseNotification")).size(), 1);
}

TEST_F(DesktopNotificationTest, AClosedNotifierGoesWithItsNotification)
{
    startServer();
    auto notifier = makeNotifier();
    const uint id = showAndWait(*notifier);
    ASSERT_NE(id, 0u);
    notifier.reset();
    ASSERT_TRUE(m_server->waitForCalls(QStringLiteral("CloseNotification"), 1));
    EXPECT_EQ(
        m_server->callsOf(QStringLiteral("CloseNotification")).first().arguments.value(0).toUInt(),
        id);
}

TEST_F(DesktopNotificationTest, ACloseBeforeTheServerAnswersClosesItOnceItsIdIsKnown)
{
    startServer();
    m_server->setHoldNotify(true);
    auto notifier = makeNotifier();
    QSignalSpy delivered(notifier.get(), &TDesktopNotification::delivered);
    notifier->show(alarm());
    ASSERT_TRUE(m_server->waitForCalls(QStringLiteral("Notify"), 1));
    notifier->close();
    m_server->releaseNotify();
    ASSERT_TRUE(m_server->waitForCalls(QStringLiteral("CloseNotification"), 1));
    EXPECT_EQ(
        m_server->callsOf(QStringLiteral("CloseNotification")).first().arguments.value(0).toUInt(),
        1u);
    EXPECT_EQ(delivered.size(), 0);
    EXPECT_EQ(notifier->shownId(), 0u);
}

TEST_F(DesktopNotificationTest, ASecondShowReplacesTheFirst)
{
    startServer();
    auto notifier = makeNotifier();
    const uint id = showAndWait(*notifier);
    ASSERT_NE(id, 0u);
    EXPECT_EQ(showAndWait(*notifier, alarm(QStringLiteral("Again"))), id);
    const QList<FakeNotificationServer::Call> calls = m_server->callsOf(QStringLiteral("Notify"));
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[1].arguments[1].toUInt(), id);
    EXPECT_TRUE(m_server->callsOf(QStringLiteral("CloseNotification")).isEmpty());
}

TEST_F(DesktopNotificationTest, WithoutAServerNothingWaitsAndNothingIsShown)
{
    // The bus is there, nobody owns the name and nothing can be started for it.
    auto notifier = makeNotifier();
    QSignalSpy failed(notifier.get(), &TDesktopNotification::failed);
    QSignalSpy delivered(notifier.get(), &TDesktopNotification::delivered);
    QElapsedTimer clock;
    clock.start();
    notifier->show(alarm());
    notifier->close();
    notifier->show(alarm());
    EXPECT_LT(clock.elapsed(), 200);
    ASSERT_TRUE(failed.wait(5000));
    EXPECT_TRUE(failed.first().first().toString().contains("ServiceUnknown"))
        << failed.first().first().toString().toStdString();
    EXPECT_EQ(delivered.size(), 0);
    EXPECT_EQ(notifier->shownId(), 0u);
}

TEST_F(DesktopNotificationTest, WithoutABusNothingHappens)
{
    TDesktopNotification notifier(QDBusConnection(QStringLiteral("corvane-no-such-bus")), {});
    QSignalSpy failed(&notifier, &TDesktopNotification::failed);
    notifier.show(alarm());
    ASSERT_EQ(failed.size(), 1);
    EXPECT_EQ(failed.first().first().toString(), QStringLiteral("no session bus"));
    notifier.close();
    EXPECT_EQ(notifier.shownId(), 0u);
}

TEST(NotificationBody, IsEscapedOnlyWhereTheServerReadsMarkup)
{
    const QString text = QStringLiteral("<b>Tea</b> & \"cake\" 'now' &amp;");
    EXPECT_EQ(notificationBody(text, {QStringLiteral("body"), QStringLiteral("body-markup")}),
        QStringLiteral("&lt;b&gt;Tea&lt;/b&gt; &amp; \"cake\" 'now' &amp;amp;"));
    EXPECT_EQ(notificationBody(text, {QStringLiteral("body")}), text);
    EXPECT_EQ(notificationBody(QString(), {QStringLiteral("body-markup")}), QString());
}

TEST(ThemeIcon, IsFoundInAnySizeOfTheHicolorThemeOfAnyDataFolder)
{
    QTemporaryDir a, b;
    EXPECT_FALSE(themeIconInstalled(iconName, {a.path(), b.path()}));
    installIcon(b.path(), QStringLiteral("48x48"), QStringLiteral(".png"));
    EXPECT_TRUE(themeIconInstalled(iconName, {a.path(), b.path()}));
    EXPECT_FALSE(themeIconInstalled(QStringLiteral("org.other.App"), {a.path(), b.path()}));
    EXPECT_FALSE(themeIconInstalled(iconName, {a.path()}));
    EXPECT_FALSE(themeIconInstalled(QString(), {b.path()}));
}

TEST(ThemeIcon, TheDataFoldersFollowTheBaseDirectorySpecification)
{
    {
        EnvScope home("XDG_DATA_HOME", "/data/home");
        EnvScope dirs("XDG_DATA_DIRS", "/a/share:relative/share::/b/share");
        EXPECT_EQ(xdgDataDirs(), (QStringList{"/data/home", "/a/share", "/b/share"}));
    }
    EnvScope home("XDG_DATA_HOME", "");
    EnvScope dirs("XDG_DATA_DIRS", "");
    EXPECT_EQ(xdgDataDirs(),
        (QStringList{QDir::homePath() + "/.local/share", "/usr/local/share", "/usr/share"}));
}
