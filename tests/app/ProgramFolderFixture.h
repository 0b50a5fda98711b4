// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TestSupport.h"
#include "app/ProgOptions.h"
#include "lang/LangScript.h"
#include "lang/MessDlg.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvane::test {

// A fresh program folder with the shipped language scripts and an empty Data folder, and the
// program's globals back at their start values.
class ProgramFolderFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        qputenv("CORVANE_HOME", m_home.path().toLocal8Bit());
        QDir home(m_home.path());
        ASSERT_TRUE(home.mkpath(QStringLiteral("LScripts")));
        if (withDataFolder()) {
            ASSERT_TRUE(home.mkpath(QStringLiteral("Data")));
        }
        for (const char* lang : {"English.lng", "German.lng"}) {
            const QString from
                = QStringLiteral(CORVANE_SOURCE_DIR "/data/LScripts/") + QLatin1String(lang);
            ASSERT_TRUE(QFile::copy(
                from, home.filePath(QStringLiteral("LScripts/") + QLatin1String(lang))));
        }
        ProgOptions = TOptionsRec();
        LangScriptPath.clear();
        DlgTexts = {};
    }

    void TearDown() override { qunsetenv("CORVANE_HOME"); }

    virtual bool withDataFolder() const { return true; }

    QString iniPath() const { return m_home.filePath(QStringLiteral("Data/CORVANE.INI")); }
    void writeIni(const QByteArray& bytes) const { writeBytes(iniPath(), bytes); }
    QByteArray iniBytes() const { return readBytes(iniPath()); }

    QTemporaryDir m_home;
};

} // namespace corvane::test
