// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "timelist/TimelistFile.h"

#include "TestSupport.h"
#include "platform/CorvaneError.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    const TreeTextRead read = file.load();
    ASSERT_TRUE(read.error.isEmpty());
    EXPECT_EQ(read.lines[1].text, QStringLiteral("Käse"));
    file.save(read.lines);
    EXPECT_EQ(test::readBytes(path()), bytes);
}

TEST_F(TimelistFileTest, NewFileIsUtf8)
{
    TimelistFile file(path());
    file.save({{0, "Entries"}, {1, "Łódź"}});
    EXPECT_EQ(test::readBytes(path()), QByteArray("Entries\r\n\t\xc5\x81\xc3\xb3\x64\xc5\xba\r\n"));
}

TEST_F(TimelistFileTest, UnreadablePathsRaiseTheirErrors)
{
    TimelistFile missing(path("absent.dat"));
    try {
        missing.load();
        ADD_FAILURE() << "no error";
    } catch (const CorvaneError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Cannot open file ") + path("absent.dat"));
    }
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

TEST_F(TimelistFileTest, PartlyReadFileIsKeptBeforeItIsOverwritten)
{
    const QByteArray original = "Entries\r\n\tTea\r\n\t\t\t00:03:00\r\n\tMore\r\n";
    test::writeBytes(path(), original);
    TimelistFile file(path());
    const TreeTextRead read = file.load();
    EXPECT_FALSE(read.error.isEmpty());
    file.save(read.lines);
    EXPECT_EQ(test::readBytes(path("Timelist.dat.bak")), original);
    EXPECT_EQ(test::readBytes(path()), QByteArray("Entries\r\n\tTea\r\n"));
    // Only the first write keeps the original; later ones leave the copy alone.
    file.save({{0, "Entries"}});
    EXPECT_EQ(test::readBytes(path("Timelist.dat.bak")), original);
}

TEST_F(TimelistFileTest, CompleteFileLeavesNoCopy)
{
    test::writeBytes(path(), "Entries\r\n");
    TimelistFile file(path());
    file.save(file.load().lines);
    EXPECT_FALSE(QFile::exists(path("Timelist.dat.bak")));
}
