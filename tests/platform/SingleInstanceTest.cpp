// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Both sides in one process: the running Corvane answers from the test's event loop while the
// second start blocks in a thread of its own, as it would in its own process.
#include "platform/SingleInstance.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

using namespace corvane;
using Start = TSingleInstance::Start;

namespace {

bool waitFor(const std::function<bool()>& state, int ms = 5000)
{
    QDeadlineTimer deadline(ms);
    while (!state() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return state();
}

Start startElsewhere(const QString& data, const TInstanceRequest& request, int answerMs = 5000)
{
    std::atomic<bool> done = false;
    Start result = Start::Alone;
    std::thread second([&] {
        TSingleInstance instance(data);
        instance.setTimeouts(answerMs, 1000);
        result = instance.start(request);
        done = true;
    });
    waitFor([&] { return done.load(); }, answerMs + 5000);
    second.join();
    return result;
}

QString canonical(const QString& path)
{
    return QFileInfo(path).canonicalFilePath();
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
}

class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("Data")));
        QObject::connect(&m_first, &TSingleInstance::requested, &m_first,
            [this](const TInstanceRequest& r) { m_received << r; });
    }

    QString data() const { return m_dir.filePath(QStringLiteral("Data")); }

    QTemporaryDir m_dir;
    TSingleInstance m_first{data()};
    QList<TInstanceRequest> m_received;
};

TEST_F(SingleInstance, TheSecondStartHandsItsRequestToTheFirstAndEnds)
{
    ASSERT_EQ(m_first.start({}), Start::Alone);
    EXPECT_EQ(m_first.lockPath(), canonical(m_dir.filePath(QStringLiteral("Data.lock"))));
    EXPECT_TRUE(m_first.listeningName().startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
        | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(m_first.listeningName()).permissions() & others, 0);

    const QStringList before = entries(m_dir.path());
    const TInstanceRequest request{{QStringLiteral("corvane"), QStringLiteral("--x")}, "id", "t"};
    EXPECT_EQ(startElsewhere(m_dir.filePath(QStringLiteral("Data/")), request), Start::Handed);
    ASSERT_TRUE(waitFor([&] { return !m_received.isEmpty(); }));
    EXPECT_EQ(m_received, QList<TInstanceRequest>{request});
    EXPECT_EQ(entries(m_dir.path()), before); // the second start wrote nothing

    // Another folder is another Corvane.
    QTemporaryDir other;
    EXPECT_EQ(startElsewhere(other.filePath(QStringLiteral("Data")), {}), Start::Alone);
}

TEST_F(SingleInstance, TheRunningCorvanesAnswerReachesTheSecondStart)
{
    m_first.setAnswer([](const TInstanceRequest& request) {
        return TInstanceReply{3, request.arguments.join(u' '), QStringLiteral("why")};
    });
    ASSERT_EQ(m_first.start({}), Start::Alone);
    std::atomic<bool> done = false;
    Start result = Start::Alone;
    TInstanceReply reply;
    std::thread thread([&] {
        TSingleInstance instance(data());
        result = instance.start({{QStringLiteral("corvane"), QStringLiteral("--list")}, {}, {}});
        reply = instance.reply();
        done = true;
    });
    waitFor([&] { return done.load(); });
    thread.join();
    EXPECT_EQ(result, Start::Handed);
    EXPECT_EQ(reply, (TInstanceReply{3, QStringLiteral("corvane --list"), QStringLiteral("why")}));
    EXPECT_TRUE(m_received.isEmpty()); // the answer took it
}

TEST_F(SingleInstance, AHeldLockWithoutAnAnswerEndsTheSecondStartAndLeavesEverything)
{
    QLockFile held(m_dir.filePath(QStringLiteral("Data.lock")));
    ASSERT_TRUE(held.tryLock(0));
    // Whatever lies where the socket would be is not the second start's to remove.
    const QString socket = m_first.socketName();
    test::writeBytes(socket, "left by someone");
    const QStringList before = entries(m_dir.path());

    EXPECT_EQ(startElsewhere(data(), {}, 300), Start::NoAnswer);
    EXPECT_EQ(entries(m_dir.path()), before);
    EXPECT_TRUE(QFile::exists(socket));
    QFile::remove(socket);
}

