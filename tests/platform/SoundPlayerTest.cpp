// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundPlayer.h"
#include "platform/FileRead.h"
#include "platform/WaveHeader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvane;
using Verdict = WaveLayout::Verdict;

namespace {

QByteArray le16(quint32 v)
{
    return QByteArray(1, char(v & 0xff)) + char(v >> 8 & 0xff);
}
QByteArray le32(quint32 v)
{
    return le16(v & 0xffff) + le16(v >> 16);
}

// A chunk; claim, when given, is written instead of the body's true length.
QByteArray chunk(const char* id, const QByteArray& body, qint64 claim = -1)
{
    const QByteArray pad(body.size() % 2, '\0');
    return id + le32(quint32(claim < 0 ? body.size() : claim)) + body + pad;
}

QByteArray fmtChunk(quint16 tag = 1, quint16 bits = 16, quint16 channels = 1, quint32 rate = 8000)
{
    const quint32 frame = channels * bits / 8u;
    return chunk("fmt ",
        le16(tag) + le16(channels) + le32(rate) + le32(rate * frame) + le16(frame) + le16(bits));
}

QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + le32(quint32(chunks.size() + 4)) + "WAVE" + chunks;
}

// Half a second of 8 kHz sound, with a chunk before the format if asked.
QByteArray waveBytes(quint16 tag = 1, quint16 bits = 16, QByteArray before = {})
{
    return riff(before + fmtChunk(tag, bits) + chunk("data", QByteArray(4000 * bits / 8, '\1')));
}

QByteArray sound(qint64 frames)
{
    return QByteArray(qsizetype(frames) * 2, '\1'); // 16-bit mono frames
}

// Records what the player asks for; failures are reported when the test says so, as a real
// backend reports them later from the event loop.
struct FakeBackend : SoundBackend {
    QStringList played;
    QString lastPath;
    QByteArray lastBytes; // as the file held them when handed over
    int stops = 0, beeps = 0;
    std::function<void()> failed;
    void play(const QString& path, std::function<void()> onFailure) override
    {
        const QString name = QFileInfo(path).fileName();
        played << (name.startsWith("corvane-sound-") ? QStringLiteral("copy") : name);
        lastPath = path;
        QFile file(path);
        lastBytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    QString fifo(const QString& name) const
    {
        const QString path = m_dir.filePath(name);
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        return path;
    }
    // A fine header in front of more bytes than any sound may have; sparse, so no disk is used.
    QString giant(const QString& name)
    {
        QFile f(file(name, waveBytes()));
        EXPECT_TRUE(f.resize(FileLimit::sound + 1));
        return f.fileName();
    }

    QTemporaryDir m_dir;
};

} // namespace

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

TEST_F(SoundPlayerTest, FallsBackToTheAlarmSoundThenToTheBeep)
{
    const QString wave = file(QStringLiteral("ring.wav"), waveBytes());
    const QString alarm = file(QStringLiteral("alarm.wav"), waveBytes());
    const QString text = file(QStringLiteral("notes.wav"), "not a sound");
    const QByteArray fmt = fmtChunk();
    const QString pipe = fifo(QStringLiteral("pipe.wav"));
    const struct {
        QString path, alarm;
        QStringList played;
        int beeps;
    } cases[] = {
        {wave, alarm, {"ring.wav"}, 0},
        {missing("gone.wav"), alarm, {"alarm.wav"}, 0},
        {text, alarm, {"alarm.wav"}, 0},
        {QString(), alarm, {"alarm.wav"}, 0},
        {pipe, alarm, {"alarm.wav"}, 0},
        {m_dir.path(), alarm, {"alarm.wav"}, 0},
        {giant("giant.wav"), alarm, {"alarm.wav"}, 0},
        {file("nodata.wav", riff(fmt)), alarm, {"alarm.wav"}, 0},
        {file("empty.wav", riff(fmt + chunk("data", {}))), alarm, {"alarm.wav"}, 0},
        {file("cut.wav", riff(fmt + chunk("data", sound(40), 8000))), alarm, {"alarm.wav"}, 0},
        {file("over.wav", riff(fmt + chunk("data", sound(4000), 9000))), alarm, {"copy"}, 0},
        {missing("gone.wav"), missing("no-alarm.wav"), {}, 1},
        {text, text, {}, 1},
        {pipe, m_dir.path(), {}, 1},
    };
    for (const auto& c : cases) {
        auto backend = std::make_unique<FakeBackend>();
        FakeBackend& fake = *backend;
        SoundPlayer player(std::move(backend), c.alarm);
        // Should the player block on the pipe, a writer frees it: the test fails, not hangs.
        std::promise<void> played;
        auto rescue = std::async(std::launch::async, [&pipe, done = played.get_future()] {
            const bool blocked
                = done.wait_for(std::chrono::seconds(5)) != std::future_status::ready;
            if (blocked)
                ::close(::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK));
            return blocked;
        });
        player.PlaySound(c.path);
        played.set_value();
        EXPECT_FALSE(rescue.get()) << c.path.toStdString();
        EXPECT_EQ(fake.played, c.played) << c.path.toStdString();
        EXPECT_EQ(fake.beeps, c.beeps) << c.path.toStdString();
    }
}

TEST_F(SoundPlayerTest, PlaysWhatIsReallyThereFromACopyRemovedAfterwards)
{
    auto backend = std::make_unique<FakeBackend>();
    FakeBackend& fake = *backend;
    SoundPlayer player(std::move(backend), file(QStringLiteral("alarm.wav"), waveBytes()));
    const QByteArray ring = sound(4000);
    player.PlaySound(file("over.wav", riff(fmtChunk() + chunk("data", ring, 0xfffffff0))));
    const WaveLayout copied = inspectWave(fake.lastBytes, fake.lastBytes.size());
    EXPECT_EQ(copied.verdict, Verdict::Plays);
    EXPECT_EQ(fake.lastBytes.sliced(copied.audioAt, ring.size()), ring);
    EXPECT_EQ(QFileInfo(fake.lastPath).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
    const QString copy = fake.lastPath;
    fake.failed(); // a copy that fails is not kept while the alarm plays
    EXPECT_EQ(fake.played, (QStringList{"copy", "alarm.wav"}));
    EXPECT_FALSE(QFile::exists(copy));
    player.PlaySound(
        file("deep.wav", riff(chunk("JUNK", sound(40000)) + fmtChunk() + chunk("data", ring))));
    EXPECT_EQ(fake.played.back(), "copy");
    player.stop();
    EXPECT_FALSE(QFile::exists(fake.lastPath));
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
