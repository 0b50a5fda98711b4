// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandLine.h"
#include "timelist/TreeText.h"

// A start of Corvane with options: answered before any window exists, by the Corvane that
// runs for the folder or, when none runs, from the files, without writing any.
namespace corvane {

struct CommandStart {
    int exitCode = 0;
    bool startWindow = false; // go on and start Corvane (and then do `command`)
    TCommand command;
};

// Needs a QCoreApplication, and none other running. Reads the language of the settings so the
// answers speak it, reads the line, and prints the answer.
CommandStart answerCommandLine(const TInstanceRequest& request);

// Prints the texts of a reply, each ended by a line break; returns its end status.
int printReply(const TInstanceReply& reply);

// --list, --pause, --stop and --start when no Corvane runs: the list read from its file, never
// written. An empty reply for --start means it can be done once Corvane runs.
TInstanceReply answerWithoutCorvane(const TCommand& command, const QString& listPath);

// The lines of a list file as --list prints them: title, TAB, duration ("HH:mm:ss", empty for
// an entry whose fields are damaged).
QString listLines(const std::vector<TreeLine>& lines);

} // namespace corvane
