// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

namespace corvane {

// Whether the bytes begin a wave file the sound player can play: a RIFF/WAVE header whose
// "fmt " chunk (found by walking the chunks within the bytes given) declares integer PCM of 8,
// 16 or 32 bits or 32-bit float, 1 to 8 channels and a non-zero rate. Anything else, a cut-off
// header included, is not playable. Reads only within data.
bool isPlayableWave(QByteArrayView data);

// The same for a file, reading only its first bytes. A missing or unreadable file is not.
bool isPlayableWaveFile(const QString& path);

} // namespace corvane
