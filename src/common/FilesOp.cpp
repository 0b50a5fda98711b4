// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FilesOp.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>

namespace corvane {

namespace {
// Iterative matcher with one backtrack point: linear in practice, never exponential on
// patterns like "*a*a*a*b".
bool matchFrom(QStringView pattern, QStringView name)
{
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (p < pattern.size()
            && (pattern[p] == QLatin1Char('?')
                || QStringView(pattern.mid(p, 1)).compare(name.mid(n, 1), Qt::CaseInsensitive)
                    == 0)) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}
} // namespace

bool wildcardMatch(const QString& pattern, const QString& name)
{
    // Windows treats a name without a dot as if it ended in one, so "*.*" and "*." also
    // find names without an extension.
    if (matchFrom(pattern, name))
        return true;
    if (!name.contains(QLatin1Char('.')) && pattern.endsWith(QLatin1Char('.')))
        return matchFrom(QStringView(pattern).chopped(1), name);
    if (!name.contains(QLatin1Char('.')) && pattern.endsWith(QLatin1String(".*")))
        return matchFrom(QStringView(pattern).chopped(2), name);
    return false;
}

QString ListFiles(const QString& pathMask)
{
    const QString mask = toLocalSeparators(pathMask);
    const qsizetype slash = mask.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QStringLiteral(".") : mask.left(slash + 1);
    const QString pattern = mask.mid(slash + 1);

    QString result;
    // Unsorted on purpose: callers use the file system's order.
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString name = it.nextFileInfo().fileName();
        if (wildcardMatch(pattern, name))
            result += name + QLatin1String("\r\n");
    }
    return result;
}

QString FileNameNoExt(const QString& path)
{
    qsizetype cut = -1;
    for (const QChar sep : {QLatin1Char('\\'), QLatin1Char('/'), QLatin1Char(':')})
        cut = std::max(cut, path.lastIndexOf(sep));
    const QString name = path.mid(cut + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

} // namespace corvane
