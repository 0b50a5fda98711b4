// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/LangScript.h"

#include "platform/ProfileFile.h"

namespace corvane {

QString LangScriptPath;

QString LangText(const QString& section, const QString& key)
{
    if (LangScriptPath.isEmpty())
        return key;
    return ProfileFile(LangScriptPath).readString(section, key, key);
}

QString readProblemMessage(const QString& path, const FileRead& read, qint64 maxBytes)
{
    const QString format = readProblemFormat(read.problem);
    return readProblemText(LangText(QStringLiteral("Messages"), format), path, read, maxBytes);
}

QStringList splitListValue(const QString& value)
{
    // Replacing each comma by a line break and taking the lines: so a final comma closes the
    // last line instead of opening an empty one.
    QStringList entries = value.split(QLatin1Char(','));
    if (entries.size() > 1 && entries.last().isEmpty())
        entries.removeLast();
    return entries;
}

} // namespace corvane
