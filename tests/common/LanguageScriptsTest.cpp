// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/LanguageScripts.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvane {
namespace {

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// The user's own scripts join the shipped ones; a shipped name is never offered twice, and
// the user's copy of it is the one read.
TEST(LanguageScripts, TheUsersOwnScriptsAreOfferedBesideTheShippedOnes)
{
    QTemporaryDir root;
    QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral("share/LScripts")));
    ASSERT_TRUE(dir.mkpath(QStringLiteral("own/LScripts/Folder.lng")));
    touch(dir.filePath(QStringLiteral("share/LScripts/English.lng")));
    touch(dir.filePath(QStringLiteral("own/LScripts/english.LNG")));
    touch(dir.filePath(QStringLiteral("own/LScripts/Klingon.lng")));
    touch(dir.filePath(QStringLiteral("own/LScripts/notes.txt")));

    ProgramFolders folders;
    folders.installed = true;
    folders.shipped = dir.filePath(QStringLiteral("share"));
    folders.userScripts = dir.filePath(QStringLiteral("own/LScripts"));
    EXPECT_EQ(languageScriptListing(folders), QStringLiteral("English.lng\r\nKlingon.lng\r\n"));
    EXPECT_EQ(languageScriptPath(folders, QStringLiteral("Klingon.lng")),
        dir.filePath(QStringLiteral("own/LScripts/Klingon.lng")));
    EXPECT_EQ(languageScriptPath(folders, QStringLiteral("English.lng")),
        dir.filePath(QStringLiteral("share/LScripts/English.lng")));
    EXPECT_EQ(languageScriptPath(folders, QStringLiteral("Folder.lng")),
        dir.filePath(QStringLiteral("share/LScripts/Folder.lng")));

    // A portable Corvane has one folder of scripts, listed as it is.
    folders.userScripts.clear();
    EXPECT_EQ(languageScriptListing(folders), QStringLiteral("English.lng\r\n"));
}

} // namespace
} // namespace corvane
