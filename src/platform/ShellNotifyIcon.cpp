// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ShellNotifyIcon.h"

#include <QGuiApplication>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>
#include <map>

namespace corvane {

namespace {
struct Registry {
    std::map<std::pair<const QWidget*, quint32>, QPointer<QSystemTrayIcon>> icons;
    int updates = 0;
};

Registry& registry()
{
    static Registry r;
    return r;
}

void apply(QSystemTrayIcon* icon, const TNotifyIconData& data)
{
    if (data.uFlags & TNotifyIconData::NIF_ICON)
        icon->setIcon(data.hIcon);
    if (data.uFlags & TNotifyIconData::NIF_TIP)
        icon->setToolTip(data.szTip.left(63)); // the record holds 64 characters with the end
    ++registry().updates;
}

int mouseMessageFor(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return TNotifyIconData::WM_LBUTTONDOWN;
    case QSystemTrayIcon::Context:
        return TNotifyIconData::WM_RBUTTONDOWN;
    default:
        return 0;
    }
}
} // namespace

bool Shell_NotifyIcon(NotifyIconMessage message, const TNotifyIconData& data)
{
    auto& icons = registry().icons;
    const auto key = std::make_pair(static_cast<const QWidget*>(data.Wnd), data.uID);
    const auto it = icons.find(key);
    switch (message) {
    case NotifyIconMessage::Add: {
        if (it != icons.end() && it->second)
            return false;
        auto* icon = new QSystemTrayIcon(static_cast<QObject*>(data.Wnd));
        if (data.uFlags & TNotifyIconData::NIF_MESSAGE) {
            auto callback = data.callback;
            QObject::connect(icon, &QSystemTrayIcon::activated, icon,
                [callback](QSystemTrayIcon::ActivationReason reason) {
                    if (const int msg = mouseMessageFor(reason); msg && callback)
                        callback(msg);
                });
        }
        apply(icon, data);
        icons[key] = icon;
        // On X11 it is shown even while no tray is there: Qt puts it into a tray that starts
        // later (a panel that comes up after the program at log-on).
        if (QSystemTrayIcon::isSystemTrayAvailable()
            || QGuiApplication::platformName() == QLatin1String("xcb"))
            icon->show();
        return true;
    }
    case NotifyIconMessage::Modify:
        if (it == icons.end() || !it->second)
            return false;
        apply(it->second, data);
        return true;
    case NotifyIconMessage::Delete:
        if (it == icons.end())
            return false;
        delete it->second.data();
        icons.erase(it);
        return true;
    }
    return false;
}

QSystemTrayIcon* notifyIconOf(const QWidget* window, quint32 id)
{
    const auto& icons = registry().icons;
    const auto it = icons.find(std::make_pair(window, id));
    return it == icons.end() ? nullptr : it->second.data();
}

int notifyIconUpdates()
{
    return registry().updates;
}

} // namespace corvane
