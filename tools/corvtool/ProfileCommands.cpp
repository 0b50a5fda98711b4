// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// profile-get and profile-set: one read or write of an initialisation file, exactly as
// Corvane does it, so the reader and writer can be checked against reference cases.
#include "Commands.h"

#include "platform/ProfileFile.h"

#include <QDir>

namespace corvtool {

namespace {
corvane::ProfileFile fileArgument(const QString& name)
{
    return corvane::ProfileFile(QDir::current().absoluteFilePath(name));
}
} // namespace

int profileGet(const QStringList& args)
{
    printOut(fileArgument(args[0]).readString(args[1], args[2], args[3]) + QLatin1Char('\n'));
    return 0;
}

// A failed write throws; main reports its text and exits with 1.
int profileSet(const QStringList& args)
{
    fileArgument(args[0]).writeString(args[1], args[2], args[3]);
    return 0;
}

} // namespace corvtool
