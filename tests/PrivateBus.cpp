// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateBus.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace corvane::test {

namespace {

// A session bus with the usual rules but no <servicedir>, <standard_session_servicedirs/> or
// <includedir>: nothing on it can be started by activation.
QByteArray busConfig(const QString& socketDir)
{
    return QByteArrayLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus "
                             "Configuration 1.0//EN\"\n"
                             " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                             "<busconfig>\n"
                             "  <type>session</type>\n"
                             "  <listen>unix:dir=")
        + socketDir.toUtf8()
        + QByteArrayLiteral("</listen>\n"
                            "  <auth>EXTERNAL</auth>\n"
                            "  <policy context=\"default\">\n"
                            "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                            "    <allow eavesdrop=\"true\"/>\n"
                            "    <allow own=\"*\"/>\n"
                            "  </policy>\n"
                            "</busconfig>\n");
}

int connectionCount = 0;

} // namespace

PrivateBus::PrivateBus()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) {
        m_problem = QStringLiteral("no dbus-daemon (Debian package dbus-daemon)");
        return;
    }
    const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!m_dir.isValid() || !file.open(QIODevice::WriteOnly)) {
        m_problem = QStringLiteral("no folder for the bus");
        return;
    }
    file.write(busConfig(m_dir.path()));
    file.close();
    // Its standard error is read only when it fails: as root without the right to raise its
    // file limit (a container) it says so at every start.
    m_daemon.start(daemon,
        {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
            QStringLiteral("--print-address")});
    // The daemon prints its address once it listens.
    QByteArray line;
    const QDeadlineTimer deadline(10000);
    while (!line.contains('\n') && !deadline.hasExpired()
        && m_daemon.state() != QProcess::NotRunning) {
        m_daemon.waitForReadyRead(int(deadline.remainingTime()));
        line += m_daemon.readAllStandardOutput();
    }
    m_address = QString::fromUtf8(line.trimmed());
    if (m_address.isEmpty())
        m_problem = QStringLiteral("dbus-daemon did not start: ")
            + QString::fromLocal8Bit(m_daemon.readAllStandardError());
}

PrivateBus::~PrivateBus()
{
    for (const QString& name : std::as_const(m_connections))
        QDBusConnection::disconnectFromBus(name);
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000))
            m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
}

QDBusConnection PrivateBus::connect()
{
    const QString name = QStringLiteral("corvane-test-%1").arg(++connectionCount);
    m_connections << name;
    return QDBusConnection::connectToBus(m_address, name);
}

FakeNotificationServer::FakeNotificationServer(const QDBusConnection& bus, QStringList capabilities)
    : m_bus(bus)
    , m_capabilities(std::move(capabilities))
{
}

bool FakeNotificationServer::registerOnBus()
{
    return m_bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
               QDBusConnection::ExportAllSlots)
        && m_bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
}

QList<FakeNotificationServer::Call> FakeNotificationServer::callsOf(const QString& member) const
{
    QList<Call> found;
    for (const Call& call : m_calls)
        if (call.member == member)
            found << call;
    return found;
}

bool FakeNotificationServer::waitForCalls(const QString& member, int n, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return callsOf(member).size() >= n; }, timeoutMs);
}

void FakeNotificationServer::record()
{
    m_calls << Call{message().member(), message().arguments(), message().service()};
}

QStringList FakeNotificationServer::GetCapabilities()
{
    record();
    return m_capabilities;
}

uint FakeNotificationServer::Notify(const QString&, uint replacesId, const QString&, const QString&,
    const QString&, const QStringList&, const QVariantMap&, int)
{
    record();
    if (m_holdNotify) {
        setDelayedReply(true);
        m_held << message();
        return 0;
    }
    return replacesId != 0 ? replacesId : ++m_lastId;
}

void FakeNotificationServer::releaseNotify()
{
    for (const QDBusMessage& held : std::as_const(m_held)) {
        const uint replacesId = held.arguments().value(1).toUInt();
        m_bus.send(held.createReply(QVariant(replacesId != 0 ? replacesId : ++m_lastId)));
    }
    m_held.clear();
}

void FakeNotificationServer::CloseNotification(uint id)
{
    record();
    // As a server does: the notification goes, and says so.
    sendNotificationClosed(id, 3);
}

void FakeNotificationServer::sendActionInvoked(uint id, const QString& key)
{
    sendSignal(QStringLiteral("ActionInvoked"), {QVariant(id), QVariant(key)});
}

void FakeNotificationServer::sendActivationToken(uint id, const QString& token)
{
    sendSignal(QStringLiteral("ActivationToken"), {QVariant(id), QVariant(token)});
}

void FakeNotificationServer::sendNotificationClosed(uint id, uint reason)
{
    sendSignal(QStringLiteral("NotificationClosed"), {QVariant(id), QVariant(reason)});
}

void FakeNotificationServer::sendSignal(const QString& name, const QList<QVariant>& arguments)
{
    QDBusMessage signal
        = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), name);
    signal.setArguments(arguments);
    m_bus.send(signal);
}

} // namespace corvane::test
