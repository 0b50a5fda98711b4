// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "platform/CorvaneError.h"
#include "timelist/TimelistFile.h"
#include "timelist/TimerEntry.h"

#include <QFile>

namespace corvtool {

using namespace corvane;

int treeText(const QStringList& args)
{
    TimelistFile file(args[0]);
    const TimelistFile::Load loaded = file.load();
    if (!loaded.file.ok()) {
        printErr(readProblemText(readProblemFormat(loaded.file.problem), args[0], loaded.file,
                     FileLimit::timelist)
            + QLatin1Char('\n'));
        return 1;
    }
    const TimelistRead& read = loaded.read;
    QString out;
    for (const TreeLine& line : read.lines)
        out += QString::number(line.depth) + QLatin1Char('\t') + line.text + QLatin1Char('\n');
    printOut(out);
    if (read.error.isEmpty())
        return 0;
    printErr(read.error + QLatin1Char('\n'));
    return 1;
}

int timelistAdd(const QStringList& args)
{
    bool ok = false;
    const int seconds = args[2].toInt(&ok);
    if (!ok || seconds < 1 || seconds > 359999) {
        printErr(QStringLiteral("SECONDS must be a whole number from 1 to 359999, not '%1'\n")
                     .arg(args[2]));
        return 2;
    }
    const TimerEntry entry{
        storableText(args[1]), storableText(args[3]), storableText(args.value(4)), seconds};
    if (entry.title.isEmpty() || entry.message.isEmpty()) {
        printErr(QStringLiteral("TITLE and MESSAGE must not be empty\n"));
        return 2;
    }
    TimelistFile file(args[0]);
    std::vector<TreeLine> lines;
    if (QFile::exists(args[0])) {
        TimelistFile::Load loaded = file.load();
        if (!loaded.file.ok() || !loaded.read.whole()) {
            // Adding to half a list would lose the rest of it.
            printErr((loaded.file.ok() ? QStringLiteral("%1 was not read whole").arg(args[0])
                                       : readProblemText(readProblemFormat(loaded.file.problem),
                                           args[0], loaded.file, FileLimit::timelist))
                + QLatin1Char('\n'));
            return 1;
        }
        lines = std::move(loaded.read.lines);
    }
    addEntry(lines, entry);
    file.save(lines);
    return 0;
}

} // namespace corvtool
