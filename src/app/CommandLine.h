// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InstanceMessage.h"

#include <QString>
#include <QStringList>
#include <optional>

// What Corvane's command line asks for, read without touching anything. The commands that
// act on a countdown are carried to the Corvane that runs for the folder and done there, so
// the same reading happens twice: once in the start that was typed, to refuse a malformed
// line at once, and once in the running Corvane, which does it.
namespace corvane {

enum class CommandKind {
    None, // no option: start Corvane, or bring the running one to the front
    Help,
    Version,
    Start, // --start NAME or --start DURATION
    Pause,
    Stop,
    List,
};

struct TCommand {
    CommandKind kind = CommandKind::None;
    QString value; // --start's value as typed
    QString message; // --message's value
    bool hasMessage = false;

    bool actsOnCountdown() const
    {
        return kind == CommandKind::Start || kind == CommandKind::Pause || kind == CommandKind::Stop
            || kind == CommandKind::List;
    }
};

struct CommandRead {
    TCommand command;
    QString error; // in the current language; empty when the line is well-formed
};

// Reads the arguments, program name first. An unknown option, a missing value, a word that
// is no option, two commands at once, or --message without --start is an error.
CommandRead readCommandLine(const QStringList& arguments);

// The text of --help, in the current language.
QString commandLineHelp();

// "Corvane <version>".
QString versionText();

// How a --start value reads as a duration. A value that looks like one (it begins with a
// digit or a sign) but breaks the rules is Invalid, with the reason said.
struct DurationRead {
    enum class State { NotADuration, Valid, Invalid };
    State state = State::NotADuration;
    int seconds = 0;
    QString error; // for Invalid, in the current language
};

// The longest countdown the editor can hold: 99:59:59.
constexpr int maxCommandSeconds = 99 * 3600 + 59 * 60 + 59;

// Seconds ("90"), units in the order h, m, s, each at most once ("5m", "1h30m", "1h 5s",
// letter case ignored), or a clock time "H:mm:ss" / "mm:ss" with minutes and seconds up to
// 59. From one second to 99:59:59.
DurationRead readDuration(const QString& text);

// A reply that fails with this message.
TInstanceReply failedReply(const QString& message);

} // namespace corvane
