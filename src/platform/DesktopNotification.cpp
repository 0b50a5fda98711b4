// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopNotification.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFileInfo>
#include <QVariantMap>
#include <utility>

namespace corvane {

namespace {

const QString defaultAction = QStringLiteral("default");
const QString showAction = QStringLiteral("show");

QDBusMessage methodCall(const QString& destination, const char* method)
{
    return QDBusMessage::createMethodCall(destination,
        QLatin1String(TDesktopNotification::objectPath),
        QLatin1String(TDesktopNotification::interface), QLatin1String(method));
}

// Calls f with the answer once it is there; the watcher goes with the notifier, so an answer
// that comes after it never reaches f.
template <typename F> void whenAnswered(const QDBusPendingCall& call, QObject* owner, F f)
{
    auto* watcher = new QDBusPendingCallWatcher(call, owner);
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, owner, [watcher, f = std::move(f)] {
            watcher->deleteLater();
            f(*watcher);
        });
}

QString errorText(const QDBusError& error)
{
    return error.message().isEmpty() ? error.name()
                                     : error.name() + QLatin1String(": ") + error.message();
}

// The "image-data" hint: (width, height, bytes per row, alpha, bits per sample, channels,
// the pixels as RGBA bytes).
QVariant imageData(const QImage& image)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    QDBusArgument argument;
    argument.beginStructure();
    argument << qint32(rgba.width()) << qint32(rgba.height()) << qint32(rgba.bytesPerLine()) << true
             << qint32(8) << qint32(4)
             << QByteArray(
                    reinterpret_cast<const char*>(rgba.constBits()), qsizetype(rgba.sizeInBytes()));
    argument.endStructure();
    return QVariant::fromValue(argument);
}

} // namespace

TDesktopNotification::TDesktopNotification(
    const QDBusConnection& bus, TNotificationSender sender, QObject* parent)
    : TNotifier(parent)
    , m_bus(bus)
    , m_sender(std::move(sender))
{
}

TDesktopNotification::~TDesktopNotification()
{
    close();
}

bool TDesktopNotification::iconByName() const
{
    if (m_iconByName < 0)
        m_iconByName
            = !m_sender.iconName.isEmpty() && themeIconInstalled(m_sender.iconName, xdgDataDirs());
    return m_iconByName == 1;
}

void TDesktopNotification::listen()
{
    if (m_listening)
        return;
    m_listening = true;
    const QString path = QLatin1String(objectPath);
    const QString iface = QLatin1String(interface);
    // No service name: see the class comment. fromOurs() checks the sender instead.
    m_bus.connect(QString(), path, iface, QStringLiteral("ActionInvoked"), this,
        SLOT(onActionInvoked(QDBusMessage)));
    m_bus.connect(QString(), path, iface, QStringLiteral("ActivationToken"), this,
        SLOT(onActivationToken(QDBusMessage)));
    m_bus.connect(QString(), path, iface, QStringLiteral("NotificationClosed"), this,
        SLOT(onNotificationClosed(QDBusMessage)));
}

void TDesktopNotification::show(const TNotification& notification)
{
    const quint64 generation = ++m_generation;
    m_wanted = notification;
    if (!m_bus.isConnected()) {
        Q_EMIT failed(QStringLiteral("no session bus"));
        return;
    }
    listen();
    // The server's capabilities first: they decide how the body is written.
    whenAnswered(m_bus.asyncCall(methodCall(QLatin1String(service), "GetCapabilities")), this,
        [this, generation](
            const QDBusPendingCall& call) { capabilitiesAnswered(generation, call); });
}

void TDesktopNotification::capabilitiesAnswered(quint64 generation, const QDBusPendingCall& call)
{
    if (generation != m_generation)
        return; // a later show() or a close() took over
    const QDBusPendingReply<QStringList> reply = call;
    if (reply.isError()) {
        Q_EMIT failed(errorText(reply.error()));
        return;
    }
    sendNotify(reply.value());
}

