// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The wave check decides from a file's bytes whether and how a sound can be played: it must
// never read outside them; a file it accepts must stay accepted however much is appended; its
// first bytes must give the whole file's answer or ask for more; and a copy it makes must play
// as it stands, holding the very sound it found.
#include "platform/WaveHeader.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

using namespace corvane;
using Verdict = WaveLayout::Verdict;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool sameSound(const WaveLayout& a, const WaveLayout& b)
{
    return a.verdict == b.verdict && a.audioAt == b.audioAt && a.audioBytes == b.audioBytes;
}

void checkCopy(const QByteArray& file, const WaveLayout& layout)
{
    const WaveCopy copy = waveCopy(file, layout);
    const QByteArray bytes = copy.header + copy.audio.toByteArray() + copy.silence;
    const WaveLayout copied = inspectWave(bytes, bytes.size());
    require(copied.verdict == Verdict::Plays);
    require(copied.audioBytes == layout.audioBytes + copy.silence.size());
    require(bytes.sliced(copied.audioAt, layout.audioBytes) == copy.audio.toByteArray());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A copy of exactly the input's length, so ASan sees any read beyond it.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const WaveLayout whole = inspectWave(bytes, bytes.size());
    require(whole.verdict != Verdict::NeedsMore);
    if (whole.playable()) {
        require(whole.audioAt + whole.audioBytes <= bytes.size());
        require(isPlayableWave(bytes + QByteArray(64, '\xff')));
    }
    if (whole.verdict == Verdict::NeedsCopy)
        checkCopy(bytes, whole);
    // The first bytes only, as the sound player reads a file; the cut comes from the input.
    const qsizetype cut = size == 0 ? 0 : qsizetype(data[0]) * qsizetype(size) / 256;
    const QByteArray head = bytes.first(cut);
    const WaveLayout partial = inspectWave(head, bytes.size());
    require(partial.verdict == Verdict::NeedsMore || sameSound(partial, whole));
    return 0;
}
