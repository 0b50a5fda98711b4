// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

namespace corvane::test {

// A D-Bus daemon of the test's own, as a session bus, which ends with the object. Its
// configuration names no folder of services, so nothing installed on the machine (a
// notification daemon such as dunst) is ever started on it: what answers is only what the test
// puts there. Tests skip when dbus-daemon is not installed.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool started() const { return !m_address.isEmpty(); }
    // Why it did not start (for GTEST_SKIP or a failure).
    QString problem() const { return m_problem; }
    QString address() const { return m_address; }
    // A connection of its own to this bus, with a unique name; disconnected with the bus.
    QDBusConnection connect();

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QString m_problem;
    QStringList m_connections;
};

// A stand-in for the desktop's notification server (org.freedesktop.Notifications) on a
// connection of its own: it records every call, answers as a server does, and can hold the
// answer to Notify back or send the server's signals.
class FakeNotificationServer : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString member;
        QList<QVariant> arguments;
        QString sender; // the caller's unique name
    };

    explicit FakeNotificationServer(const QDBusConnection& bus,
        QStringList capabilities
        = {QStringLiteral("body"), QStringLiteral("body-markup"), QStringLiteral("actions")});

    // Puts the object on the bus and takes the service's name; false when refused.
    bool registerOnBus();

    const QList<Call>& calls() const { return m_calls; }
    // The calls of one method, in order.
    QList<Call> callsOf(const QString& member) const;
    // Waits (running the event loop) until there are at least n calls of the method.
    bool waitForCalls(const QString& member, int n, int timeoutMs = 5000) const;

    // While set, Notify is answered only by releaseNotify().
    void setHoldNotify(bool hold) { m_holdNotify = hold; }
    void releaseNotify();

    // The server's signals, as the user's click or the server's closing sends them.
    void sendActionInvoked(uint id, const QString& key);
    void sendActivationToken(uint id, const QString& token);
    void sendNotificationClosed(uint id, uint reason);

    QString uniqueName() const { return m_bus.baseService(); }

public Q_SLOTS:
    QStringList GetCapabilities();
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
        const QString& summary, const QString& body, const QStringList& actions,
        const QVariantMap& hints, int expireTimeout);
    void CloseNotification(uint id);

private:
    void record();
    void sendSignal(const QString& name, const QList<QVariant>& arguments);

    QDBusConnection m_bus;
    QStringList m_capabilities;
    QList<Call> m_calls;
    bool m_holdNotify = false;
    QList<QDBusMessage> m_held;
    uint m_lastId = 0;
};

} // namespace corvane::test
