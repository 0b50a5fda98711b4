// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolder.h"
#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvane {
namespace {

FolderFacts installedFacts()
{
    FolderFacts facts;
    facts.executableDir = QStringLiteral("/usr/bin");
    facts.home = QStringLiteral("/home/ann");
    facts.sharedTreeExists = true;
    return facts;
}

TEST(ProgramFolders, InstalledSplitsShippedFromWritable)
{
    FolderFacts facts = installedFacts();
    ProgramFolders folders = resolveProgramFolders(facts);
    EXPECT_TRUE(folders.installed);
    EXPECT_EQ(folders.shipped, QStringLiteral("/usr/share/corvane"));
    EXPECT_EQ(folders.writable, QStringLiteral("/home/ann/.local/share/corvane"));
    EXPECT_EQ(folders.userScripts, QStringLiteral("/home/ann/.local/share/corvane/LScripts"));

    facts.xdgDataHome = QStringLiteral("/data/ann/");
    EXPECT_EQ(resolveProgramFolders(facts).writable, QStringLiteral("/data/ann/corvane"));
    // The base directory rules ignore a relative value.
    facts.xdgDataHome = QStringLiteral("data");
    EXPECT_EQ(
        resolveProgramFolders(facts).writable, QStringLiteral("/home/ann/.local/share/corvane"));
}

TEST(ProgramFolders, PortableKeepsOneFolder)
{
    // CORVANE_HOME wins even over an installed tree.
    FolderFacts facts = installedFacts();
    facts.corvaneHome = QStringLiteral("/opt/timer//");
    ProgramFolders folders = resolveProgramFolders(facts);
    EXPECT_FALSE(folders.installed);
    EXPECT_EQ(folders.shipped, QStringLiteral("/opt/timer"));
    EXPECT_EQ(folders.writable, QStringLiteral("/opt/timer"));
    EXPECT_TRUE(folders.userScripts.isEmpty());

    // A Data folder beside the executable makes it portable, also in a bin folder.
    facts = installedFacts();
    facts.portableBesideExe = true;
    EXPECT_EQ(resolveProgramFolders(facts).writable, QStringLiteral("/usr/bin"));

    // Without a shared tree the executable's folder is all there is.
    facts = installedFacts();
    facts.sharedTreeExists = false;
    folders = resolveProgramFolders(facts);
    EXPECT_FALSE(folders.installed);
    EXPECT_EQ(folders.shipped, QStringLiteral("/usr/bin"));
}

TEST(ProgramFolders, PathsBelowDataGoToTheWritableFolder)
{
    QTemporaryDir home;
    qputenv("CORVANE_HOME", home.path().toLocal8Bit());
    EXPECT_EQ(programPath(QStringLiteral("\\Data\\CORVANE.INI")),
        home.path() + QStringLiteral("/Data/CORVANE.INI"));
    EXPECT_EQ(programPath(QStringLiteral("LScripts/English.lng")),
        home.path() + QStringLiteral("/LScripts/English.lng"));
    EXPECT_EQ(programPath(QStringLiteral("Data")), home.path() + QStringLiteral("/Data"));
    EXPECT_EQ(shippedPath(QStringLiteral("Data/alarm.wav")),
        home.path() + QStringLiteral("/Data/alarm.wav"));
    qunsetenv("CORVANE_HOME");
}

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        QDir root(m_root.path());
        ASSERT_TRUE(root.mkpath(QStringLiteral("share/corvane/Data")));
        for (const char* name : {"ThemeA.thm", "ThemeB.thm", "alarm.wav"}) {
            QFile file(root.filePath(QStringLiteral("share/corvane/Data/") + QLatin1String(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(name);
        }
        m_folders.installed = true;
        m_folders.shipped = root.filePath(QStringLiteral("share/corvane"));
        m_folders.writable = root.filePath(QStringLiteral("home/.local/share/corvane"));
        m_folders.userScripts = m_folders.writable + QLatin1String("/LScripts");
    }

    QString data() const { return m_folders.writable + QLatin1String("/Data"); }
    QStringList dataFiles() const { return QDir(data()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir m_root;
    ProgramFolders m_folders;
};

TEST_F(DataFolderTest, FirstStartCopiesTheShippedThemesOnce)
{
    EXPECT_EQ(prepareDataFolder(m_folders), QString());
    EXPECT_EQ(
        dataFiles(), QStringList({QStringLiteral("ThemeA.thm"), QStringLiteral("ThemeB.thm")}));
    EXPECT_TRUE(QFileInfo(m_folders.userScripts).isDir());
    EXPECT_EQ(
        QDir(m_folders.writable).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList({QStringLiteral("Data"), QStringLiteral("LScripts")}));

    // A theme the user deleted stays deleted; the user's own files are left as they are.
    ASSERT_TRUE(QFile::remove(data() + QLatin1String("/ThemeA.thm")));
    EXPECT_EQ(prepareDataFolder(m_folders), QString());
    EXPECT_EQ(dataFiles(), QStringList({QStringLiteral("ThemeB.thm")}));
}

TEST_F(DataFolderTest, AFileInTheWayIsReportedAndKept)
{
    ASSERT_TRUE(QDir().mkpath(m_folders.writable));
    QFile file(data());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("mine");
    file.close();
    const QString problem = prepareDataFolder(m_folders);
    EXPECT_TRUE(problem.contains(QStringLiteral("a file of that name is in the way")))
        << problem.toStdString();
    EXPECT_TRUE(problem.contains(data()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("mine"));
}

TEST_F(DataFolderTest, AnUnusableDataHomeIsReportedWithNothingLeftBehind)
{
    // $XDG_DATA_HOME is a file: no folder can be made below it (also for root).
    const QString dataHome = m_root.filePath(QStringLiteral("home/.local/share"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(dataHome).path()));
    QFile file(dataHome);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString problem = prepareDataFolder(m_folders);
    EXPECT_TRUE(problem.contains(QStringLiteral("is a file, not a folder")))
        << problem.toStdString();
    EXPECT_TRUE(QFileInfo(dataHome).isFile());

    // A portable Corvane whose Data went missing gets an empty one back.
    ProgramFolders portable;
    portable.shipped = portable.writable = m_root.filePath(QStringLiteral("portable"));
    EXPECT_EQ(prepareDataFolder(portable), QString());
    EXPECT_TRUE(QFileInfo(portable.writable + QLatin1String("/Data")).isDir());
}

} // namespace
} // namespace corvane
