// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"
#include "platform/InstanceConnection.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <cstdio>

namespace corvane {

namespace {

// A lock that names a live process is never taken, whatever its age: the holder keeps an
// flock() on it for the whole run, and QLockFile removes a lock only where it gets that
// flock itself. The age matters for a lock whose content QLockFile cannot read (a crash
// while it was written); after this long such a lock is taken over.
constexpr int staleLockMs = 2000;
// Peers the running Corvane serves at once; more are turned away so they cost nothing.
constexpr int maxOpenConnections = 8;
// Between attempts to reach a Corvane that holds the lock but is not listening yet.
constexpr int connectRetryMs = 20;

void warn(const QString& text)
{
    std::fprintf(stderr, "Corvane: %s\n", qPrintable(text));
    std::fflush(stderr);
}

QString lockErrorText(QLockFile::LockError error)
{
    switch (error) {
    case QLockFile::PermissionError:
        return QStringLiteral("the folder cannot be written");
    case QLockFile::UnknownError:
        return QStringLiteral("the file cannot be made there");
    default:
        return QStringLiteral("it is held");
    }
}

bool exchange(QLocalSocket& socket, const QByteArray& message, const QDeadlineTimer& deadline,
    TInstanceReply* reply)
{
    socket.write(message);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    QByteArray answer;
    for (;;) {
        answer += socket.readAll();
        const bool ended = socket.state() != QLocalSocket::ConnectedState;
        switch (decodeInstanceReply(answer, ended && !socket.bytesAvailable(), reply)) {
        case DecodeState::Complete:
            return true;
        case DecodeState::Invalid:
            return false;
        case DecodeState::Incomplete:
            break;
        }
        if (!socket.bytesAvailable() && !socket.waitForReadyRead(int(deadline.remainingTime()))
            && (socket.state() == QLocalSocket::ConnectedState || deadline.hasExpired()))
            return false;
    }
}

} // namespace

TSingleInstance::TSingleInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent)
    , m_dataPath(canonicalDataPath(dataFolder))
    , m_key(instanceKey(m_dataPath))
    , m_runtimeDir(qEnvironmentVariable("XDG_RUNTIME_DIR"))
    , m_socketName(instanceSocketName(m_runtimeDir, m_key))
    , m_openConnections(std::make_shared<int>(0))
{
}

TSingleInstance::~TSingleInstance()
{
    // The socket goes before the lock: once the lock is free a new Corvane may listen under
    // the same name, and closing our server afterwards would unlink its socket.
    delete m_server;
}

void TSingleInstance::setTimeouts(int answerTimeoutMs, int connectionTimeoutMs)
{
    m_answerTimeoutMs = answerTimeoutMs;
    m_connectionTimeoutMs = connectionTimeoutMs;
}

QString TSingleInstance::lockPath() const
{
    return m_lock ? m_lock->fileName() : QString();
}

QString TSingleInstance::listeningName() const
{
    return m_server && m_server->isListening() ? m_server->fullServerName() : QString();
}

TSingleInstance::Start TSingleInstance::start(const TInstanceRequest& request)
{
    switch (takeLock()) {
    case Lock::Taken:
        listen(true);
        return Start::Alone;
    case Lock::Held:
        return handOver(request, true) ? Start::Handed : Start::NoAnswer;
    case Lock::Unavailable:
        break;
    }
    // Without a lock nobody can tell who runs; a Corvane that answers still wins.
    if (handOver(request, false))
        return Start::Handed;
    warn(QStringLiteral("starting without a lock for %1, so a second Corvane on this folder "
                        "is not kept out.")
             .arg(m_dataPath));
    listen(false);
    return Start::Alone;
}

TSingleInstance::Lock TSingleInstance::takeLock()
{
    QString problem;
    const QString beside = lockPathBeside(m_dataPath);
    const Lock lock = tryLockAt(beside, &problem);
    if (lock != Lock::Unavailable)
        return lock;
    const QString fallback = fallbackLockPath(m_runtimeDir, m_key);
    if (fallback.isEmpty()) {
        warn(QStringLiteral("cannot lock %1 (%2), and XDG_RUNTIME_DIR is not set.")
                 .arg(beside, problem));
        return Lock::Unavailable;
    }
    QString fallbackProblem;
    const Lock second = tryLockAt(fallback, &fallbackProblem);
    if (second == Lock::Unavailable)
        warn(QStringLiteral("cannot lock %1 (%2), nor %3 (%4).")
                 .arg(beside, problem, fallback, fallbackProblem));
    else
        warn(QStringLiteral("cannot lock %1 (%2); using %3 instead.")
                 .arg(beside, problem, fallback));
    return second;
}

TSingleInstance::Lock TSingleInstance::tryLockAt(const QString& path, QString* problem)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(staleLockMs);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return Lock::Taken;
    }
    *problem = lockErrorText(lock->error());
    return lock->error() == QLockFile::LockFailedError ? Lock::Held : Lock::Unavailable;
}

bool TSingleInstance::handOver(const TInstanceRequest& request, bool retryUntilAnswered)
{
    const QByteArray message = encodeInstanceRequest(request);
    const QDeadlineTimer deadline(m_answerTimeoutMs);
    do {
        QLocalSocket socket;
        socket.connectToServer(m_socketName);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            return exchange(socket, message, deadline, &m_reply);
        // The holder may still be starting and not listen yet.
        if (retryUntilAnswered)
            QThread::msleep(qMin<qint64>(connectRetryMs, deadline.remainingTime()));
    } while (retryUntilAnswered && !deadline.hasExpired());
    return false;
}

void TSingleInstance::listen(bool mayRemoveStaleSocket)
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Only the lock's holder may clear a socket file a crashed Corvane left behind.
    if (mayRemoveStaleSocket)
        QLocalServer::removeServer(m_socketName);
    connect(m_server, &QLocalServer::newConnection, this, &TSingleInstance::acceptConnections);
    if (!m_server->listen(m_socketName))
        warn(QStringLiteral("cannot listen on %1 (%2); a second start will not find this one.")
                 .arg(m_socketName, m_server->errorString()));
}

void TSingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        if (*m_openConnections >= maxOpenConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++*m_openConnections;
        auto* connection = new TInstanceConnection(
            socket, m_connectionTimeoutMs,
            [this](const TInstanceRequest& request) { return answer(request); }, this);
        connect(connection, &QObject::destroyed, this, [count = m_openConnections] { --*count; });
    }
}

TInstanceReply TSingleInstance::answer(const TInstanceRequest& request)
{
    if (m_answer)
        return m_answer(request);
    Q_EMIT requested(request);
    return {};
}

} // namespace corvane
