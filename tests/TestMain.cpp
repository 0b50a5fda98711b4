// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Every test binary runs headless with a QApplication, a private runtime folder, no session
// bus, and the one offscreen warning that says nothing about our code filtered out.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QtMessageHandler previousHandler = nullptr;

void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("This plugin does not support propagateSizeHints()")))
        return;
    previousHandler(type, context, message);
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir;
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    // No test reaches the desktop's session bus, also where the machine has one: an alarm's
    // notification would go to the real notification service, and what a test sees would
    // depend on it. This address has nothing behind it, so the session bus is simply absent;
    // tests of D-Bus start a bus of their own (PrivateBus.h).
    qputenv("DBUS_SESSION_BUS_ADDRESS",
        "unix:path=" + runtimeDir.path().toLocal8Bit() + "/no-session-bus");
    qunsetenv("DBUS_STARTER_ADDRESS");
    qunsetenv("DBUS_STARTER_BUS_TYPE");
    previousHandler = qInstallMessageHandler(filterMessages);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
