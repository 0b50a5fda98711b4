// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ShellNotifyIcon.h"

#include <QSystemTrayIcon>
#include <QWidget>
#include <gtest/gtest.h>

using namespace corvane;

TEST(ShellNotifyIcon, AddModifyDeleteOneIconPerWindowAndId)
{
    QWidget window;
    TNotifyIconData data;
    data.Wnd = &window;
    data.szTip = QStringLiteral("Corvane");
    QList<int> messages;
    data.callback = [&messages](int message) { messages << message; };

    EXPECT_FALSE(Shell_NotifyIcon(NotifyIconMessage::Modify, data)); // not added yet
    ASSERT_TRUE(Shell_NotifyIcon(NotifyIconMessage::Add, data));
    EXPECT_FALSE(Shell_NotifyIcon(NotifyIconMessage::Add, data)); // once is enough
    QSystemTrayIcon* icon = notifyIconOf(&window);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->toolTip(), QStringLiteral("Corvane"));

    const int before = notifyIconUpdates();
    data.szTip = QString(100, QLatin1Char('x')); // the record holds 63 characters and the end
    EXPECT_TRUE(Shell_NotifyIcon(NotifyIconMessage::Modify, data));
    EXPECT_EQ(notifyIconUpdates(), before + 1);
    EXPECT_EQ(icon->toolTip().size(), 63);

    // Left and right clicks reach the callback as the mouse messages of the tray.
    Q_EMIT icon->activated(QSystemTrayIcon::Trigger);
    Q_EMIT icon->activated(QSystemTrayIcon::Context);
    Q_EMIT icon->activated(QSystemTrayIcon::MiddleClick);
    EXPECT_EQ(
        messages, (QList<int>{TNotifyIconData::WM_LBUTTONDOWN, TNotifyIconData::WM_RBUTTONDOWN}));

    EXPECT_TRUE(Shell_NotifyIcon(NotifyIconMessage::Delete, data));
    EXPECT_EQ(notifyIconOf(&window), nullptr);
    EXPECT_FALSE(Shell_NotifyIcon(NotifyIconMessage::Delete, data));
}