void TDesktopNotification::sendNotify(const QStringList& capabilities)
{
    QStringList actions{defaultAction, m_wanted.actionLabel};
    if (!m_wanted.actionLabel.isEmpty())
        actions << showAction << m_wanted.actionLabel;
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(2))); // critical
    hints.insert(QStringLiteral("suppress-sound"), true); // the program plays its own
    if (!m_sender.desktopEntry.isEmpty())
        hints.insert(QStringLiteral("desktop-entry"), m_sender.desktopEntry);
    if (!m_sender.category.isEmpty())
        hints.insert(QStringLiteral("category"), m_sender.category);
    const bool byName = iconByName();
    if (!byName && !m_sender.iconImage.isNull())
        hints.insert(QStringLiteral("image-data"), imageData(m_sender.iconImage));

    QDBusMessage message = methodCall(QLatin1String(service), "Notify");
    m_replacing = m_id;
    message << m_sender.appName << m_replacing << (byName ? m_sender.iconName : QString())
            << m_wanted.summary << notificationBody(m_wanted.body, capabilities) << actions << hints
            << qint32(0); // never expires by itself
    const quint64 generation = m_generation;
    whenAnswered(m_bus.asyncCall(message), this,
        [this, generation](const QDBusPendingCall& call) { notifyAnswered(generation, call); });
}

void TDesktopNotification::notifyAnswered(quint64 generation, const QDBusPendingCall& call)
{
    const QDBusPendingReply<uint> reply = call;
    if (reply.isError()) {
        if (generation == m_generation)
            Q_EMIT failed(errorText(reply.error()));
        return;
    }
    const uint id = reply.value();
    const QString server = reply.reply().service();
    if (generation != m_generation) {
        // Overtaken by a close(), or by a show() whose Notify is under way: this one goes,
        // unless that Notify replaces it anyway.
        if (id != m_replacing)
            closeOnServer(id, server);
        return;
    }
    m_id = id;
    m_server = server;
    m_replacing = 0;
    m_activationToken.clear();
    Q_EMIT delivered(id);
}

void TDesktopNotification::close()
{
    ++m_generation;
    m_replacing = 0;
    if (m_id == 0)
        return;
    closeOnServer(m_id, m_server);
    m_id = 0;
    m_server.clear();
}

void TDesktopNotification::closeOnServer(uint id, const QString& server)
{
    // To the server that showed it: no other one knows the id, and no new one is started
    // for it. The answer is of no interest.
    QDBusMessage message
        = methodCall(server.isEmpty() ? QLatin1String(service) : server, "CloseNotification");
    message.setAutoStartService(false);
    message << id;
    m_bus.send(message);
}

bool TDesktopNotification::fromOurs(const QDBusMessage& message) const
{
    const QList<QVariant> arguments = message.arguments();
    return m_id != 0 && !arguments.isEmpty() && message.service() == m_server
        && arguments.first().toUInt() == m_id;
}

void TDesktopNotification::onActionInvoked(const QDBusMessage& message)
{
    if (!fromOurs(message))
        return;
    const QString key = message.arguments().value(1).toString();
    if (key != defaultAction && key != showAction)
        return;
    Q_EMIT activated(std::exchange(m_activationToken, QString()));
}

void TDesktopNotification::onActivationToken(const QDBusMessage& message)
{
    if (fromOurs(message))
        m_activationToken = message.arguments().value(1).toString();
}

void TDesktopNotification::onNotificationClosed(const QDBusMessage& message)
{
    if (!fromOurs(message))
        return;
    const uint reason = message.arguments().value(1).toUInt();
    m_id = 0;
    m_server.clear();
    m_activationToken.clear();
    Q_EMIT closed(reason);
}

QString notificationBody(const QString& text, const QStringList& capabilities)
{
    if (!capabilities.contains(QLatin1String("body-markup")))
        return text;
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('&'))
            escaped += QLatin1String("&amp;");
        else if (c == QLatin1Char('<'))
            escaped += QLatin1String("&lt;");
        else if (c == QLatin1Char('>'))
            escaped += QLatin1String("&gt;");
        else
            escaped += c;
    }
    return escaped;
}

bool themeIconInstalled(const QString& name, const QStringList& dataDirs)
{
    for (const QString& dir : dataDirs) {
        const QDir hicolor(dir + QLatin1String("/icons/hicolor"));
        if (!hicolor.exists())
            continue;
        for (const QString& size : hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            for (const char* extension : {".png", ".svg"}) {
                const QString file = hicolor.filePath(
                    size + QLatin1String("/apps/") + name + QLatin1String(extension));
                if (QFileInfo(file).isFile())
                    return true;
            }
        }
    }
    return false;
}

QStringList xdgDataDirs()
{
    // Relative entries mean nothing to other programs either, so they are left out.
    QStringList dirs;
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(home))
        home = QDir::homePath() + QLatin1String("/.local/share");
    dirs << home;
    QString system = qEnvironmentVariable("XDG_DATA_DIRS");
    if (system.isEmpty())
        system = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString& dir : system.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(dir))
            dirs << dir;
    return dirs;
}

} // namespace corvane
