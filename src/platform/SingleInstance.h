// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InstanceMessage.h"

#include <QObject>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

namespace corvane {

// Keeps one Corvane per Data folder. A lock file beside Data decides who runs; the one that
// runs listens on a local socket named from Data's canonical path, and a later start hands
// it its request there and ends. Lock problems never keep Corvane from starting: where the
// folder beside Data cannot be written the lock goes into $XDG_RUNTIME_DIR, and where that
// fails too Corvane runs without one. Each such detour is said on standard error.
//
// The listening side takes anything a local peer sends: at most a few kilobytes are kept per
// connection, a connection that is not a complete request in time is dropped, and only a
// well-formed request reaches the answer function (or, without one, `requested`).
class TSingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Start {
        Alone, // this process runs; listening for later starts where the socket could be made
        Handed, // another Corvane runs for this folder and took the request: end with its reply
        NoAnswer, // the lock is held but its holder did not answer in time: end, touch nothing
    };

    explicit TSingleInstance(const QString& dataFolder, QObject* parent = nullptr);
    ~TSingleInstance() override;

    // Takes the lock or hands `request` to its holder. Blocks for at most answerTimeoutMs
    // (plus the lock's few file operations); call before any window exists.
    Start start(const TInstanceRequest& request);

    // What the running Corvane answered when start() handed the request over.
    const TInstanceReply& reply() const { return m_reply; }

    // Answers the requests of later starts; without one they reach `requested` and get the
    // empty reply. Runs on the thread of this object, while the peer waits.
    using Answer = std::function<TInstanceReply(const TInstanceRequest&)>;
    void setAnswer(Answer answer) { m_answer = std::move(answer); }

    // The lock file this process holds (empty when none), the socket it listens on (empty
    // when it does not listen).
    QString lockPath() const;
    QString listeningName() const;
    const QString& socketName() const { return m_socketName; }

    // For tests: how long a second start waits for an answer, and how long the running one
    // keeps a connection that has not sent a whole request.
    void setTimeouts(int answerTimeoutMs, int connectionTimeoutMs);

Q_SIGNALS:
    // A later start asked this one to come to the front.
    void requested(const corvane::TInstanceRequest& request);

private:
    enum class Lock { Taken, Held, Unavailable };
    Lock takeLock();
    Lock tryLockAt(const QString& path, QString* problem);
    bool handOver(const TInstanceRequest& request, bool retryUntilAnswered);
    TInstanceReply answer(const TInstanceRequest& request);
    void listen(bool mayRemoveStaleSocket);
    void acceptConnections();

    QString m_dataPath; // canonical
    QString m_key;
    QString m_runtimeDir;
    QString m_socketName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    std::shared_ptr<int> m_openConnections;
    Answer m_answer;
    TInstanceReply m_reply;
    int m_answerTimeoutMs = 1000;
    int m_connectionTimeoutMs = 1000;
};

} // namespace corvane
