// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The autostart shortcut of FilesOp, as a freedesktop desktop entry: the shell link and the
// user's Startup folder of the Windows program become a .desktop file and the XDG autostart
// folder.
#include "common/FilesOp.h"

#include "common/DesktopEntry.h"
#include "platform/FileRead.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <unistd.h>

namespace corvane {

namespace {
// A desktop entry is a few hundred bytes; anything this large is not one.
constexpr qint64 shortcutLimit = 64 * 1024;

QString& executableOverride()
{
    static QString path;
    return path;
}

// What the shortcut holds, formed in one place for EnableAutostart and autostartEntryText.
struct ShellLink {
    QString target;
    QString iconFile;
    QString workingDirectory;
    QString description;
};

// The executable's file name without its extension. A Linux file name may hold "\" and ":",
// so this does not go through FileNameNoExt, which takes them for separators.
QString executableName()
{
    return QFileInfo(autostartExecutable()).completeBaseName();
}

QString shortcutFileName()
{
    return executableName() + QLatin1String(".desktop");
}

// An installed Corvane has its icon in the icon theme; a portable one carries its picture.
QString corvaneIcon(const ProgramFolders& folders)
{
    const QString png = QDir(folders.shipped).filePath(QStringLiteral("corvane.png"));
    if (folders.installed || !QFileInfo(png).isFile())
        return QStringLiteral("org.corvane.Corvane");
    return png;
}

ShellLink autostartLink()
{
    const ProgramFolders folders = programFolders();
    return {autostartExecutable(), corvaneIcon(folders), folders.writable, executableName()};
}

QString shellLinkText(const QString& target, const QString& arguments, const QString& iconFile,
    const QString& workingDirectory, const QString& description)
{
    return desktopEntryText({target, arguments, workingDirectory, description,
        QStringLiteral("Desktop countdown timer with alarm messages"), iconFile});
}

// $XDG_CONFIG_HOME/autostart; the base directory rules ignore a relative XDG_CONFIG_HOME.
QString startupFolder()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(config))
        config = QDir::homePath() + QLatin1String("/.config");
    return config + QLatin1String("/autostart");
}

// Missing folders are made private (0700), as the base directory rules ask.
bool makeFolder(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    if (info.exists() || info.isSymLink() || !makeFolder(info.path()))
        return false;
    return QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Something of that name, a dangling link included.
bool entryExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool replaceAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// The rename refuses an existing name, so a file that appears meanwhile is not overwritten.
bool writeNew(const QString& path, const QByteArray& bytes)
{
    QTemporaryFile file(path + QLatin1String(".XXXXXX"));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()
        || ::fsync(file.handle()) != 0 || !file.rename(path))
        return false;
    file.setAutoRemove(false); // it would delete the renamed file, too
    return true;
}
} // namespace

void setAutostartExecutable(const QString& path)
{
    executableOverride() = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

QString autostartExecutable()
{
    const QString& path = executableOverride();
    return path.isEmpty() ? QCoreApplication::applicationFilePath() : path;
}

QString autostartEntryText()
{
    const ShellLink link = autostartLink();
    return shellLinkText(
        link.target, QString(), link.iconFile, link.workingDirectory, link.description);
}

void EnableAutostart()
{
    const QString marker = QDir(shortcutFolder()).filePath(shortcutFileName());
    if (entryExists(marker))
        return;
    const ShellLink link = autostartLink();
    CreateShellLink(
        link.target, QString(), marker, link.iconFile, link.workingDirectory, link.description);
    StartupShortcut(QStringLiteral("COPY"));
}

void DisableAutostart()
{
    StartupShortcut(QStringLiteral("DELETE"));
}

void StartupShortcut(const QString& command)
{
    const QString name = shortcutFileName();
    const QString source = QDir(shortcutFolder()).filePath(name);
    const QString destination = QDir(startupFolder()).filePath(name);
    if (command == QLatin1String("COPY") && makeFolder(startupFolder()))
        CopyFileTo(source, destination, false);
    if (command == QLatin1String("DELETE")) {
        QFile::remove(source);
        QFile::remove(destination);
    }
}

bool CreateShellLink(const QString& target, const QString& arguments, const QString& shortcutFile,
    const QString& iconFile, const QString& workingDirectory, const QString& description)
{
    return replaceAtomically(shortcutFile,
        shellLinkText(target, arguments, iconFile, workingDirectory, description).toUtf8());
}

bool CopyFileTo(const QString& source, const QString& destination, bool refuseOverwrite)
{
    const FileRead read = readRegularFile(source, shortcutLimit);
    if (!read.ok())
        return false;
    return refuseOverwrite ? writeNew(destination, read.bytes)
                           : replaceAtomically(destination, read.bytes);
}

} // namespace corvane
