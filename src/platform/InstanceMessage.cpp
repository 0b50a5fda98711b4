// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceMessage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace corvane {

namespace {

const QByteArray magic = QByteArrayLiteral("CORVANE");
constexpr char version = 1;
constexpr qsizetype headerBytes = 7 + 1 + 2;
constexpr qsizetype maxPayload = InstanceMessage::maxBytes - headerBytes;
// sockaddr_un::sun_path holds 108 bytes with the terminating NUL; Qt adds nothing.
constexpr qsizetype maxSocketPath = 107;

bool isPrintableAscii(const QByteArray& token)
{
    return std::all_of(token.begin(), token.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
}

QByteArray acceptedToken(const QByteArray& token)
{
    return token.size() <= InstanceMessage::maxTokenBytes && isPrintableAscii(token) ? token
                                                                                     : QByteArray();
}

bool decodeUtf8(const QByteArray& bytes, QString* text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    *text = decoder.decode(bytes);
    return !decoder.hasError();
}

bool decodePayload(const QByteArray& payload, TInstanceRequest* request)
{
    if (!payload.endsWith('\0'))
        return false;
    const QList<QByteArray> fields = payload.chopped(1).split('\0');
    if (fields.size() < 2)
        return false;
    TInstanceRequest read;
    read.startupId = fields[0];
    read.activationToken = fields[1];
    if (acceptedToken(read.startupId) != read.startupId
        || acceptedToken(read.activationToken) != read.activationToken)
        return false;
    for (qsizetype i = 2; i < fields.size(); ++i) {
        QString argument;
        if (!decodeUtf8(fields[i], &argument))
            return false;
        read.arguments << argument;
    }
    *request = read;
    return true;
}

} // namespace

QByteArray encodeInstanceRequest(const TInstanceRequest& request)
{
    QByteArray payload
        = acceptedToken(request.startupId) + '\0' + acceptedToken(request.activationToken) + '\0';
    for (const QString& argument : request.arguments) {
        const QByteArray field = argument.toUtf8() + '\0';
        if (payload.size() + field.size() > maxPayload)
            break;
        payload += field;
    }
    QByteArray message = magic + version;
    message += char(payload.size() >> 8);
    message += char(payload.size() & 0xff);
    return message + payload;
}

DecodeState decodeInstanceRequest(const QByteArray& bytes, TInstanceRequest* request)
{
    // Judge the beginning as soon as it is there, so random bytes are refused at once.
    const QByteArray head = magic + version;
    if (!head.startsWith(bytes.left(head.size())))
        return DecodeState::Invalid;
    if (bytes.size() < headerBytes)
        return DecodeState::Incomplete;
    const qsizetype length = (qsizetype(quint8(bytes[8])) << 8) | quint8(bytes[9]);
    if (length > maxPayload || bytes.size() > headerBytes + length)
        return DecodeState::Invalid;
    if (bytes.size() < headerBytes + length)
        return DecodeState::Incomplete;
    return decodePayload(bytes.mid(headerBytes), request) ? DecodeState::Complete
                                                          : DecodeState::Invalid;
}

QByteArray instanceAcknowledgement()
{
    return magic + version + "OK";
}

namespace {

void appendText(QByteArray* message, const QString& text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() > InstanceMessage::maxReplyTextBytes) {
        // Cut before a continuation byte, so the text stays valid UTF-8.
        qsizetype end = InstanceMessage::maxReplyTextBytes;
        while (end > 0 && (quint8(bytes[end]) & 0xc0) == 0x80)
            --end;
        bytes.truncate(end);
    }
    const quint32 size = quint32(bytes.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        *message += char((size >> shift) & 0xff);
    *message += bytes;
}

// Reads one text at `*at`; false when its bytes are not all there yet, with `*invalid` set
// when they never can be.
bool readText(const QByteArray& bytes, qsizetype* at, QString* text, bool* invalid)
{
    if (bytes.size() < *at + 4)
        return false;
    quint32 size = 0;
    for (int i = 0; i < 4; ++i)
        size = (size << 8) | quint8(bytes[*at + i]);
    if (size > quint32(InstanceMessage::maxReplyTextBytes)) {
        *invalid = true;
        return false;
    }
    if (bytes.size() < *at + 4 + qsizetype(size))
        return false;
    if (!decodeUtf8(bytes.mid(*at + 4, size), text)) {
        *invalid = true;
        return false;
    }
    *at += 4 + size;
    return true;
}

} // namespace

QByteArray encodeInstanceReply(const TInstanceReply& reply)
{
    QByteArray message = instanceAcknowledgement();
    message += char(quint8(qBound(0, reply.exitCode, 255)));
    appendText(&message, reply.output);
    appendText(&message, reply.error);
    return message;
}

DecodeState decodeInstanceReply(const QByteArray& bytes, bool ended, TInstanceReply* reply)
{
    const QByteArray ack = instanceAcknowledgement();
    if (!ack.startsWith(bytes.left(ack.size())))
        return DecodeState::Invalid;
    if (bytes.size() == ack.size() && ended) {
        *reply = {};
        return DecodeState::Complete;
    }
    if (bytes.size() <= ack.size())
        return ended ? DecodeState::Invalid : DecodeState::Incomplete;
    TInstanceReply read;
    read.exitCode = quint8(bytes[ack.size()]);
    qsizetype at = ack.size() + 1;
    bool invalid = false;
    if (!readText(bytes, &at, &read.output, &invalid)
        || !readText(bytes, &at, &read.error, &invalid))
        return invalid || ended ? DecodeState::Invalid : DecodeState::Incomplete;
    if (at != bytes.size())
        return DecodeState::Invalid;
    *reply = read;
    return DecodeState::Complete;
}

bool requestCarriesAll(const TInstanceRequest& request)
{
    TInstanceRequest carried;
    return decodeInstanceRequest(encodeInstanceRequest(request), &carried) == DecodeState::Complete
        && carried.arguments == request.arguments;
}

QString canonicalDataPath(const QString& dataFolder)
{
    const QFileInfo data(QDir::cleanPath(QDir(dataFolder).absolutePath()));
    if (data.exists())
        return data.canonicalFilePath();
    const QString parent = QFileInfo(data.path()).canonicalFilePath();
    if (!parent.isEmpty())
        return QDir(parent).filePath(data.fileName());
    return data.filePath();
}

QString instanceKey(const QString& canonicalPath)
{
    const QByteArray hash
        = QCryptographicHash::hash(canonicalPath.toUtf8(), QCryptographicHash::Sha256);
    return QString::fromLatin1(hash.left(12).toHex());
}

QString lockPathBeside(const QString& canonicalPath)
{
    return canonicalPath + QStringLiteral(".lock");
}

QString fallbackLockPath(const QString& runtimeDir, const QString& key)
{
    if (runtimeDir.isEmpty())
        return {};
    return QDir(runtimeDir).filePath(QStringLiteral("corvane-%1.lock").arg(key));
}

QString instanceSocketName(const QString& runtimeDir, const QString& key)
{
    const QString name = QStringLiteral("corvane-%1").arg(key);
    if (runtimeDir.isEmpty())
        return name;
    const QString path = QDir(runtimeDir).filePath(name);
    return QFile::encodeName(path).size() <= maxSocketPath ? path : name;
}

} // namespace corvane
