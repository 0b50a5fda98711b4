// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceMessage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvane;

namespace {

TInstanceRequest sample()
{
    return {{QStringLiteral("/opt/corvane/corvane"), QStringLiteral("Tee – grün")},
        "openbox-1234-host-xdotool-0_TIME5678", "token:abc"};
}

TEST(InstanceMessage, ARequestSurvivesTheTripAndEveryShorterPrefixAsksForMore)
{
    const QByteArray bytes = encodeInstanceRequest(sample());
    for (qsizetype n = 0; n < bytes.size(); ++n)
        ASSERT_EQ(decodeInstanceRequest(bytes.left(n), nullptr), DecodeState::Incomplete) << n;
    TInstanceRequest read;
    ASSERT_EQ(decodeInstanceRequest(bytes, &read), DecodeState::Complete);
    EXPECT_EQ(read, sample());
    EXPECT_EQ(decodeInstanceRequest(bytes + 'x', &read), DecodeState::Invalid);
    // Empty tokens and no arguments at all are a request too.
    ASSERT_EQ(decodeInstanceRequest(encodeInstanceRequest({}), &read), DecodeState::Complete);
    EXPECT_EQ(read, TInstanceRequest());
}

TEST(InstanceMessage, AnythingButCorvanesOwnMessageIsRefused)
{
    const QByteArray head = QByteArrayLiteral("CORVANE\x01");
    const QByteArray cases[] = {
        QByteArrayLiteral("GET / HTTP/1.1\r\n"), QByteArrayLiteral("\x00\x01\x02"),
        QByteArrayLiteral("CORVANE\x02\x00\x02\x00\x00"), // a version this one does not know
        head + QByteArrayLiteral("\xff\xff"), // longer than any message may be
        head + QByteArrayLiteral("\x00\x02") + QByteArrayLiteral("ab"), // no terminating NUL
        head + QByteArrayLiteral("\x00\x01") + QByteArray(1, '\0'), // one field of the two
        head + QByteArrayLiteral("\x00\x03") + QByteArrayLiteral("\x07\x00\x00"), // control char
        head + QByteArrayLiteral("\x00\x04") + QByteArrayLiteral("\x00\x00\xc3\x00"), // bad UTF-8
    };
    for (const QByteArray& bytes : cases)
        EXPECT_EQ(decodeInstanceRequest(bytes, nullptr), DecodeState::Invalid)
            << bytes.toHex().toStdString();
}

TEST(InstanceMessage, AnOversizedCommandLineLosesItsLastArgumentsAndBadTokensGoEmpty)
{
    TInstanceRequest big;
    big.startupId = "id\nwith a line break";
    big.activationToken = QByteArray(InstanceMessage::maxTokenBytes + 1, 'a');
    for (int i = 0; i < 100; ++i)
        big.arguments << QString(100, QLatin1Char('a' + i % 26));
    const QByteArray bytes = encodeInstanceRequest(big);
    EXPECT_LE(bytes.size(), InstanceMessage::maxBytes);
    TInstanceRequest read;
    ASSERT_EQ(decodeInstanceRequest(bytes, &read), DecodeState::Complete);
    EXPECT_TRUE(read.startupId.isEmpty());
    EXPECT_TRUE(read.activationToken.isEmpty());
    ASSERT_GT(read.arguments.size(), 30);
    EXPECT_EQ(read.arguments, big.arguments.first(read.arguments.size()));
}

TEST(InstanceMessage, OneFolderGivesOneNameHoweverItIsWritten)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("a/Data")));
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("b/Data")));
    ASSERT_TRUE(QFile::link(root + QStringLiteral("/a"), root + QStringLiteral("/link")));
    const QString a = canonicalDataPath(root + QStringLiteral("/a/Data"));
    for (const QString& spelling : {QStringLiteral("/a/Data/"), QStringLiteral("/link/Data"),
             QStringLiteral("/b/../a/./Data")})
        EXPECT_EQ(canonicalDataPath(root + spelling), a) << spelling.toStdString();
    EXPECT_NE(instanceKey(canonicalDataPath(root + QStringLiteral("/b/Data"))), instanceKey(a));
    EXPECT_EQ(instanceKey(a).size(), 24);

    // Data of a first start does not exist yet; once made it must keep its name.
    const QString later = canonicalDataPath(root + QStringLiteral("/link/New"));
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("a/New")));
    EXPECT_EQ(canonicalDataPath(root + QStringLiteral("/link/New")), later);

    // The lock is Data's sibling, never a file inside it.
    EXPECT_EQ(lockPathBeside(a), QDir::cleanPath(a + QStringLiteral("/../Data.lock")));
}

