// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundPlayer.h"
#include "platform/WaveHeader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvane;

namespace {

// A wave header: RIFF, WAVE, an optional chunk before "fmt ", then fmt and a short data chunk.
QByteArray waveBytes(quint16 tag = 1, quint16 bits = 16, QByteArray before = {})
{
    const auto le16 = [](quint16 v) { return QByteArray(1, char(v & 0xff)) + char(v >> 8); };
    const auto le32 = [&](quint32 v) { return le16(quint16(v)) + le16(quint16(v >> 16)); };
    QByteArray fmt = le16(tag) + le16(1) + le32(44100) + le32(88200) + le16(2) + le16(bits);
    QByteArray body = "WAVE" + before + "fmt " + le32(16) + fmt + "data" + le32(4);
    body += QByteArray(4, '\0');
    return "RIFF" + le32(quint32(body.size())) + body;
}

// Records what the player asks for; failures are reported when the test says so, as a real
// backend reports them later from the event loop.
struct FakeBackend : SoundBackend {
    QStringList played;
    int stops = 0, beeps = 0;
    std::function<void()> failed;
    void play(const QString& path, std::function<void()> onFailure) override
    {
        played << QFileInfo(path).fileName();
        failed = std::move(onFailure);
    }
    void stop() override { ++stops; }
    void beep() override { ++beeps; }
};

class SoundPlayerTest : public ::testing::Test {
protected:
    QString file(const QString& name, const QByteArray& bytes)
    {
        QFile f(m_dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        return f.fileName();
    }
    QString missing(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

} // namespace

TEST(WaveHeader, AcceptsOnlyPlayableWaveFormats)
{
    QByteArray cut = waveBytes();
    cut.chop(30); // the fmt chunk cut in half
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
        {hugeChunk, false},
        {cut, false},
        {waveBytes().replace(0, 4, "RIFX"), false},
        {"ID3\x03 an mp3 file", false},
        {{}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isPlayableWave(c.bytes), c.playable) << c.bytes.toHex().toStdString();
    EXPECT_TRUE(isPlayableWaveFile(QStringLiteral(CORVANE_SOURCE_DIR "/data/Data/alarm.wav")));
    EXPECT_FALSE(isPlayableWaveFile(QString()));
}

TEST_F(SoundPlayerTest, FallsBackToTheAlarmSoundThenToTheBeep)
{
    const QString wave = file(QStringLiteral("ring.wav"), waveBytes());
    const QString alarm = file(QStringLiteral("alarm.wav"), waveBytes());
    const QString text = file(QStringLiteral("notes.wav"), "not a sound");
    const struct {
        QString path, alarm;
        QStringList played;
        int beeps;
    } cases[] = {
        {wave, alarm, {"ring.wav"}, 0},
        {missing("gone.wav"), alarm, {"alarm.wav"}, 0},
        {text, alarm, {"alarm.wav"}, 0},
        {QString(), alarm, {"alarm.wav"}, 0},
        {missing("gone.wav"), missing("no-alarm.wav"), {}, 1},
        {text, text, {}, 1},
    };
    for (const auto& c : cases) {
        auto backend = std::make_unique<FakeBackend>();
        FakeBackend& fake = *backend;
        SoundPlayer player(std::move(backend), c.alarm);
        player.PlaySound(c.path);
        EXPECT_EQ(fake.played, c.played) << c.path.toStdString();
        EXPECT_EQ(fake.beeps, c.beeps) << c.path.toStdString();
    }
}

TEST_F(SoundPlayerTest, ALaterFailureMovesDownTheChainOnce)
{
    auto backend = std::make_unique<FakeBackend>();
    FakeBackend& fake = *backend;
    SoundPlayer player(std::move(backend), file(QStringLiteral("alarm.wav"), waveBytes()));
    player.PlaySound(file(QStringLiteral("ring.wav"), waveBytes()));
    auto ringFailed = fake.failed;
    ringFailed();
    EXPECT_EQ(fake.played, (QStringList{"ring.wav", "alarm.wav"}));
    ringFailed(); // reported twice: counts once
    EXPECT_EQ(fake.played.size(), 2);
    fake.failed();
    EXPECT_EQ(fake.beeps, 1);
}

TEST_F(SoundPlayerTest, ANewSoundStopsTheOldAndIgnoresItsFailure)
{
    auto backend = std::make_unique<FakeBackend>();
    FakeBackend& fake = *backend;
    SoundPlayer player(std::move(backend), file(QStringLiteral("alarm.wav"), waveBytes()));
    const QString ring = file(QStringLiteral("ring.wav"), waveBytes());
    player.PlaySound(ring);
    auto firstFailed = fake.failed;
    const int stopsBefore = fake.stops;
    player.PlaySound(ring);
    EXPECT_GT(fake.stops, stopsBefore);
    firstFailed();
    EXPECT_EQ(fake.played, (QStringList{"ring.wav", "ring.wav"}));
    EXPECT_EQ(fake.beeps, 0);
}

#if defined(__SANITIZE_ADDRESS__)
// Qt Multimedia's sample cache loads sounds on a thread of its own and may still hold what it
// loaded when the test ends; those allocations are Qt's. Full stacks let the rule find them.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libQt6Multimedia.so\n";
}
extern "C" const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}
#endif

TEST_F(SoundPlayerTest, RealPlaybackReturnsAtOnce)
{
    // Without an audio device QSoundEffect "plays" for ever; nothing here may wait for it.
    QElapsedTimer clock;
    clock.start();
    {
        auto backend = makeSoundEffectBackend();
        bool failed = false;
        backend->play(missing(QStringLiteral("gone.wav")), [&failed] { failed = true; });
        SoundPlayer player(
            makeSoundEffectBackend(), QStringLiteral(CORVANE_SOURCE_DIR "/data/Data/alarm.wav"));
        player.PlaySound(missing(QStringLiteral("gone.wav")));
        player.PlaySound(QStringLiteral(CORVANE_SOURCE_DIR "/data/Data/alarm.wav"));
        QCoreApplication::processEvents();
        player.stop();
    }
    QCoreApplication::processEvents();
    EXPECT_LT(clock.elapsed(), 2000);
}
