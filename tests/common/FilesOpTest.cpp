// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FilesOp.h"

#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvane;

TEST(FilesOp, FileNameNoExtTakesTheNameWithoutItsLastExtension)
{
    const struct {
        const char* path;
        const char* expected;
    } cases[] = {
        {"C:\\Lang\\English.lng", "English"},
        {"archive.tar.gz", "archive.tar"},
        {"README", "README"},
        {".lng", ""},
        {"", ""},
        {"/usr/share/corvane/LScripts/German.lng", "German"},
        {"C:English.lng", "English"},
        {"dir.with.dots\\plain", "plain"},
        {"trailing.", "trailing"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileNameNoExt(QString::fromUtf8(c.path)), QString::fromUtf8(c.expected))
            << c.path;
}

TEST(FilesOp, WildcardsMatchAsOnWindows)
{
    const struct {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        {"*.*", "English.lng", true},
        {"*.*", "Old", true}, // names without a dot too
        {"*.lng", "GERMAN.LNG", true},
        {"*.LNG", "german.lng", true},
        {"*.lng", "German.lngx", false},
        {"*.lng", "Old", false},
        {"?.txt", "a.txt", true},
        {"?.txt", "ab.txt", false},
        {"*", ".hidden", true},
        {"*.", "noext", true},
        {"*.", "a.b", false},
        {"Ä*", "äpfel", true},
        {"*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
        {"", "a", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wildcardMatch(QString::fromUtf8(c.pattern), QString::fromUtf8(c.name)), c.matches)
            << c.pattern << " / " << c.name;
}

class ListFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QDir root(m_dir.path());
        ASSERT_TRUE(root.mkpath(QStringLiteral("LScripts/Old")));
        ASSERT_TRUE(root.mkpath(QStringLiteral("Empty")));
        for (const char* name : {"English.lng", "German.lng", ".hidden.lng", "notes.txt"})
            test::writeBytes(root.filePath(QStringLiteral("LScripts/") + QLatin1String(name)), "x");
    }

    QStringList sortedLines(const QString& listing)
    {
        EXPECT_TRUE(listing.isEmpty() || listing.endsWith(QLatin1String("\r\n")));
        QStringList lines = listing.split(QLatin1String("\r\n"), Qt::SkipEmptyParts);
        lines.sort();
        return lines;
    }

    QTemporaryDir m_dir;
};

TEST_F(ListFilesTest, ListsFilesHiddenFilesAndFoldersWithoutDotEntries)
{
    const QString mask = m_dir.path() + QStringLiteral("/LScripts/*.*");
    EXPECT_EQ(sortedLines(ListFiles(mask)),
        (QStringList{".hidden.lng", "English.lng", "German.lng", "Old", "notes.txt"}));
}

TEST_F(ListFilesTest, PatternSelectsByNameAndAcceptsBackslashes)
{
    const QString mask = m_dir.path() + QStringLiteral("\\LScripts\\*.LNG");
    EXPECT_EQ(
        sortedLines(ListFiles(mask)), (QStringList{".hidden.lng", "English.lng", "German.lng"}));
}

TEST_F(ListFilesTest, EmptyOrMissingFolderGivesEmptyText)
{
    EXPECT_EQ(ListFiles(m_dir.path() + QStringLiteral("/Empty/*.*")), QString());
    EXPECT_EQ(ListFiles(m_dir.path() + QStringLiteral("/Missing/*.*")), QString());
    EXPECT_EQ(ListFiles(m_dir.path() + QStringLiteral("/LScripts/*.xyz")), QString());
}
