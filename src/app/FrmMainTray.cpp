// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon and the window's placement: the icon lives from start-up to the end of the
// run, shows the countdown's progress as a clock while option 1 is on, and a left click on
// it brings the window back after it was minimised into the tray (and so does a second start).
// An alarm while the window is out of sight also goes to the desktop's notifications, whose
// click brings the window back the same way.
#include "app/AlarmNotice.h"
#include "app/FrmMain.h"
#include "app/ProgOptions.h"
#include "app/TrayIcons.h"
#include "lang/LangScript.h"
#include "platform/DesktopNotification.h"
#include "platform/ErrorHandler.h"

#include <QApplication>
#include <QDBusConnection>
#include <QEvent>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace corvane {

std::unique_ptr<TNotifier> makeDesktopNotifier(const QDBusConnection& bus)
{
    TNotificationSender sender;
    sender.appName = QStringLiteral("Corvane");
    sender.iconName = QStringLiteral("org.corvane.Corvane");
    sender.iconImage = applicationIconImage(64);
    sender.desktopEntry = QStringLiteral("org.corvane.Corvane");
    // No standard category fits an alarm; a vendor one lets the user write rules for it
    // (dunst, mako).
    sender.category = QStringLiteral("x-corvane.alarm");
    return std::make_unique<TDesktopNotification>(bus, std::move(sender));
}

bool TFormMain::alarmOutOfSight() const
{
    TWindowPresence presence;
    presence.visible = isVisible();
    presence.minimised = isMinimized();
    presence.active = QApplication::activeWindow() != nullptr;
    return alarmWantsNotification(presence);
}

TNotifier& TFormMain::alarmNotifier()
{
    if (!m_notifier) {
        m_notifier = makeDesktopNotifier(QDBusConnection::sessionBus());
        connectNotifier();
    }
    return *m_notifier;
}

void TFormMain::connectNotifier()
{
    connect(m_notifier.get(), &TNotifier::activated, this,
        guard([this](const QString& token) { alarmNotificationActivated(token); }));
}

void TFormMain::notifyAlarm(const QString& title, const QString& message)
{
    if (!alarmOutOfSight())
        return;
    alarmNotifier().show(
        {title, message, LangText(QStringLiteral("Messages"), QStringLiteral("Show Corvane"))});
}

void TFormMain::closeAlarmNotification()
{
    if (m_notifier)
        m_notifier->close();
}

void TFormMain::alarmNotificationActivated(const QString& activationToken)
{
    // On Wayland the server's token lets the compositor give this window the focus.
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    bringToFront();
    // The alarm dialog, modal and still waiting for its answer, stays in front of the window.
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

void TFormMain::addTrayIcon()
{
    ClockImgList = clockImageList();
    TrayData.Wnd = this;
    TrayData.uID = 0;
    TrayData.callback = [this](int mouseMessage) { WMTrayNotify(mouseMessage); };
    TrayData.hIcon = applicationIcon();
    TrayData.szTip = QApplication::applicationName().isEmpty() ? QStringLiteral("Corvane")
                                                               : QApplication::applicationName();
    Shell_NotifyIcon(NotifyIconMessage::Add, TrayData);
}

void TFormMain::updateTrayIcon(int index)
{
    TrayData.hIcon = ProgOptions.GenOptions[TOptionsRec::TrayProgress] ? ClockImgList.value(index)
                                                                       : applicationIcon();
    Shell_NotifyIcon(NotifyIconMessage::Modify, TrayData);
}

void TFormMain::showApplicationIcon()
{
    TrayData.hIcon = applicationIcon();
    Shell_NotifyIcon(NotifyIconMessage::Modify, TrayData);
}

void TFormMain::FormDestroy()
{
    Shell_NotifyIcon(NotifyIconMessage::Delete, TrayData);
}

void TFormMain::WMTrayNotify(int mouseMessage)
{
    if (mouseMessage != TNotifyIconData::WM_LBUTTONDOWN)
        return;
    showNormal();
    raise();
    activateWindow();
}

void TFormMain::bringToFront()
{
    WMTrayNotify(TNotifyIconData::WM_LBUTTONDOWN);
}

void TFormMain::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Minimising hides the window behind its tray icon — but only where there is a tray to
    // bring it back from; elsewhere it minimises as any window does.
    if (event->type() == QEvent::WindowStateChange && isMinimized()
        && QSystemTrayIcon::isSystemTrayAvailable()) {
        QTimer::singleShot(0, this, [this] {
            // Brought back in between (a second start, a tray click): stay in front.
            if (!isMinimized())
                return;
            setWindowState(windowState() & ~Qt::WindowMinimized);
            hide();
        });
    }
}

} // namespace corvane
