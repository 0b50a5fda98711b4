// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WaveHeader.h"

#include <QFile>

namespace corvane {

namespace {

// Wave files put "fmt " first; a generous window still finds it behind a metadata chunk.
constexpr qint64 headerWindow = 64 * 1024;

quint32 le(QByteArrayView data, qsizetype at, int bytes)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | quint8(data[at + i]);
    return value;
}

bool playableFormat(QByteArrayView fmt)
{
    const quint32 tag = le(fmt, 0, 2), channels = le(fmt, 2, 2);
    const quint32 rate = le(fmt, 4, 4), bits = le(fmt, 14, 2);
    const bool pcm = (tag == 1 || tag == 0xFFFE) && (bits == 8 || bits == 16 || bits == 32);
    const bool floating = tag == 3 && bits == 32;
    return (pcm || floating) && channels >= 1 && channels <= 8 && rate > 0;
}

} // namespace

bool isPlayableWave(QByteArrayView data)
{
    if (data.size() < 12 || data.first(4) != "RIFF" || data.sliced(8, 4) != "WAVE")
        return false;
    qint64 at = 12;
    while (at + 8 <= data.size()) {
        const qint64 length = le(data, at + 4, 4);
        if (data.sliced(at, 4) == "fmt ")
            return length >= 16 && at + 8 + 16 <= data.size()
                && playableFormat(data.sliced(at + 8, 16));
        at += 8 + length + (length & 1); // chunks are padded to an even length
    }
    return false;
}

bool isPlayableWaveFile(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    return isPlayableWave(file.read(headerWindow));
}

} // namespace corvane
