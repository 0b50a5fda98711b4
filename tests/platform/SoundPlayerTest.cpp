// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundPlayer.h"
#include "WaveBytes.h"
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
using namespace corvane::wavebytes;
using Verdict = WaveLayout::Verdict;

namespace {

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
