// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundPlayer.h"

#include "platform/ProgramFolder.h"
#include "platform/WaveHeader.h"

#include <QDir>
#include <QTemporaryFile>

namespace corvane {

namespace {

// QTemporaryFile makes the copy readable by its owner only, and removes it with itself.
std::unique_ptr<QTemporaryFile> writeCopy(const WaveCopy& copy)
{
    auto file = std::make_unique<QTemporaryFile>(
        QDir::tempPath() + QStringLiteral("/corvane-sound-XXXXXX.wav"));
    if (!file->open())
        return nullptr;
    const bool written = file->write(copy.header) == copy.header.size()
        && file->write(copy.audio.data(), copy.audio.size()) == copy.audio.size()
        && file->write(copy.silence) == copy.silence.size() && file->flush();
    if (!written)
        return nullptr;
    file->close();
    return file;
}

} // namespace

SoundPlayer::SoundPlayer(std::unique_ptr<SoundBackend> backend, QString alarmSound)
    : m_backend(std::move(backend))
    , m_alarmSound(std::move(alarmSound))
{
}

SoundPlayer::~SoundPlayer() = default;

QString SoundPlayer::defaultAlarmSound()
{
    return shippedPath(QStringLiteral("Data/alarm.wav"));
}

void SoundPlayer::PlaySound(const QString& path)
{
    stop();
    m_candidates = QStringList{path, m_alarmSound};
    playFrom(0);
}

void SoundPlayer::stop()
{
    ++m_generation; // failures of what played before no longer count
    m_backend->stop();
    m_copy.reset();
}

void SoundPlayer::playFrom(qsizetype candidate)
{
    for (; candidate < m_candidates.size(); ++candidate) {
        const QString path = playablePath(m_candidates[candidate]);
        if (path.isEmpty())
            continue;
        const unsigned generation = m_generation;
        m_backend->play(path, [this, generation, candidate] { failed(generation, candidate); });
        return;
    }
    m_backend->beep();
}

void SoundPlayer::failed(unsigned generation, qsizetype candidate)
{
    if (generation != m_generation)
        return;
    ++m_generation;
    playFrom(candidate + 1);
}

QString SoundPlayer::playablePath(const QString& path)
{
    m_copy.reset(); // a copy made for a sound that failed is no longer needed
    const WaveFile wave = readWaveFile(path);
    switch (wave.layout.verdict) {
    case WaveLayout::Verdict::Plays:
        return path;
    case WaveLayout::Verdict::NeedsCopy:
        m_copy = writeCopy(waveCopy(wave.bytes, wave.layout));
        return m_copy ? m_copy->fileName() : QString();
    default:
        return {};
    }
}

} // namespace corvane
