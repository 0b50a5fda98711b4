// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QTemporaryFile;

namespace corvane {

// What actually makes the noise. play() returns at once and replaces whatever is playing;
// when the sound later turns out unplayable it calls failed, later, from the event loop,
// never from within play(). A real device may keep "playing" forever: nobody waits for it.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    virtual void play(const QString& path, std::function<void()> failed) = 0;
    virtual void stop() = 0;
    virtual void beep() = 0;
};

// The backend of the running program: QSoundEffect, and QApplication::beep().
std::unique_ptr<SoundBackend> makeSoundEffectBackend();

// PlaySound(path, async): plays a wave file once, asynchronously. Never blocks, never throws;
// a new call stops the sound still playing. A file that is missing, not a regular file, over
// FileLimit::sound or not a playable wave file — by its chunks, or because the backend reports
// an error later — is replaced by Corvane's own alarm sound (Data/alarm.wav in the program
// folder), and if that cannot be played either, by the system beep. A wave file that
// QSoundEffect would not play whole (see WaveLayout) is played from a private copy in the
// temporary folder, removed by the next sound, stop() or the player's end.
class SoundPlayer {
public:
    explicit SoundPlayer(std::unique_ptr<SoundBackend> backend = makeSoundEffectBackend(),
        QString alarmSound = defaultAlarmSound());
    ~SoundPlayer();

    void PlaySound(const QString& path);
    void stop();

    static QString defaultAlarmSound();

private:
    void playFrom(qsizetype candidate);
    void failed(unsigned generation, qsizetype candidate);
    QString playablePath(const QString& path);

    std::unique_ptr<SoundBackend> m_backend;
    std::unique_ptr<QTemporaryFile> m_copy;
    QString m_alarmSound;
    QStringList m_candidates;
    unsigned m_generation = 0;
};

} // namespace corvane
