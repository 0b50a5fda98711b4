// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FilesOp.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

using namespace corvane;

namespace {
// Sets an environment variable for one test and puts the old value back.
struct EnvScope {
    EnvScope(const char* n, const QString& value)
        : name(n)
        , old(qEnvironmentVariableIsSet(n) ? std::optional(qgetenv(n)) : std::nullopt)
    {
        qputenv(n, value.toLocal8Bit());
    }
    ~EnvScope() { old ? qputenv(name, *old) : qunsetenv(name); }
    const char* name;
    std::optional<QByteArray> old;
};

// Program folder, HOME and XDG_CONFIG_HOME all in private folders: the user's own autostart
// folder is never touched.
class Autostart : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_program.isValid() && m_user.isValid());
        setAutostartExecutable(QStringLiteral("/opt/My Tools/Corvane"));
    }
    void TearDown() override { setAutostartExecutable(QString()); }

    QString configHome() const { return m_user.filePath(QStringLiteral("config")); }
    QString marker() const { return m_program.filePath(QStringLiteral("Corvane.desktop")); }
    QString startupCopy() const
    {
        return configHome() + QStringLiteral("/autostart/Corvane.desktop");
    }

    QTemporaryDir m_program;
    QTemporaryDir m_user;
    EnvScope m_home{"HOME", m_user.path()};
    EnvScope m_corvaneHome{"CORVANE_HOME", m_program.path()};
    EnvScope m_configHome{"XDG_CONFIG_HOME", configHome()};
};
} // namespace

TEST_F(Autostart, FirstTickWritesTheMarkerAndCopiesItIntoANewPrivateFolder)
{
    EnableAutostart();
    ASSERT_TRUE(QFile::exists(marker()));
    EXPECT_EQ(test::readBytes(marker()), autostartEntryText().toUtf8());
    EXPECT_EQ(test::readBytes(startupCopy()), test::readBytes(marker()));
    struct stat info { };
    ASSERT_EQ(::stat(QFile::encodeName(configHome() + QStringLiteral("/autostart")), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(Autostart, MarkerPresentMeansLaterTicksDoNothingUntilUntickedAndTickedAgain)
{
    EnableAutostart();
    QFile::remove(startupCopy());
    test::writeBytes(marker(), "kept");
    EnableAutostart();
    EXPECT_FALSE(QFile::exists(startupCopy()));
    EXPECT_EQ(test::readBytes(marker()), "kept");

    DisableAutostart();
    EnableAutostart();
    EXPECT_TRUE(QFile::exists(startupCopy()));
    EXPECT_EQ(test::readBytes(marker()), autostartEntryText().toUtf8());
}

TEST_F(Autostart, UntickDeletesWhicheverCopyIsThereAndOnlyExactCommandsCount)
{
    for (const bool dropMarker : {false, true}) {
        EnableAutostart();
        for (const char* command : {"copy", "Delete", "DELETE ", ""})
            StartupShortcut(QString::fromLatin1(command));
        QFile::remove(dropMarker ? marker() : startupCopy());
        EXPECT_NO_THROW(DisableAutostart());
        EXPECT_FALSE(QFile::exists(marker())) << dropMarker;
        EXPECT_FALSE(QFile::exists(startupCopy())) << dropMarker;
    }
}

TEST_F(Autostart, WithoutAnAbsoluteConfigHomeTheAutostartFolderIsUnderHome)
{
    const QString underHome = m_user.filePath(QStringLiteral(".config/autostart/Corvane.desktop"));
    for (const char* config : {"", "relative/config"}) {
        EnvScope scope("XDG_CONFIG_HOME", QString::fromLatin1(config));
        EnableAutostart();
        EXPECT_TRUE(QFile::exists(underHome)) << config;
        DisableAutostart();
        EXPECT_FALSE(QFile::exists(underHome)) << config;
    }
}

TEST_F(Autostart, SomethingOtherThanAFileInTheMarkersPlaceNeitherHangsNorIsCopied)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(marker()), 0600), 0);
    EnableAutostart(); // the name is taken: autostart counts as set up
    StartupShortcut(QStringLiteral("COPY"));
    EXPECT_FALSE(QFile::exists(startupCopy()));
}

TEST_F(Autostart, AFileWhereTheAutostartFolderBelongsFailsSilently)
{
    test::writeBytes(configHome(), "not a folder");
    EXPECT_NO_THROW(EnableAutostart());
    EXPECT_TRUE(QFile::exists(marker()));
    EXPECT_EQ(test::readBytes(configHome()), "not a folder");
}

