// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace corvane {

namespace {

QString withoutTrailingSeparator(QString folder)
{
    folder = QDir::cleanPath(folder);
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

// $XDG_DATA_HOME, or ~/.local/share: the base directory rules ignore a relative value.
QString dataHome(const FolderFacts& facts)
{
    if (QDir::isAbsolutePath(facts.xdgDataHome))
        return withoutTrailingSeparator(facts.xdgDataHome);
    return withoutTrailingSeparator(facts.home + QLatin1String("/.local/share"));
}

bool isBelowData(const QString& relative)
{
    // "Data" itself or anything in it; "Database.txt" is not.
    return relative.compare(QLatin1String("Data"), Qt::CaseInsensitive) == 0
        || relative.startsWith(QLatin1String("Data/"), Qt::CaseInsensitive);
}

QString normalisedRelative(const QString& relative)
{
    QString rel = toLocalSeparators(relative);
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    return rel;
}

QString joined(const QString& folder, const QString& rel)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + rel : folder + QLatin1Char('/') + rel;
}

} // namespace

ProgramFolders resolveProgramFolders(const FolderFacts& facts)
{
    ProgramFolders folders;
    QString single;
    if (!facts.corvaneHome.isEmpty())
        single = facts.corvaneHome;
    else if (facts.portableBesideExe || !facts.sharedTreeExists)
        single = facts.executableDir;
    if (!single.isEmpty() || facts.executableDir.isEmpty()) {
        folders.shipped = withoutTrailingSeparator(single);
        folders.writable = folders.shipped;
        return folders;
    }
    folders.installed = true;
    folders.shipped
        = withoutTrailingSeparator(facts.executableDir + QLatin1String("/../share/corvane"));
    const QString own = dataHome(facts) + QLatin1String("/corvane");
    folders.writable = own;
    folders.userScripts = own + QLatin1String("/LScripts");
    return folders;
}

ProgramFolders programFolders()
{
    FolderFacts facts;
    facts.corvaneHome = qEnvironmentVariable("CORVANE_HOME");
    facts.executableDir = QCoreApplication::applicationDirPath();
    facts.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    facts.home = QDir::homePath();
    if (facts.corvaneHome.isEmpty()) {
        const QDir exe(facts.executableDir);
        facts.portableBesideExe = QFileInfo(exe.filePath(QStringLiteral("Data"))).isDir()
            || QFileInfo(exe.filePath(QStringLiteral("LScripts"))).isDir();
        facts.sharedTreeExists = QDir(facts.executableDir).dirName() == QLatin1String("bin")
            && QFileInfo(exe.filePath(QStringLiteral("../share/corvane/LScripts"))).isDir();
    }
    return resolveProgramFolders(facts);
}

QString programFolder()
{
    return programFolders().shipped;
}

QString toLocalSeparators(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString programPath(const QString& relative)
{
    const QString rel = normalisedRelative(relative);
    const ProgramFolders folders = programFolders();
    return joined(isBelowData(rel) ? folders.writable : folders.shipped, rel);
}

QString shippedPath(const QString& relative)
{
    return joined(programFolders().shipped, normalisedRelative(relative));
}

QString shortcutFolder()
{
    const ProgramFolders folders = programFolders();
    if (!folders.installed && QFileInfo(folders.shipped).isWritable())
        return folders.shipped;
    return folders.writable;
}

} // namespace corvane
