// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The running program's sound backend. QSoundEffect loads and plays on its own; its Error
// status is the only sign that a file it accepted cannot be played after all.
#include "platform/SoundPlayer.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>

namespace corvane {

namespace {

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

std::unique_ptr<SoundBackend> makeSoundEffectBackend()
{
    return std::make_unique<SoundEffectBackend>();
}

} // namespace corvane