TEST_F(Autostart, EntryForAnExecutableInOptMyToolsAndItsIcon)
{
    const QString png = m_program.filePath(QStringLiteral("corvane.png"));
    test::writeBytes(png, "png");
    EXPECT_TRUE(autostartEntryText().contains(QStringLiteral("\nIcon=") + png + QLatin1Char('\n')));

    EnvScope home("CORVANE_HOME", QStringLiteral("/opt/My Tools"));
    EXPECT_EQ(autostartEntryText(),
        QStringLiteral("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Corvane\n"
                       "Comment=Desktop countdown timer with alarm messages\n"
                       "Exec=\"/opt/My Tools/Corvane\"\n"
                       "Path=/opt/My Tools\n"
                       "Icon=org.corvane.Corvane\n"));
}

// Each entry lands under the executable's name less its extension, and the validator finds
// nothing to say about it, not even a hint.
TEST_F(Autostart, EntriesForAwkwardPathsPassTheValidator)
{
    const QString validator
        = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    ASSERT_FALSE(validator.isEmpty()) << "desktop-file-validate (desktop-file-utils) is missing";
    const struct {
        const char* executable;
        const char* shortcut;
    } cases[] = {
        {"/opt/My Tools/Corvane.bin", "Corvane.desktop"},
        {"/opt/say \"hi\"/it's/archive.tar.gz", "archive.tar.desktop"},
        {"/opt/back\\slash/Cor:va\\ne", "Cor:va\\ne.desktop"}, // Linux names may hold both
        {"/opt/100% $HOME `id`/Corvane", "Corvane.desktop"},
        {"/opt/Zähler ÄÖÜ/Uhr", "Uhr.desktop"},
        {"/opt/tab\tand\nnewline/Corvane", "Corvane.desktop"},
        {"/opt/x/ Corvane ", " Corvane .desktop"},
        {"/opt/x/Desktop countdown timer with alarm messages",
            "Desktop countdown timer with alarm messages.desktop"},
    };
    const QDir startup(configHome() + QStringLiteral("/autostart"));
    for (const auto& c : cases) {
        setAutostartExecutable(QString::fromUtf8(c.executable));
        EnableAutostart();
        ASSERT_EQ(startup.entryList(QDir::Files), QStringList(QString::fromUtf8(c.shortcut)));
        EXPECT_TRUE(QFile::exists(m_program.filePath(QString::fromUtf8(c.shortcut))));
        QProcess run;
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(validator, {startup.filePath(QString::fromUtf8(c.shortcut))});
        ASSERT_TRUE(run.waitForFinished(30000)) << c.executable;
        EXPECT_EQ(run.exitCode(), 0) << c.executable;
        EXPECT_EQ(run.readAll().toStdString(), "") << c.executable;
        DisableAutostart();
    }
}

class CopyFileToTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        test::writeBytes(source(), "new");
    }
    QString source() const { return m_dir.filePath(QStringLiteral("source")); }
    QString target() const { return m_dir.filePath(QStringLiteral("target")); }
    QStringList entries() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::System); }

    QTemporaryDir m_dir;
};

TEST_F(CopyFileToTest, ReplacesOrRefusesAnExistingDestination)
{
    EXPECT_TRUE(CopyFileTo(source(), target(), true)); // a new name is fine either way
    EXPECT_EQ(test::readBytes(target()), "new");
    test::writeBytes(target(), "old");
    EXPECT_FALSE(CopyFileTo(source(), target(), true));
    EXPECT_EQ(test::readBytes(target()), "old");
    EXPECT_TRUE(CopyFileTo(source(), target(), false));
    EXPECT_EQ(test::readBytes(target()), "new");
    EXPECT_EQ(entries(), QStringList({QStringLiteral("source"), QStringLiteral("target")}));
}

TEST_F(CopyFileToTest, FailsOnSourcesThatAreNoSmallRegularFile)
{
    const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo), 0600), 0);
    const QString large = m_dir.filePath(QStringLiteral("large"));
    test::writeBytes(large, QByteArray(64 * 1024 + 1, 'x'));
    for (const QString& from :
        {fifo, large, m_dir.filePath(QStringLiteral("missing")), m_dir.path()})
        EXPECT_FALSE(CopyFileTo(from, target(), false)) << qPrintable(from);
    EXPECT_FALSE(QFile::exists(target()));
    EXPECT_FALSE(CopyFileTo(source(), m_dir.filePath(QStringLiteral("no/such/folder")), false));
}
