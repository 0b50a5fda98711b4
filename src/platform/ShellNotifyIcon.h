// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>
#include <functional>

class QSystemTrayIcon;
class QWidget;

namespace corvane {

// The tray-icon record: the window the icon belongs to, its id, which fields are valid, the
// callback that stands for the window message the tray sends, the icon and the tip.
struct TNotifyIconData {
    static constexpr quint32 NIF_MESSAGE = 1, NIF_ICON = 2, NIF_TIP = 4;
    static constexpr int WM_LBUTTONDOWN = 0x0201, WM_RBUTTONDOWN = 0x0204, WM_MOUSEMOVE = 0x0200;

    quint32 cbSize = 88;
    QWidget* Wnd = nullptr;
    quint32 uID = 0;
    quint32 uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    quint32 uCallbackMessage = 0x0401; // the first user message plus one
    // Receives the mouse message that happened over the icon.
    std::function<void(int mouseMessage)> callback;
    QIcon hIcon;
    QString szTip;
};

enum class NotifyIconMessage { Add = 0, Modify = 1, Delete = 2 };

// Shell_NotifyIcon with QSystemTrayIcon: one tray icon per window and id. A left click
// reaches the callback as WM_LBUTTONDOWN and a right click as WM_RBUTTONDOWN. Where no tray is
// available yet the icon waits for one. Returns false for a
// Modify or Delete of an icon that was never added.
bool Shell_NotifyIcon(NotifyIconMessage message, const TNotifyIconData& data);

// The tray icon of a window, for the window's own use and for tests; null when none.
QSystemTrayIcon* notifyIconOf(const QWidget* window, quint32 id = 0);

// How often the icon was handed to the tray (Add and Modify), for tests of the tick's cost.
int notifyIconUpdates();

} // namespace corvane
