// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace corvane {

QString programFolder()
{
    QString folder = qEnvironmentVariable("CORVANE_HOME");
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    folder = QDir::cleanPath(folder);
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

QString toLocalSeparators(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString programPath(const QString& relative)
{
    QString rel = toLocalSeparators(relative);
    if (!rel.startsWith(QLatin1Char('/')))
        rel.prepend(QLatin1Char('/'));
    return programFolder() + rel;
}

QString shortcutFolder()
{
    const QString folder = programFolder();
    if (QFileInfo(folder).isWritable())
        return folder;
    return QFileInfo(programPath(QStringLiteral("Data"))).path();
}

} // namespace corvane
