// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WaveHeader.h"
#include "WaveBytes.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::wavebytes;
using Verdict = WaveLayout::Verdict;

TEST(WaveHeader, AcceptsOnlyPlayableWaveFormats)
{
    const QByteArray cut = waveBytes().first(28); // the fmt chunk cut in half
    QByteArray hugeChunk = waveBytes(1, 16, QByteArray("LIST\xff\xff\xff\xff", 8));
    const struct {
        QByteArray bytes;
        bool playable;
    } cases[] = {
        {waveBytes(), true},
        {waveBytes(1, 8), true},
        {waveBytes(3, 32), true}, // float
        {waveBytes(0xFFFE, 16), true}, // extensible
        {waveBytes(1, 16, QByteArray("LIST\x03\0\0\0abc\0", 12)), true}, // odd chunk, padded
        {waveBytes(2, 4), false}, // ADPCM
        {waveBytes(1, 24), false},
        {waveBytes(3, 64), false},
        {riff(fmtChunk(1, 16, 1, 1000000) + chunk("data", sound(60000))), false}, // rate
        {hugeChunk, false},
        {cut, false},
        {waveBytes().replace(0, 4, "RIFX"), false},
        {"ID3\x03 an mp3 file", false},
        {{}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isPlayableWave(c.bytes), c.playable)
            << c.bytes.first(std::min(c.bytes.size(), qsizetype(48))).toHex().toStdString();
    const WaveFile alarm = readWaveFile(QStringLiteral(CORVANE_SOURCE_DIR "/data/Data/alarm.wav"));
    EXPECT_EQ(alarm.layout.verdict, Verdict::Plays);
    EXPECT_EQ(readWaveFile(QString()).layout.verdict, Verdict::Unplayable);
}

// The data chunk counts for the whole frames really behind it; QSoundEffect stays silent on
// files laid out otherwise than it reads them, so those need a copy.
TEST(WaveHeader, MeasuresTheSoundReallyThere)
{
    const QByteArray fmt = fmtChunk(), half = sound(4000);
    const QByteArray oddChunk = chunk("LIST", "INFOx"), bigChunk = chunk("JUNK", sound(9000));
    const QByteArray stereo = fmtChunk(1, 16, 2);
    const struct {
        const char* name;
        QByteArray bytes;
        Verdict verdict;
        qint64 audioBytes;
    } cases[] = {
        {"fine", riff(fmt + chunk("data", half)), Verdict::Plays, 8000},
        {"chunk behind", riff(fmt + chunk("data", half) + oddChunk), Verdict::Plays, 8000},
        {"no data chunk", riff(fmt), Verdict::Unplayable, 0},
        {"data header cut", riff(fmt) + "data\x40\x1f", Verdict::Unplayable, 0},
        {"zero length", riff(fmt + chunk("data", {})), Verdict::Unplayable, 0},
        {"zero, sound behind", riff(fmt + chunk("data", half, 0)), Verdict::NeedsCopy, 8000},
        {"claims double", riff(fmt + chunk("data", half, 16000)), Verdict::NeedsCopy, 8000},
        {"claims 4 GB", riff(fmt + chunk("data", half, 0xffffffff)), Verdict::NeedsCopy, 8000},
        {"truncated to 0.04 s", riff(fmt + chunk("data", sound(320), 8000)), Verdict::Unplayable,
            640},
        {"0.05 s", riff(fmt + chunk("data", sound(400))), Verdict::NeedsCopy, 800},
        {"under 0.05 s", riff(fmt + chunk("data", sound(399))), Verdict::Unplayable, 798},
        {"0.2 s, cut by Qt", riff(fmt + chunk("data", sound(1600))), Verdict::NeedsCopy, 3200},
        {"half a frame", riff(stereo + chunk("data", sound(4001))), Verdict::NeedsCopy, 8000},
        {"odd chunk first", riff(oddChunk + fmt + chunk("data", half)), Verdict::NeedsCopy, 8000},
        {"18 KB chunk first", riff(fmt + bigChunk + chunk("data", half)), Verdict::NeedsCopy, 8000},
        {"data before fmt", riff(chunk("data", half) + fmt), Verdict::NeedsCopy, 8000},
    };
    for (const auto& c : cases) {
        const WaveLayout layout = inspectWave(c.bytes, c.bytes.size());
        EXPECT_EQ(layout.verdict, c.verdict) << c.name;
        EXPECT_EQ(layout.audioBytes, c.audioBytes) << c.name;
    }
}

// The fuzz target checks every copy plays whole with the very sound; here what it adds.
TEST(WaveHeader, ACopyEndsInAQuarterSecondOfSilence)
{
    const QByteArray file = riff(fmtChunk(1, 8) + chunk("data", QByteArray(1001, '\1'), 9999));
    const WaveLayout layout = inspectWave(file, file.size());
    ASSERT_EQ(layout.verdict, Verdict::NeedsCopy);
    const WaveCopy copy = waveCopy(file, layout);
    const QByteArray bytes = copy.header + copy.audio.toByteArray() + copy.silence;
    EXPECT_EQ(inspectWave(bytes, bytes.size()).verdict, Verdict::Plays);
    EXPECT_EQ(bytes.size() % 2, 0); // no pad byte needed behind the data
    EXPECT_GE(copy.silence.size(), 2000);
    EXPECT_EQ(copy.silence.count('\x80'), copy.silence.size()); // 8-bit silence is the middle
}
