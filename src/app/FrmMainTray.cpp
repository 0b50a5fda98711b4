// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon and the window's placement: the icon lives from start-up to the end of the
// run, shows the countdown's progress as a clock while option 1 is on, and a left click on
// it brings the window back after it was minimised into the tray (and so does a second start).
#include "app/FrmMain.h"
#include "app/ProgOptions.h"
#include "app/TrayIcons.h"

#include <QApplication>
#include <QEvent>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace corvane {

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
