// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProfileFile.h"

#include "TestSupport.h"
#include "platform/CorvaneError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace corvane;
using corvane::test::readBytes;
using corvane::test::writeBytes;

namespace {
class ProfileFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    // Rewrites the file in place (same inode) and gives it an explicit modification time,
    // so the test does not depend on the file system's timestamp resolution.
    void rewrite(const QString& file, const QByteArray& bytes, const QDateTime& mtime)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
        ASSERT_TRUE(f.flush());
        ASSERT_TRUE(f.setFileTime(mtime, QFileDevice::FileModificationTime));
    }

    QTemporaryDir dir;
};

TEST_F(ProfileFileTest, readsIntegersAndBooleans)
{
    writeBytes(path("a.ini"),
        "[N]\n"
        "dec=-12\nplus=+7\nhex=0x1F\nup=0XfF\nsys=0x80000005\nall=0xFFFFFFFF\n"
        "min=-2147483648\nbig=2147483648\nwide=0x100000000\nbare=0x\n"
        "junk=12a\nfrac=1.5\nspaced=\" 5\"\nempty=\nzero=0\n"
        "zeros=000000000030\nhexzeros=0x000000001F\ntrimmed=  30  \n");
    const ProfileFile f(path("a.ini"));
    const std::pair<const char*, int> cases[] = {
        {"dec", -12},
        {"plus", 7},
        {"hex", 31},
        {"up", 255},
        {"sys", int(0x80000005u)},
        {"all", -1},
        {"min", std::numeric_limits<int>::min()},
        {"zeros", 30}, // leading zeros do not make a number too long
        {"hexzeros", 31},
        {"trimmed", 30}, // the value's blanks go before the number is read
        {"big", 42},
        {"wide", 42},
        {"bare", 42},
        {"junk", 42},
        {"frac", 42},
        {"spaced", 42},
        {"empty", 42},
        {"missing", 42},
    };
    for (const auto& [key, expected] : cases)
        EXPECT_EQ(f.readInteger(QStringLiteral("N"), QString::fromLatin1(key), 42), expected)
            << key;
    EXPECT_TRUE(f.readBool(QStringLiteral("N"), QStringLiteral("dec"), false));
    EXPECT_FALSE(f.readBool(QStringLiteral("N"), QStringLiteral("zero"), true));
    EXPECT_TRUE(f.readBool(QStringLiteral("N"), QStringLiteral("junk"), true));
}

TEST_F(ProfileFileTest, missingFileGivesTheDefault)
{
    const ProfileFile f(path("none.ini"));
    EXPECT_EQ(f.readString(QStringLiteral("A"), QStringLiteral("K"), QStringLiteral("\"d\"  ")),
        QStringLiteral("d"));
}

TEST_F(ProfileFileTest, editWithSameSizeTakesEffectAtNextLookup)
{
    const QString file = path("a.ini");
    const QDateTime t0 = QDateTime::fromSecsSinceEpoch(1'700'000'000);
    rewrite(file, "[A]\nK=1\n", t0);
    const ProfileFile f(file);
    EXPECT_EQ(f.readString(QStringLiteral("A"), QStringLiteral("K"), {}), QStringLiteral("1"));
    rewrite(file, "[A]\nK=2\n", t0.addMSecs(1));
    EXPECT_EQ(f.readString(QStringLiteral("A"), QStringLiteral("K"), {}), QStringLiteral("2"));
}

TEST_F(ProfileFileTest, writeIsSeenByTheNextReadAndLeavesNoTemporaryFile)
{
    const QString file = path("a.ini");
    ProfileFile f(file);
    EXPECT_EQ(f.readString(QStringLiteral("A"), QStringLiteral("K"), QStringLiteral("d")),
        QStringLiteral("d"));
    f.writeInteger(QStringLiteral("A"), QStringLiteral("K"), -5);
    EXPECT_EQ(f.readInteger(QStringLiteral("A"), QStringLiteral("K"), 0), -5);
    f.writeBool(QStringLiteral("A"), QStringLiteral("B"), true);
    f.writeString(QStringLiteral("A"), QStringLiteral("K"), QStringLiteral("x"));
    EXPECT_EQ(f.readString(QStringLiteral("A"), QStringLiteral("K"), {}), QStringLiteral("x"));
    EXPECT_EQ(readBytes(file), QByteArray("[A]\r\nK=x\r\nB=1\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.ini")});
}

TEST_F(ProfileFileTest, equalValueLeavesTheFileAlone)
{
    const QString file = path("a.ini");
    const QDateTime t0 = QDateTime::fromSecsSinceEpoch(1'700'000'000);
    rewrite(file, "[A]\nK = v\n", t0);
    ProfileFile(file).writeString(QStringLiteral("a"), QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_EQ(QFileInfo(file).lastModified(), t0);
}

TEST_F(ProfileFileTest, failedWriteNamesTheFileAndCreatesNoFolder)
{
    writeBytes(path("plain"), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.ini")).constData(), 0600), 0);
    const QString targets[]
        = {path("plain/a.ini"), path("missing/a.ini"), path("folder.ini"), path("pipe.ini")};
    for (const QString& target : targets) {
        ProfileFile f(target);
        EXPECT_EQ(f.readString(QStringLiteral("A"), QStringLiteral("K"), QStringLiteral("d")),
            QStringLiteral("d"));
        try {
            f.writeString(QStringLiteral("A"), QStringLiteral("K"), QStringLiteral("1"));
            ADD_FAILURE() << "no error for " << target.toStdString();
        } catch (const CorvaneError& e) {
            EXPECT_EQ(e.text(), QStringLiteral("Unable to write to ") + target);
        }
    }
    EXPECT_FALSE(QFileInfo::exists(path("missing")));
}

} // namespace
