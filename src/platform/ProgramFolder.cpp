// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

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

} // namespace corvane
