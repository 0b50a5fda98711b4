// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A throwaway program folder for the benchmarks that start the real main window: Data with a
// configuration naming `language`, the shipped script of that language, and CORVANE_HOME
// pointing at it.
inline void makeBenchHome(const QTemporaryDir& dir, const QByteArray& language)
{
    QDir(dir.path()).mkpath(QStringLiteral("LScripts"));
    QDir(dir.path()).mkpath(QStringLiteral("Data"));
    const QString script = QString::fromLatin1(language) + QLatin1String(".lng");
    QFile::copy(QStringLiteral(CORVANE_SOURCE_DIR "/data/LScripts/") + script,
        dir.filePath(QStringLiteral("LScripts/") + script));
    QFile config(dir.filePath(QStringLiteral("Data/CORVANE.INI")));
    if (config.open(QIODevice::WriteOnly))
        config.write("[Language]\r\nFile=" + language + ".lng\r\n[General]\r\nOption 3=0\r\n");
    qputenv("CORVANE_HOME", dir.path().toLocal8Bit());
}
