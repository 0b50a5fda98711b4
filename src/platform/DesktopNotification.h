// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Notifier.h"

#include <QDBusConnection>
#include <QImage>
#include <QStringList>

class QDBusMessage;
class QDBusPendingCall;

namespace corvane {

// Who sends the notifications: the program's name as the desktop shows it, its icon (a name
// in the icon theme, and a picture for where no icon of that name is installed), its desktop
// entry and the notifications' category.
struct TNotificationSender {
    QString appName;
    QString iconName;
    QImage iconImage;
    QString desktopEntry;
    QString category;
};

// The freedesktop notifications (org.freedesktop.Notifications on the session bus, as every
// Linux desktop offers them). Every call is asynchronous: show() first asks the server what
// it can do (GetCapabilities: whether it reads markup in the body), then sends Notify;
// close() sends CloseNotification. Without a bus, without a server, or with a server that
// refuses, nothing is shown to the user and nothing waits; failed() says why.
//
// The notification is critical (it stays until the user sees it), never expires by itself,
// plays no sound of the server's own, names the desktop entry, and offers the "default"
// action (a click on it) and, when the label is given, a visible action "show" with that
// label. Either one, from the server that showed our notification and for its id, is
// reported as activated(). The signals are matched by interface and path only, not by the
// service's name: Qt would ask the bus for that name's owner there and then, and wait for
// the answer.
class TDesktopNotification final : public TNotifier {
    Q_OBJECT
public:
    static constexpr const char* service = "org.freedesktop.Notifications";
    static constexpr const char* objectPath = "/org/freedesktop/Notifications";
    static constexpr const char* interface = "org.freedesktop.Notifications";

    TDesktopNotification(
        const QDBusConnection& bus, TNotificationSender sender, QObject* parent = nullptr);
    // Closes the notification still shown: it would offer to bring back a window that is gone.
    ~TDesktopNotification() override;

    void show(const TNotification& notification) override;
    void close() override;

    // The server's id of the notification on the screen; 0 while none is, also while the
    // server has not answered yet.
    uint shownId() const { return m_id; }
    // Whether the icon goes by its name (installed in an icon theme) or as a picture.
    bool iconByName() const;

Q_SIGNALS:
    // The server took the notification and gave it this id.
    void delivered(uint id);
    // The notification could not be shown: no bus, no server, or the server's error.
    void failed(const QString& reason);
    // The server took our notification off the screen: reason 1 expired, 2 dismissed by the
    // user, 3 closed by CloseNotification, 4 undefined.
    void closed(uint reason);

private Q_SLOTS:
    void onActionInvoked(const QDBusMessage& message);
    void onActivationToken(const QDBusMessage& message);
    void onNotificationClosed(const QDBusMessage& message);

private:
    void listen();
    void capabilitiesAnswered(quint64 generation, const QDBusPendingCall& call);
    void sendNotify(const QStringList& capabilities);
    void notifyAnswered(quint64 generation, const QDBusPendingCall& call);
    void closeOnServer(uint id, const QString& server);
    bool fromOurs(const QDBusMessage& message) const;

    QDBusConnection m_bus;
    TNotificationSender m_sender;
    mutable int m_iconByName = -1; // looked up at the first need: -1 not yet, else 0 or 1
    bool m_listening = false;
    // Counts show() and close(), so the answer to a call that a later one overtook is known.
    quint64 m_generation = 0;
    TNotification m_wanted; // what the pending show() says
    uint m_id = 0; // the notification on the screen
    QString m_server; // the unique bus name of the server that showed it
    uint m_replacing = 0; // the id the Notify under way replaces
    QString m_activationToken; // from the server, for the action that comes next
};

// The body as the server reads it: where the server reads markup ("body-markup" among its
// capabilities), the characters that markup gives a meaning to (&, <, >) are escaped, so the
// text shows as written; elsewhere it goes as it is.
QString notificationBody(const QString& text, const QStringList& capabilities);

// Whether an icon of this name lies in the hicolor theme below one of the data folders
// (icons/hicolor/<size>/apps/<name>.png or .svg), where a notification server finds it.
bool themeIconInstalled(const QString& name, const QStringList& dataDirs);

// The XDG data folders in the order they are searched: $XDG_DATA_HOME (else
// ~/.local/share), then $XDG_DATA_DIRS (else /usr/local/share and /usr/share).
QStringList xdgDataDirs();

} // namespace corvane