TEST(InstanceMessage, TheSocketIsAFullPathInTheRuntimeFolderWhileItFitsAnAddress)
{
    const QString key = instanceKey(QStringLiteral("/home/someone/corvane/Data"));
    EXPECT_EQ(instanceSocketName(QStringLiteral("/run/user/1000"), key),
        QStringLiteral("/run/user/1000/corvane-") + key);
    EXPECT_EQ(instanceSocketName(QString(), key), QStringLiteral("corvane-") + key);
    const QString deep = QStringLiteral("/") + QString(90, QLatin1Char('r'));
    EXPECT_EQ(instanceSocketName(deep, key), QStringLiteral("corvane-") + key);
    EXPECT_EQ(fallbackLockPath(QStringLiteral("/run/user/1000"), key),
        QStringLiteral("/run/user/1000/corvane-%1.lock").arg(key));
    EXPECT_TRUE(fallbackLockPath(QString(), key).isEmpty());
}

} // namespace

TEST(InstanceMessage, AReplyCarriesItsStatusAndTextsAndIsReadOnlyWhole)
{
    const TInstanceReply reply{1, QStringLiteral("Tee\t00:03:00\n"), QStringLiteral("Grüße ✓")};
    const QByteArray bytes = encodeInstanceReply(reply);
    EXPECT_TRUE(bytes.startsWith(instanceAcknowledgement())); // an older second start is content
    TInstanceReply read;
    EXPECT_EQ(decodeInstanceReply(bytes, true, &read), DecodeState::Complete);
    EXPECT_EQ(read, reply);
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        EXPECT_EQ(decodeInstanceReply(bytes.left(n), false, &read), DecodeState::Incomplete) << n;
        // Cut off by the end of the connection, it is no reply...
        if (n != instanceAcknowledgement().size()) {
            EXPECT_EQ(decodeInstanceReply(bytes.left(n), true, &read), DecodeState::Invalid) << n;
        }
    }
    // ...except the acknowledgement alone, which an older Corvane sends: the empty reply.
    read = reply;
    EXPECT_EQ(decodeInstanceReply(instanceAcknowledgement(), true, &read), DecodeState::Complete);
    EXPECT_EQ(read, TInstanceReply{});

    EXPECT_EQ(decodeInstanceReply(bytes + 'x', true, &read), DecodeState::Invalid);
    QByteArray huge = instanceAcknowledgement() + '\0' + QByteArray("\x7f\xff\xff\xff", 4);
    EXPECT_EQ(decodeInstanceReply(huge, false, &read), DecodeState::Invalid);
    QByteArray badUtf8
        = instanceAcknowledgement() + '\0' + QByteArray("\0\0\0\1\xff", 5) + QByteArray(4, '\0');
    EXPECT_EQ(decodeInstanceReply(badUtf8, true, &read), DecodeState::Invalid);
    EXPECT_EQ(decodeInstanceReply("HELLO", false, &read), DecodeState::Invalid);
}

TEST(InstanceMessage, AnOverlongTextIsCutAtACharacterAndTheStatusIsKeptInAByte)
{
    const QString long_ = QString(InstanceMessage::maxReplyTextBytes / 2, QChar(0x00e4)) + u'x';
    TInstanceReply read;
    ASSERT_EQ(decodeInstanceReply(encodeInstanceReply({300, long_, {}}), true, &read),
        DecodeState::Complete);
    EXPECT_EQ(read.exitCode, 255);
    EXPECT_EQ(read.output, long_.chopped(1));
    EXPECT_TRUE(requestCarriesAll({{QStringLiteral("corvane"), QStringLiteral("--list")}, {}, {}}));
    EXPECT_FALSE(requestCarriesAll(
        {{QStringLiteral("corvane"), QStringLiteral("--start"), QString(5000, u'x')}, {}, {}}));
}
