// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandStart.h"
#include "app/ConfigFile.h"
#include "common/LanguageScripts.h"
#include "lang/LangScript.h"
#include "platform/CorvaneError.h"
#include "platform/FileRead.h"
#include "platform/ProgramFolder.h"
#include "platform/SingleInstance.h"
#include "timelist/TimelistFile.h"
#include "timelist/TimerEntry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace corvane {

namespace {

QString text(const char* key)
{
    return LangText(QStringLiteral("CommandLine"), QLatin1String(key));
}

void useStoredLanguage()
{
    const ConfigFile config(ConfigFile::defaultPath());
    const QString stored = config.storedLanguage();
    LangScriptPath = languageScriptPath(stored.isEmpty() ? TOptionsRec().LangFile : stored);
}

struct Listed {
    QString title;
    int seconds = -1; // unknown where the fields are damaged
};

// The countdowns are the children of the list's first top-level node, as the chooser shows.
std::vector<Listed> listedCountdowns(const std::vector<TreeLine>& lines)
{
    std::vector<Listed> listed;
    std::size_t i = 1;
    while (i < lines.size() && lines[i].depth > 0) {
        const std::size_t title = i++;
        QStringList fields;
        while (i < lines.size() && lines[i].depth > 1) {
            if (lines[i].depth == 2)
                fields << lines[i].text;
            ++i;
        }
        if (lines[title].depth != 1)
            continue;
        Listed entry{lines[title].text};
        try {
            entry.seconds = entryFromFields(entry.title, fields).seconds;
        } catch (const CorvaneError&) {
        }
        listed.push_back(entry);
    }
    return listed;
}

void print(std::FILE* stream, const QString& out)
{
    if (out.isEmpty())
        return;
    const QByteArray bytes = (out.endsWith(u'\n') ? out : out + u'\n').toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

QString listLines(const std::vector<TreeLine>& lines)
{
    QString out;
    for (const Listed& entry : listedCountdowns(lines))
        out += entry.title + u'\t' + (entry.seconds >= 0 ? durationText(entry.seconds) : QString())
            + u'\n';
    return out;
}

int printReply(const TInstanceReply& reply)
{
    print(stdout, reply.output);
    print(stderr, reply.error);
    return reply.exitCode;
}

TInstanceReply answerWithoutCorvane(const TCommand& command, const QString& listPath)
{
    if (command.kind == CommandKind::Pause || command.kind == CommandKind::Stop)
        return failedReply(text("Corvane is not running, so no countdown runs."));
    const FileRead file = readRegularFile(listPath, FileLimit::timelist);
    // A list that is not there is empty; one that cannot be read is said so.
    if (!file.ok() && file.problem != ReadProblem::Missing)
        return failedReply(readProblemMessage(listPath, file, FileLimit::timelist));
    const std::vector<TreeLine> lines = parseTimelist(file.bytes).lines;
    if (command.kind == CommandKind::List)
        return {0, listLines(lines), {}};
    if (command.kind != CommandKind::Start)
        return {};
    QStringList titles;
    for (const Listed& entry : listedCountdowns(lines))
        titles << entry.title;
    if (!sameTitlePositions(titles, command.value).empty()) {
        if (command.hasMessage)
            return failedReply(text("'--message' goes with '--start' and a duration."));
        return {};
    }
    const DurationRead duration = readDuration(command.value);
    if (duration.state == DurationRead::State::Invalid)
        return failedReply(duration.error);
    if (duration.state == DurationRead::State::NotADuration)
        return failedReply(
            text("There is no countdown called '%1'. corvane --list shows the countdowns.")
                .arg(command.value.left(80)));
    return {};
}

CommandStart answerCommandLine(const TInstanceRequest& request)
{
    useStoredLanguage();
    const CommandRead read = readCommandLine(request.arguments);
    if (!read.error.isEmpty())
        return {printReply(failedReply(read.error)), false, {}};
    switch (read.command.kind) {
    case CommandKind::Help:
        return {printReply({0, commandLineHelp(), {}}), false, {}};
    case CommandKind::Version:
        return {printReply({0, versionText(), {}}), false, {}};
    case CommandKind::None:
        return {0, true, {}};
    default:
        break;
    }
    if (!requestCarriesAll(request))
        return {printReply(failedReply(text("The command line is too long."))), false, {}};
    const QString data = programPath(QStringLiteral("Data"));
    // No Corvane runs where there is no Data folder yet: it is made at the first start.
    if (QFileInfo(data).isDir()) {
        TSingleInstance instance(data);
        switch (instance.start(request)) {
        case TSingleInstance::Start::Handed:
            return {printReply(instance.reply()), false, {}};
        case TSingleInstance::Start::NoAnswer: {
            TInstanceReply reply = failedReply(
                text("Corvane is already running for this folder (%1), but does not answer.")
                    .arg(QFileInfo(data).path()));
            reply.exitCode = 2; // as a plain second start ends then
            return {printReply(reply), false, {}};
        }
        case TSingleInstance::Start::Alone:
            break;
        }
    }
    const TInstanceReply alone
        = answerWithoutCorvane(read.command, programPath(QStringLiteral("Data/Timelist.dat")));
    if (read.command.kind == CommandKind::Start && alone.exitCode == 0 && alone.error.isEmpty())
        return {0, true, read.command};
    return {printReply(alone), false, {}};
}

} // namespace corvane
