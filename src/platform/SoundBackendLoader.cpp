// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// makeSoundEffectBackend: a stand-in that loads the QSoundEffect module when the first sound
// is asked for, so the program starts without Qt Multimedia and the libraries it pulls in.
#include "platform/SoundPlayer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibrary>

namespace corvane {

namespace {

using Factory = SoundBackend* (*)();

SoundBackend* loadSoundEffectBackend()
{
    // Beside the executable in the build and in a portable folder; PREFIX/lib/corvane when
    // installed, found from the executable so the installed tree can be moved; the build
    // folder for the tests, whose executables lie deeper in it.
    const QString here = QCoreApplication::applicationDirPath();
    const QStringList folders{here, here + QStringLiteral("/../" CORVANE_INSTALL_MODULE_DIR),
        QStringLiteral(CORVANE_MODULE_DIR)};
    for (const QString& folder : folders) {
        QLibrary module(folder + QStringLiteral("/libcorvane_sound_effect"));
        if (auto create
            = reinterpret_cast<Factory>(module.resolve("corvane_create_sound_effect_backend")))
            return create(); // the module stays loaded for the rest of the run
    }
    return nullptr;
}

class LazySoundBackend : public SoundBackend {
public:
    void play(const QString& path, std::function<void()> failed) override
    {
        if (SoundBackend* backend = loaded())
            backend->play(path, std::move(failed));
        else
            beep();
    }
    void stop() override
    {
        if (m_backend)
            m_backend->stop();
    }
    void beep() override { QApplication::beep(); }

private:
    SoundBackend* loaded()
    {
        if (!m_tried) {
            m_tried = true;
            m_backend.reset(loadSoundEffectBackend());
        }
        return m_backend.get();
    }

    std::unique_ptr<SoundBackend> m_backend;
    bool m_tried = false;
};

} // namespace

std::unique_ptr<SoundBackend> makeSoundEffectBackend()
{
    return std::make_unique<LazySoundBackend>();
}

} // namespace corvane
