// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/LanguageScripts.h"

#include "common/FilesOp.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace corvane {

namespace {
const QLatin1String lineEnd("\r\n");
}

QString languageScriptListing()
{
    return languageScriptListing(programFolders());
}

QString languageScriptListing(const ProgramFolders& folders)
{
    QString listing = ListFiles(folders.shipped + QLatin1String("/LScripts/*.*"));
    const QString own = folders.userScripts;
    if (own.isEmpty())
        return listing;
    const QStringList shipped = listing.split(lineEnd, Qt::SkipEmptyParts);
    const QString extra = ListFiles(own + QLatin1String("/*.lng"));
    for (const QString& name : extra.split(lineEnd, Qt::SkipEmptyParts)) {
        if (!shipped.contains(name, Qt::CaseInsensitive) && QFileInfo(own, name).isFile())
            listing += name + lineEnd;
    }
    return listing;
}

QString languageScriptPath(const QString& fileName)
{
    return languageScriptPath(programFolders(), fileName);
}

QString languageScriptPath(const ProgramFolders& folders, const QString& fileName)
{
    const QString own = folders.userScripts;
    if (!own.isEmpty() && !fileName.isEmpty()) {
        const QString path = QDir(own).filePath(fileName);
        if (QFileInfo(path).isFile())
            return path;
    }
    return folders.shipped + QLatin1String("/LScripts/") + fileName;
}

} // namespace corvane
