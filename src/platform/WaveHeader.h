// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// What a wave file's chunks say about its sound, and how a file that Qt 6.4's QSoundEffect
// would not play whole is rewritten so that it does. Pure functions on bytes; the one file
// step, readWaveFile, only fetches the bytes they need.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace corvane {

struct WaveLayout {
    enum class Verdict {
        Unplayable, // not a wave file Corvane plays, or too little sound in it to be heard
        Plays, // QSoundEffect plays the file as it stands
        NeedsCopy, // the sound is there, but only a rewritten copy (waveCopy) plays it whole
        NeedsMore, // the chunks run on beyond the bytes given: ask again with the whole file
    };
    Verdict verdict = Verdict::Unplayable;
    quint16 tag = 0, channels = 0, bits = 0; // as the "fmt " chunk declares them
    quint32 rate = 0;
    qint64 audioAt = 0; // where the sound's first frame begins
    qint64 audioBytes = 0; // whole frames really in the file, whatever the data chunk claims

    bool playable() const { return verdict == Verdict::Plays || verdict == Verdict::NeedsCopy; }
    qint64 frameBytes() const { return qint64(channels) * (bits / 8); }
};

// Walks the chunks of a wave file from its first bytes (head) and its whole size. Playable are
// RIFF/WAVE files whose "fmt " chunk declares integer PCM of 8, 16 or 32 bits or 32-bit float,
// 1 to 8 channels and a non-zero rate, with a "data" chunk holding at least 0.05 s of whole
// frames. A data chunk that claims more than the file holds, or 0 (a writer that never came
// back to fill it in), counts for what really follows it. Reads only within head.
WaveLayout inspectWave(QByteArrayView head, qint64 fileSize);

// inspectWave of a whole file's bytes.
bool isPlayableWave(QByteArrayView data);

// A copy QSoundEffect plays whole: a plain header with true lengths, the sound as found in
// file (the whole file's bytes, for which layout says NeedsCopy), then silence for the end
// that QSoundEffect cuts off. Written one after the other, they make the copy.
struct WaveCopy {
    QByteArray header;
    QByteArrayView audio; // within file
    QByteArray silence;
};
WaveCopy waveCopy(QByteArrayView file, const WaveLayout& layout);

// A sound file's layout, read without ever blocking: only regular files up to
// FileLimit::sound are looked at; anything else, or a missing file, is Unplayable. bytes hold
// the whole file when the layout says NeedsCopy, so the copy can be made from them.
struct WaveFile {
    WaveLayout layout;
    QByteArray bytes;
};
WaveFile readWaveFile(const QString& path);

} // namespace corvane
