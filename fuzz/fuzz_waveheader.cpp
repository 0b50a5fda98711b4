// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The wave-header check decides from a file's first bytes whether a sound can be played: it
// must never read outside them, and a header it accepts must keep being accepted however much
// is appended behind it.
#include "platform/WaveHeader.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A copy of exactly the input's length, so ASan sees any read beyond it.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const bool playable = corvane::isPlayableWave(bytes);
    if (playable && !corvane::isPlayableWave(bytes + QByteArray(64, '\xff')))
        std::abort();
    return 0;
}
