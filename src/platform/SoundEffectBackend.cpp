// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The running program's sound backend. QSoundEffect loads and plays on its own; its Error
// status is the only sign it gives that a file it accepted cannot be played after all.
// Built as a module of its own and loaded at the first sound (SoundBackendLoader.cpp):
// Qt Multimedia brings some twenty libraries that a start-up need not wait for.
#include "platform/SoundPlayer.h"

#include <QApplication>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace corvane {

namespace {

// Qt 6.4 leaves some files "loading" for ever, silent and without an error (the sound player
// keeps those it knows of away), and its loader waits for ever on a pipe swapped in for a
// file. A sound not loaded by then will not come; a real one of 64 MB loads in a fifth of a
// second.
constexpr int loadingDeadlineMs = 5000;

class SoundEffectBackend : public SoundBackend {
public:
    ~SoundEffectBackend() override { delete m_effect; }

    void play(const QString& path, std::function<void()> failed) override
    {
        stop();
        m_effect = new QSoundEffect;
        QSoundEffect* effect = m_effect;
        QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect, failed] {
            // Queued, so the player may start another sound without pulling this effect
            // from under its own signal; a deleted effect drops the call.
            if (effect->status() == QSoundEffect::Error)
                QMetaObject::invokeMethod(effect, failed, Qt::QueuedConnection);
        });
        QTimer::singleShot(loadingDeadlineMs, effect, [effect, failed] {
            if (effect->status() == QSoundEffect::Loading)
                failed();
        });
        effect->setSource(QUrl::fromLocalFile(path));
        effect->play();
    }

    void stop() override
    {
        if (!m_effect)
            return;
        m_effect->stop();
        m_effect->deleteLater();
        m_effect = nullptr;
    }

    void beep() override { QApplication::beep(); }

private:
    QSoundEffect* m_effect = nullptr;
};

} // namespace

} // namespace corvane

extern "C" Q_DECL_EXPORT corvane::SoundBackend* corvane_create_sound_effect_backend()
{
    return new corvane::SoundEffectBackend;
}
