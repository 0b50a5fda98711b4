// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Wave files put together chunk by chunk, for the tests of the header check and the player.
#pragma once

#include <QByteArray>

namespace corvane::wavebytes {

inline QByteArray le16(quint32 v)
{
    return QByteArray(1, char(v & 0xff)) + char(v >> 8 & 0xff);
}
inline QByteArray le32(quint32 v)
{
    return le16(v & 0xffff) + le16(v >> 16);
}

// A chunk; claim, when given, is written instead of the body's true length.
inline QByteArray chunk(const char* id, const QByteArray& body, qint64 claim = -1)
{
    const QByteArray pad(body.size() % 2, '\0');
    return id + le32(quint32(claim < 0 ? body.size() : claim)) + body + pad;
}

inline QByteArray fmtChunk(
    quint16 tag = 1, quint16 bits = 16, quint16 channels = 1, quint32 rate = 8000)
{
    const quint32 frame = channels * bits / 8u;
    return chunk("fmt ",
        le16(tag) + le16(channels) + le32(rate) + le32(rate * frame) + le16(frame) + le16(bits));
}

inline QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + le32(quint32(chunks.size() + 4)) + "WAVE" + chunks;
}

// Half a second of 8 kHz sound, with a chunk before the format if asked.
inline QByteArray waveBytes(quint16 tag = 1, quint16 bits = 16, QByteArray before = {})
{
    return riff(before + fmtChunk(tag, bits) + chunk("data", QByteArray(4000 * bits / 8, '\1')));
}

inline QByteArray sound(qint64 frames)
{
    return QByteArray(qsizetype(frames) * 2, '\1'); // 16-bit mono frames
}

} // namespace corvane::wavebytes
