// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFolder.h"

#include "platform/FileRead.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

namespace corvane {

namespace {

QString cannotCreate(const QString& path, const QString& why)
{
    return QStringLiteral("Corvane cannot create its data folder %1: %2. Settings and "
                          "countdowns changed in this run cannot be saved.")
        .arg(QDir::toNativeSeparators(path), why);
}

// The reason a folder cannot be made there, as plainly as the file system lets us tell.
QString whyNot(const QString& path)
{
    QFileInfo info(path);
    while (!info.exists() && info.absolutePath() != info.absoluteFilePath())
        info = QFileInfo(info.absolutePath());
    if (!info.isDir())
        return QStringLiteral("%1 is a file, not a folder")
            .arg(QDir::toNativeSeparators(info.absoluteFilePath()));
    if (!info.isWritable())
        return QStringLiteral("%1 may not be written to")
            .arg(QDir::toNativeSeparators(info.absoluteFilePath()));
    return QStringLiteral("the disk may be full");
}

bool copyShipped(const QString& from, const QString& to)
{
    const FileRead read = readRegularFile(from, FileLimit::theme);
    if (!read.ok())
        return true; // a shipped theme that is not there is simply not offered
    QSaveFile file(to);
    return file.open(QIODevice::WriteOnly) && file.write(read.bytes) == read.bytes.size()
        && file.commit();
}

// Fills a fresh folder beside the target and renames it into place.
QString createInstalledData(const ProgramFolders& folders, const QString& data)
{
    if (!QDir().mkpath(folders.writable))
        return cannotCreate(data, whyNot(folders.writable));
    QTemporaryDir fresh(folders.writable + QLatin1String("/.Data-XXXXXX"));
    if (!fresh.isValid())
        return cannotCreate(data, whyNot(folders.writable));
    const QDir shipped(folders.shipped + QLatin1String("/Data"));
    for (const QString& name : shipped.entryList({QStringLiteral("*.thm")}, QDir::Files)) {
        if (!copyShipped(shipped.filePath(name), fresh.filePath(name)))
            return cannotCreate(data, whyNot(fresh.path()));
    }
    if (!QFile::setPermissions(fresh.path(),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther)
        || !QDir().rename(fresh.path(), data)) {
        // Two first starts at once: the other one's Data is as good as ours.
        if (QFileInfo(data).isDir())
            return {};
        return cannotCreate(data, whyNot(folders.writable));
    }
    fresh.setAutoRemove(false);
    return {};
}

} // namespace

QString prepareDataFolder()
{
    return prepareDataFolder(programFolders());
}

QString prepareDataFolder(const ProgramFolders& folders)
{
    const QString data = folders.writable + QLatin1String("/Data");
    const QFileInfo info(data);
    if (info.isDir())
        return {};
    if (info.exists() || info.isSymLink())
        return cannotCreate(data, QStringLiteral("a file of that name is in the way"));
    QString problem;
    if (folders.installed) {
        problem = createInstalledData(folders, data);
        if (problem.isEmpty())
            QDir().mkpath(folders.userScripts);
    } else if (!QDir().mkpath(data)) {
        problem = cannotCreate(data, whyNot(data));
    }
    return problem;
}

} // namespace corvane
