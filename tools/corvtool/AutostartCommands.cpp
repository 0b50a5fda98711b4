// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The autostart shortcut as Corvane would write it, to check it or hand it to a validator.
#include "Commands.h"

#include "common/FilesOp.h"

#include <QFileInfo>

namespace corvtool {

int autostartEntry(const QStringList& args)
{
    // A Corvane at that path takes its own folder as program folder unless CORVANE_HOME says
    // otherwise, so the entry gets that folder's Path and icon, not corvtool's.
    if (qEnvironmentVariableIsEmpty("CORVANE_HOME"))
        qputenv("CORVANE_HOME", QFileInfo(args[0]).absolutePath().toLocal8Bit());
    corvane::setAutostartExecutable(args[0]);
    printOut(corvane::autostartEntryText());
    return 0;
}

} // namespace corvtool
