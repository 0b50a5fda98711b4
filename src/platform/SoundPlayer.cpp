// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundPlayer.h"

#include "platform/ProgramFolder.h"
#include "platform/WaveHeader.h"

namespace corvane {

SoundPlayer::SoundPlayer(std::unique_ptr<SoundBackend> backend, QString alarmSound)
    : m_backend(std::move(backend))
    , m_alarmSound(std::move(alarmSound))
{
}

SoundPlayer::~SoundPlayer() = default;

QString SoundPlayer::defaultAlarmSound()
{
    return programPath(QStringLiteral("Data/alarm.wav"));
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
}

void SoundPlayer::playFrom(qsizetype candidate)
{
    for (; candidate < m_candidates.size(); ++candidate) {
        if (!isPlayableWaveFile(m_candidates[candidate]))
            continue;
        const unsigned generation = m_generation;
        m_backend->play(m_candidates[candidate],
            [this, generation, candidate] { failed(generation, candidate); });
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

} // namespace corvane
