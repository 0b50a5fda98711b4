// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WaveHeader.h"

#include "platform/FileRead.h"

#include <algorithm>

namespace corvane {

namespace {

using Verdict = WaveLayout::Verdict;

// Wave files put "fmt " and "data" first; a generous window still finds them behind metadata.
// Only files whose sound starts further in are read whole to find it.
constexpr qint64 headWindow = 64 * 1024;

// Qt 6.4's wave reader never gets past a chunk of more than 16 KiB before the sound, nor past
// a chunk's pad byte: such a file stays "loading" for ever, silent and without an error.
constexpr qint64 qtChunkLimit = 16 * 1024;

// The highest rate sound servers take; beyond it a "rate" is noise in a broken header.
constexpr quint32 highestRate = 768000;

// Fractions of a second, as divisors of the rate: less sound than 1/20 s is not heard as an
// alarm; QSoundEffect drops the last 0.1-0.15 s of every sound, so shorter sounds than a
// quarter second get a copy with a quarter second of silence behind them.
constexpr qint64 shortestHeard = 20;
constexpr qint64 shortestUncut = 4;

quint32 le(QByteArrayView data, qsizetype at, int bytes)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | quint8(data[at + i]);
    return value;
}

QByteArray le16(quint32 value)
{
    return QByteArray(1, char(value & 0xff)) + char(value >> 8 & 0xff);
}

QByteArray le32(quint32 value)
{
    return le16(value & 0xffff) + le16(value >> 16);
}

bool readFormat(QByteArrayView fmt, WaveLayout& layout)
{
    const quint32 tag = le(fmt, 0, 2), bits = le(fmt, 14, 2);
    layout.channels = quint16(le(fmt, 2, 2));
    layout.rate = le(fmt, 4, 4);
    layout.bits = quint16(bits);
    const bool pcm = (tag == 1 || tag == 0xFFFE) && (bits == 8 || bits == 16 || bits == 32);
    const bool floating = tag == 3 && bits == 32;
    layout.tag = quint16(tag);
    return (pcm || floating) && layout.channels >= 1 && layout.channels <= 8 && layout.rate > 0
        && layout.rate <= highestRate;
}

// What the walk found; the verdict is settled from it at the end.
struct Walk {
    bool formatFirst = false; // "fmt " came before "data", as Qt needs it
    bool plain = true; // Qt gets past every chunk before the sound
    qint64 dataClaim = -1; // the data chunk's own length field; -1 while none is found
};

// The verdict when the walk needs the bytes up to `end`: more of the file, or its end.
Verdict beyondHead(qint64 end, qint64 headSize, qint64 fileSize)
{
    return headSize < fileSize && end <= fileSize ? Verdict::NeedsMore : Verdict::Unplayable;
}

// Walks the chunks until both "fmt " and "data" are known; returns Plays when they are, else
// why not. Every step moves on by at least a chunk header, so it ends.
Verdict walkChunks(QByteArrayView head, qint64 fileSize, WaveLayout& layout, Walk& walk)
{
    bool haveFormat = false;
    for (qint64 at = 12;;) {
        if (at + 8 > head.size())
            return beyondHead(at + 8, head.size(), fileSize);
        const QByteArrayView id = head.sliced(at, 4);
        const qint64 length = le(head, at + 4, 4), body = at + 8;
        if (id == "data" && walk.dataClaim < 0) {
            walk.dataClaim = length;
            walk.formatFirst = haveFormat;
            layout.audioAt = body;
        } else {
            if (id == "fmt " && !haveFormat) {
                if (length < 16)
                    return Verdict::Unplayable;
                if (body + 16 > head.size())
                    return beyondHead(body + 16, head.size(), fileSize);
                if (!readFormat(head.sliced(body, 16), layout))
                    return Verdict::Unplayable;
                haveFormat = true;
            }
            if (walk.dataClaim < 0)
                walk.plain = walk.plain && length % 2 == 0 && 8 + length <= qtChunkLimit;
        }
        if (haveFormat && walk.dataClaim >= 0)
            return Verdict::Plays;
        at = body + length + (length & 1); // chunks are padded to an even length
    }
}

} // namespace

WaveLayout inspectWave(QByteArrayView head, qint64 fileSize)
{
    WaveLayout layout;
    fileSize = std::max(fileSize, qint64(head.size()));
    if (head.size() < 12) {
        layout.verdict = beyondHead(12, head.size(), fileSize);
        return layout;
    }
    if (head.first(4) != "RIFF" || head.sliced(8, 4) != "WAVE")
        return layout;
    Walk walk;
    layout.verdict = walkChunks(head, fileSize, layout, walk);
    if (layout.verdict != Verdict::Plays)
        return layout;
    const qint64 present = std::max(qint64(0), fileSize - layout.audioAt);
    const bool unfilled = walk.dataClaim == 0 && walk.formatFirst;
    const qint64 audio = unfilled ? present : std::min(walk.dataClaim, present);
    const qint64 frames = audio / layout.frameBytes();
    layout.audioBytes = frames * layout.frameBytes();
    if (frames == 0 || frames * shortestHeard < layout.rate)
        layout.verdict = Verdict::Unplayable;
    else if (!walk.plain || !walk.formatFirst || layout.audioBytes != walk.dataClaim
        || frames * shortestUncut < layout.rate)
        layout.verdict = Verdict::NeedsCopy;
    return layout;
}

bool isPlayableWave(QByteArrayView data)
{
    return inspectWave(data, data.size()).playable();
}

WaveCopy waveCopy(QByteArrayView file, const WaveLayout& layout)
{
    Q_ASSERT(layout.playable() && layout.audioAt + layout.audioBytes <= file.size());
    const qint64 frame = layout.frameBytes();
    qint64 silentFrames = layout.rate / shortestUncut + 1;
    if ((layout.audioBytes + silentFrames * frame) % 2 != 0)
        ++silentFrames; // an even data chunk, so no pad byte is needed behind it
    WaveCopy copy;
    copy.audio = file.sliced(layout.audioAt, layout.audioBytes);
    copy.silence = QByteArray(qsizetype(silentFrames * frame), layout.bits == 8 ? '\x80' : '\0');
    const quint32 dataBytes = quint32(copy.audio.size() + copy.silence.size());
    copy.header = "RIFF" + le32(4 + 8 + 16 + 8 + dataBytes) + "WAVEfmt " + le32(16)
        + le16(layout.tag) + le16(layout.channels) + le32(layout.rate)
        + le32(quint32(layout.rate * frame)) + le16(quint32(frame)) + le16(layout.bits) + "data"
        + le32(dataBytes);
    return copy;
}

WaveFile readWaveFile(const QString& path)
{
    if (path.isEmpty())
        return {};
    FileRead read = readRegularFileHead(path, headWindow, FileLimit::sound);
    if (!read.ok())
        return {};
    WaveFile wave{inspectWave(read.bytes, read.size), {}};
    const bool partial = read.bytes.size() < read.size;
    if (partial
        && (wave.layout.verdict == Verdict::NeedsMore
            || wave.layout.verdict == Verdict::NeedsCopy)) {
        read = readRegularFile(path, FileLimit::sound);
        if (!read.ok())
            return {};
        wave.layout = inspectWave(read.bytes, read.bytes.size());
    }
    if (wave.layout.verdict == Verdict::NeedsCopy)
        wave.bytes = std::move(read.bytes);
    return wave;
}

} // namespace corvane
