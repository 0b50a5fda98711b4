// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The main window against damaged, odd and huge files: start on them, close as a user does,
// and compare what is on disk. Nothing of the user's list may be lost and nothing may hang.
#include "app/FrmMain.h"

#include "ProgramFolderFixture.h"
#include "app/ProgOptions.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <sys/stat.h>

using namespace corvane;
using namespace corvane::test;

namespace {

const QByteArray oneEntry
    = "Entries\r\n\tTea\r\n\t\t00:03:00\r\n\t\tTea is ready\r\n\t\t\r\n\t\t180\r\n";
const QByteArray settings = "[Language]\r\nFile=English.lng\r\n[General]\r\nOption 3=0\r\n";

class DamagedFiles : public ProgramFolderFixture {
protected:
    QString dataPath(const char* name) const
    {
        return m_home.filePath(QStringLiteral("Data/") + QLatin1String(name));
    }
    QString listPath() const { return dataPath("Timelist.dat"); }
    void makeFifo(const QString& path) const
    {
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    void makeGiant(const QString& path, qint64 size) const
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(size)); // sparse: no disk used
    }
    // Starts the window, answering every message, and closes it as the Exit button does.
    QStringList startAndClose()
    {
        DialogScript dialogs({acceptDialog(), acceptDialog(), acceptDialog()});
        form = std::make_unique<TFormMain>();
        titlesSeen = chooserTitles();
        form->findChild<QPushButton*>(QStringLiteral("ExitButton"))->click();
        closed = !form->isVisible();
        return dialogs.texts();
    }
    QStringList chooserTitles() const
    {
        QStringList out;
        auto* combo = form->findChild<QComboBox*>(QStringLiteral("TopicsCombo"));
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    }

    std::unique_ptr<TFormMain> form;
    QStringList titlesSeen;
    bool closed = false;
};

} // namespace

// Settings that cannot be read used to stop the start before the list was loaded, and the
// exit then wrote an empty list over the user's file.
TEST_F(DamagedFiles, UnreadableSettingsLoseNoList)
{
    const auto folder = [this] { ASSERT_TRUE(QDir().mkpath(iniPath())); };
    const auto pipe = [this] { makeFifo(iniPath()); };
    const auto giant = [this] { makeGiant(iniPath(), FileLimit::profile + 1); };
    const std::pair<const char*, std::function<void()>> cases[]
        = {{"folder", folder}, {"pipe", pipe}, {"giant", giant}};
    for (const auto& [name, make] : cases) {
        QDir(iniPath()).removeRecursively();
        QFile::remove(iniPath());
        make();
        writeBytes(listPath(), oneEntry);
        const QStringList messages = startAndClose();
        EXPECT_EQ(titlesSeen, QStringList{"Tea"}) << name;
        EXPECT_EQ(readBytes(listPath()), oneEntry) << name;
        // Then the exit question: the defaults ask it.
        ASSERT_EQ(messages.size(), 2) << name << messages.join(u'|').toStdString();
        EXPECT_EQ(messages[1], QStringLiteral("Do you really want to exit the program?"));
        EXPECT_TRUE(messages[0].contains(QFileInfo(iniPath()).absoluteFilePath())) << name;
        EXPECT_TRUE(messages[0].endsWith(
            QStringLiteral("Corvane uses its default settings and leaves this file as it is.")))
            << name;
        EXPECT_FALSE(QFileInfo(iniPath()).isFile() && QFileInfo(iniPath()).size() < 1000) << name;
        form.reset();
    }
}

TEST_F(DamagedFiles, AListReadOnlyInPartIsKeptAndSaidWhereOnce)
{
    writeIni(settings);
    const QByteArray damaged = oneEntry + QByteArray("\tLost\0\r\n\t\t00:00:01\r\n", 20);
    writeBytes(listPath(), damaged);
    const QStringList messages = startAndClose();
    const QString backup = QFileInfo(listPath() + QStringLiteral(".bak")).absoluteFilePath();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0],
        QStringLiteral("The countdown list %1 holds a NUL character in line 7; only the lines "
                       "before it were read.\n\nThe original file is kept as %2.")
            .arg(QFileInfo(listPath()).absoluteFilePath(), backup));
    EXPECT_TRUE(closed);
    EXPECT_EQ(readBytes(backup), damaged);
    EXPECT_EQ(readBytes(listPath()), oneEntry + "\tLost\r\n");
    // The next start finds a whole list: no message, no second copy.
    EXPECT_TRUE(startAndClose().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(listPath() + QStringLiteral(".bak.2")));
}

TEST_F(DamagedFiles, MessagesSpeakTheUsersLanguage)
{
    writeIni("[Language]\r\nFile=German.lng\r\n[General]\r\nOption 3=0\r\n");
    writeBytes(listPath(), QByteArray("Entries\r\n\0", 10));
    const QStringList messages = startAndClose();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("NUL-Zeichen"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Timelist.dat.bak")));
}

// A pipe, a device or a giant in the list's place neither blocks the start nor is written
// over at exit; a folder counts as no list.
TEST_F(DamagedFiles, OddListFilesNeitherHangNorAreOverwritten)
{
    writeIni(settings);
    makeFifo(listPath());
    QStringList messages = startAndClose();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("is not a regular file")));
    EXPECT_TRUE(closed);
    EXPECT_FALSE(QFileInfo(listPath()).isFile());

    ASSERT_TRUE(QFile::remove(listPath()));
    makeGiant(listPath(), FileLimit::timelist + 1);
    messages = startAndClose();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("is too large (16.0 MB)")));
    EXPECT_EQ(QFileInfo(listPath()).size(), FileLimit::timelist + 1);

    ASSERT_TRUE(QFile::remove(listPath()));
    ASSERT_TRUE(QDir().mkpath(listPath()));
    EXPECT_TRUE(startAndClose().isEmpty());
    EXPECT_TRUE(closed);
    EXPECT_TRUE(QFileInfo(listPath()).isDir());
}

TEST_F(DamagedFiles, OddLanguageScriptsLeaveTheWindowInEnglish)
{
    writeIni("[Language]\r\nFile=Pipe.lng\r\n[General]\r\nOption 3=0\r\n");
    makeFifo(m_home.filePath(QStringLiteral("LScripts/Pipe.lng")));
    const QStringList messages = startAndClose();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].endsWith(QStringLiteral("Corvane shows its texts in English.")));
    EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("ExitButton"))->text(),
        QStringLiteral("Exit"));
}

TEST_F(DamagedFiles, SavingAtSessionEndNeverWaitsForAnAnswer)
{
    writeIni(settings);
    form = std::make_unique<TFormMain>();
    // Now nothing can be written: a file stands where the Data folder was.
    ASSERT_TRUE(QDir(m_home.filePath(QStringLiteral("Data"))).removeRecursively());
    writeBytes(m_home.filePath(QStringLiteral("Data")), "x");
    DialogScript dialogs;
    form->saveAtSessionEnd();
    EXPECT_EQ(dialogs.shown(), 0);
}