// What QLockFile counts as stale, and what Corvane adds: a lock whose content cannot be read
// is taken once it is a few seconds old.
TEST_F(SingleInstance, AStaleLockAndAStaleSocketAreTakenOver)
{
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 gonePid = gone.processId(); // QProcess forgets it once the process ended
    ASSERT_TRUE(gone.waitForFinished());
    QProcess other; // alive, but not Corvane
    other.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    ASSERT_TRUE(other.waitForStarted());
    const QByteArray host = QHostInfo::localHostName().toUtf8();
    struct Case {
        const char* what;
        QByteArray content;
        bool old;
    };
    const Case cases[] = {
        {"dead process", QByteArray::number(gonePid) + "\ncorvane\n" + host + '\n', false},
        {"another program", QByteArray::number(other.processId()) + "\ncorvane\n" + host + '\n',
            false},
        {"garbage", QByteArrayLiteral("\x01\xff garbage"), true},
        {"empty", QByteArray(), true},
    };
    const QString lock = m_dir.filePath(QStringLiteral("Data.lock"));
    for (const Case& c : cases) {
        test::writeBytes(lock, c.content);
        if (c.old) {
            QFile file(lock);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.setFileTime(
                QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
        }
        test::writeBytes(m_first.socketName(), "left by a crash");
        TSingleInstance instance(data());
        EXPECT_EQ(instance.start({}), Start::Alone) << c.what;
        EXPECT_EQ(instance.lockPath(), canonical(lock)) << c.what;
        EXPECT_FALSE(instance.listeningName().isEmpty()) << c.what;
    }
    other.kill();
    other.waitForFinished();
}

TEST_F(SingleInstance, HostilePeersAreDroppedAndARealRequestStillGetsThrough)
{
    m_first.setTimeouts(1000, 500);
    ASSERT_EQ(m_first.start({}), Start::Alone);
    QRandomGenerator random(7);
    QByteArray noise(256, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    const QByteArray whole = encodeInstanceRequest({{QStringLiteral("corvane")}, {}, {}});
    const QByteArray flood = whole.left(10) + QByteArray(1024 * 1024, 'x');
    std::vector<std::unique_ptr<QLocalSocket>> peers;
    for (const QByteArray& bytes : {noise, flood, whole.chopped(1), QByteArray()}) {
        peers.push_back(std::make_unique<QLocalSocket>());
        peers.back()->connectToServer(m_first.socketName());
        ASSERT_TRUE(peers.back()->waitForConnected(1000));
        peers.back()->write(bytes);
    }
    EXPECT_EQ(startElsewhere(data(), {}), Start::Handed);
    const auto allDropped = [&] {
        return std::all_of(peers.begin(), peers.end(),
            [](const auto& p) { return p->state() == QLocalSocket::UnconnectedState; });
    };
    ASSERT_TRUE(waitFor(allDropped));
    EXPECT_EQ(m_received.size(), 1);
}

TEST_F(SingleInstance, WithoutAWritableFolderTheLockMovesToTheRuntimeFolderOrIsDoneWithout)
{
    // Root writes anywhere, so "cannot write" is a file where a folder should be.
    test::writeBytes(m_dir.filePath(QStringLiteral("file")), "");
    const QString blocked = m_dir.filePath(QStringLiteral("file/Data"));
    TSingleInstance first(blocked);
    ASSERT_EQ(first.start({}), Start::Alone);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    EXPECT_EQ(first.lockPath(), fallbackLockPath(runtime, instanceKey(canonicalDataPath(blocked))));
    EXPECT_EQ(startElsewhere(blocked, {}), Start::Handed);

    // No runtime folder either: Corvane still runs.
    qputenv("XDG_RUNTIME_DIR", m_dir.filePath(QStringLiteral("file")).toLocal8Bit());
    TSingleInstance alone(m_dir.filePath(QStringLiteral("file/Other")));
    const Start start = alone.start({});
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    EXPECT_EQ(start, Start::Alone);
    EXPECT_TRUE(alone.lockPath().isEmpty());
}

} // namespace
