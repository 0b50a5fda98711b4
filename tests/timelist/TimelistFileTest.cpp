// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "timelist/TimelistFile.h"

#include "TestSupport.h"
#include "platform/CorvaneError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace corvane;

namespace {
class TimelistFileTest : public ::testing::Test {
protected:
    QString path(const char* name = "Timelist.dat") const
    {
        return m_dir.filePath(QLatin1String(name));
    }
    QTemporaryDir m_dir;
};
} // namespace

TEST_F(TimelistFileTest, WindowsFileIsWrittenBackInItsCodePage)
{
    const QByteArray bytes
        = "Eintr\xe4ge\r\n\tK\xe4se\r\n\t\t00:00:05\r\n\t\tfertig\r\n\t\t\r\n\t\t5\r\n";
    test::writeBytes(path(), bytes);
    TimelistFile file(path());
    const TimelistFile::Load loaded = file.load();
    ASSERT_TRUE(loaded.read.whole());
    EXPECT_EQ(loaded.read.lines[1].text, QStringLiteral("Käse"));
    file.save(loaded.read.lines);
    EXPECT_EQ(test::readBytes(path()), bytes);
}

// Once the byte that made it Windows-1252 is gone, "\xc3\xa4" would read back as UTF-8 "ä":
// such a list is written as UTF-8, so it reads back as the "Ã¤" it holds.
TEST_F(TimelistFileTest, WindowsBytesThatLookLikeUtf8AreWrittenAsUtf8)
{
    test::writeBytes(path(), "Entries\r\n\t\xc3\xa4\r\n\t\xff\r\n");
    TimelistFile file(path());
    std::vector<TreeLine> lines = file.load().read.lines;
    lines.pop_back();
    file.save(lines);
    EXPECT_EQ(TimelistFile(path()).load().read.lines, lines);
}

TEST_F(TimelistFileTest, NewFileIsUtf8)
{
    TimelistFile file(path());
    EXPECT_EQ(file.load().file.problem, ReadProblem::Missing);
    file.save({{0, "Entries"}, {1, "Łódź"}});
    EXPECT_EQ(test::readBytes(path()), QByteArray("Entries\r\n\t\xc5\x81\xc3\xb3\x64\xc5\xba\r\n"));
}

// A pipe, a folder or a giant in the list's place is neither read nor written over; a pipe
// must not block the start.
TEST_F(TimelistFileTest, WhatIsNotReadIsNeverWrittenOver)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
    QFile giant(path("giant"));
    ASSERT_TRUE(giant.open(QIODevice::WriteOnly) && giant.resize(FileLimit::timelist + 1));
    giant.close();
    const std::pair<const char*, ReadProblem> cases[] = {{"pipe", ReadProblem::NotRegular},
        {"folder", ReadProblem::NotRegular}, {"giant", ReadProblem::TooLarge}};
    for (const auto& [name, problem] : cases) {
        TimelistFile file(path(name));
        const TimelistFile::Load loaded = file.load();
        EXPECT_EQ(loaded.file.problem, problem) << name;
        EXPECT_TRUE(loaded.read.lines.empty()) << name;
        file.save({{0, "Entries"}});
        EXPECT_FALSE(QFileInfo(path(name)).isFile() && QFileInfo(path(name)).size() < 100) << name;
    }
    EXPECT_EQ(QFileInfo(path("giant")).size(), FileLimit::timelist + 1);
    // Never loaded at all (an error came first): the file there stays as it is.
    test::writeBytes(path(), "Entries\r\n\tTea\r\n");
    TimelistFile(path()).save({{0, "Entries"}});
    EXPECT_EQ(test::readBytes(path()), QByteArray("Entries\r\n\tTea\r\n"));
}

TEST_F(TimelistFileTest, UnwritablePathRaisesItsError)
{
    // A file where the folder should be: this cannot be written, even as root.
    test::writeBytes(path("Data"), "x");
    TimelistFile blocked(path("Data") + QStringLiteral("/Timelist.dat"));
    try {
        blocked.save({{0, "Entries"}});
        ADD_FAILURE() << "no error";
    } catch (const CorvaneError& e) {
        EXPECT_EQ(e.text(),
            QStringLiteral("Cannot create file ") + path("Data") + QStringLiteral("/Timelist.dat"));
    }
}

// Whatever stopped the reading short, the original bytes are kept before the list is saved,
// an identical earlier copy is used again, and a different one is never overwritten.
TEST_F(TimelistFileTest, EveryPartlyReadFileIsKeptBeforeItIsOverwritten)
{
    const struct {
        const char* name;
        QByteArray bytes;
        TimelistLoss loss;
        int line;
    } cases[] = {
        {"level", "Entries\r\n\tTea\r\n\t\t\t00:03:00\r\n\tMore\r\n", TimelistLoss::Level, 3},
        {"nul", QByteArray("Entries\r\n\tTea\r\n\t\t5\0\r\n\tMore\r\n", 28), TimelistLoss::Nul, 3},
        {"odd utf-16",
            QByteArray("\xff\xfe"
                       "E\0\r\0\n\0x",
                9),
            TimelistLoss::Undecodable, 0},
        {"bad after mark",
            "\xef\xbb\xbf"
            "Entries\r\n\t\xff\r\n",
            TimelistLoss::Undecodable, 0},
    };
    QString previous;
    for (const auto& c : cases) {
        test::writeBytes(path(), c.bytes);
        TimelistFile file(path());
        const TimelistFile::Load loaded = file.load();
        EXPECT_EQ(loaded.read.loss, c.loss) << c.name;
        EXPECT_EQ(loaded.read.lossLine, c.line) << c.name;
        ASSERT_FALSE(loaded.backup.isEmpty()) << c.name;
        EXPECT_NE(loaded.backup, previous) << c.name;
        EXPECT_EQ(test::readBytes(loaded.backup), c.bytes) << c.name;
        file.save(loaded.read.lines);
        EXPECT_EQ(test::readBytes(loaded.backup), c.bytes) << c.name;
        EXPECT_NE(test::readBytes(path()), c.bytes) << c.name;
        // The same damage again finds its copy already there.
        test::writeBytes(path(), c.bytes);
        EXPECT_EQ(TimelistFile(path()).load().backup, loaded.backup) << c.name;
        previous = loaded.backup;
    }
    EXPECT_EQ(previous, QFileInfo(path("Timelist.dat.bak.4")).absoluteFilePath());
}

TEST_F(TimelistFileTest, WithoutRoomForACopyTheDamagedFileStays)
{
    test::writeBytes(path("Timelist.dat.bak"), "other");
    for (int n = 2; n <= 99; ++n)
        test::writeBytes(path("Timelist.dat.bak.") + QString::number(n), "other");
    const QByteArray damaged("Entries\r\n\0rest", 14);
    test::writeBytes(path(), damaged);
    TimelistFile file(path());
    const TimelistFile::Load loaded = file.load();
    EXPECT_TRUE(loaded.backup.isEmpty());
    file.save(loaded.read.lines);
    EXPECT_EQ(test::readBytes(path()), damaged);
}

TEST_F(TimelistFileTest, CompleteFileLeavesNoCopy)
{
    test::writeBytes(path(), "Entries\n\tTea");
    TimelistFile file(path());
    file.save(file.load().read.lines);
    EXPECT_FALSE(QFile::exists(path("Timelist.dat.bak")));
}
