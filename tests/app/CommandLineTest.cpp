// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The command line read without a running Corvane: options, durations, and the answers that
// come from the list file alone.
#include "app/CommandLine.h"
#include "app/CommandStart.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvane;

namespace {

CommandRead read(std::initializer_list<const char*> words)
{
    QStringList arguments{QStringLiteral("corvane")};
    for (const char* word : words)
        arguments << QString::fromUtf8(word);
    return readCommandLine(arguments);
}

DurationRead::State state(const char* text)
{
    return readDuration(QString::fromUtf8(text)).state;
}

} // namespace

TEST(CommandLine, ReadsEachCommandWithItsValue)
{
    EXPECT_EQ(read({}).command.kind, CommandKind::None);
    EXPECT_EQ(read({"--help"}).command.kind, CommandKind::Help);
    EXPECT_EQ(read({"-h"}).command.kind, CommandKind::Help);
    EXPECT_EQ(read({"-v"}).command.kind, CommandKind::Version);
    EXPECT_EQ(read({"--list"}).command.kind, CommandKind::List);
    EXPECT_EQ(read({"--pause"}).command.kind, CommandKind::Pause);
    EXPECT_EQ(read({"--stop"}).command.kind, CommandKind::Stop);
    const CommandRead start = read({"--start", "Soft-boiled eggs", "--message", "Eat"});
    EXPECT_TRUE(start.error.isEmpty());
    EXPECT_EQ(start.command.kind, CommandKind::Start);
    EXPECT_EQ(start.command.value, QStringLiteral("Soft-boiled eggs"));
    EXPECT_TRUE(start.command.hasMessage);
    EXPECT_EQ(start.command.message, QStringLiteral("Eat"));
    // A value that begins with a dash is still the value, so "-5m" is judged as a duration.
    EXPECT_EQ(read({"--start", "-5m"}).command.value, QStringLiteral("-5m"));
    EXPECT_EQ(read({"--start=5m"}).command.value, QStringLiteral("5m"));
    // Help answers whatever else is on the line.
    EXPECT_EQ(read({"--stop", "--help", "--start", "x"}).command.kind, CommandKind::Help);
}

TEST(CommandLine, LeavesQtsOwnOptionsToQt)
{
    // A session manager restarts Corvane with -session; styles and platforms come the same way.
    EXPECT_EQ(read({"-session", "1234abcd", "--list"}).command.kind, CommandKind::List);
    EXPECT_TRUE(read({"-platform", "offscreen", "--style=Fusion", "-reverse"}).error.isEmpty());
}

TEST(CommandLine, RefusesAMalformedLineWithTheReason)
{
    const auto error = [](std::initializer_list<const char*> words) { return read(words).error; };
    EXPECT_EQ(error({"--bogus"}),
        QStringLiteral("Unknown option '--bogus'. Try 'corvane --help' for the options."));
    EXPECT_EQ(error({"-x"}),
        QStringLiteral("Unknown option '-x'. Try 'corvane --help' for the options."));
    EXPECT_EQ(error({"--start"}),
        QStringLiteral("'--start' needs a value. Try 'corvane --help' for the options."));
    EXPECT_EQ(error({"Tea"}),
        QStringLiteral("Unexpected argument 'Tea'. Try 'corvane --help' for the options."));
    EXPECT_EQ(error({"--pause", "--stop"}),
        QStringLiteral("Give one command at a time, not --pause and --stop."));
    EXPECT_EQ(error({"--start", "Tea", "--start", "5m"}),
        QStringLiteral("Give one command at a time, not --start and --start."));
    EXPECT_TRUE(error({"--list", "--message", "x"})
                    .startsWith(QStringLiteral("'--message' goes with '--start' and a duration.")));
    // Whatever was read before the error is not done.
    EXPECT_EQ(read({"--stop", "--bogus"}).command.kind, CommandKind::None);
}

TEST(CommandLine, ReadsDurationsInSecondsUnitsAndClockTime)
{
    const auto seconds
        = [](const char* text) { return readDuration(QString::fromUtf8(text)).seconds; };
    EXPECT_EQ(seconds("90"), 90);
    EXPECT_EQ(seconds("5m"), 300);
    EXPECT_EQ(seconds("1h30m"), 5400);
    EXPECT_EQ(seconds("1H 5S"), 3605);
    EXPECT_EQ(seconds("90m"), 5400);
    EXPECT_EQ(seconds("00:05:00"), 300);
    EXPECT_EQ(seconds("1:30"), 90);
    EXPECT_EQ(seconds("99:59:59"), maxCommandSeconds);
    EXPECT_EQ(seconds("0000000000005m"), 300); // leading zeros are no digits too many
    // Titles that do not begin like a number are not durations at all.
    EXPECT_EQ(state("Tea"), DurationRead::State::NotADuration);
    EXPECT_EQ(state(""), DurationRead::State::NotADuration);
    EXPECT_EQ(state("h5"), DurationRead::State::NotADuration);
}

TEST(CommandLine, SaysWhyADurationCannotBeRun)
{
    const auto error = [](const char* text) {
        const DurationRead d = readDuration(QString::fromUtf8(text));
        EXPECT_EQ(d.state, DurationRead::State::Invalid) << text;
        return d.error;
    };
    EXPECT_EQ(error("-5m"), QStringLiteral("A duration cannot be negative: '-5m'."));
    EXPECT_EQ(error("99:60:00"), QStringLiteral("Minutes and seconds go up to 59: '99:60:00'."));
    EXPECT_EQ(error("100:00:00"), QStringLiteral("'100:00:00' is longer than 99:59:59."));
    EXPECT_EQ(error("360000"), QStringLiteral("'360000' is longer than 99:59:59."));
    EXPECT_EQ(error("99999999999999999999999s"),
        QStringLiteral("'99999999999999999999999s' is longer than 99:59:59."));
    EXPECT_EQ(error("0"), QStringLiteral("A countdown needs at least one second."));
    EXPECT_EQ(error("0:00"), QStringLiteral("A countdown needs at least one second."));
    EXPECT_TRUE(error("1e9s").startsWith(QStringLiteral("'1e9s' is not a duration.")));
    EXPECT_TRUE(error("5m3h").startsWith(QStringLiteral("'5m3h' is not a duration.")));
    EXPECT_TRUE(error("1:2:3:4").startsWith(QStringLiteral("'1:2:3:4' is not a duration.")));
}

TEST(CommandLine, HelpFitsATerminalAndNamesEveryOption)
{
    const QString help = commandLineHelp();
    for (const QString& line : help.split(u'\n'))
        EXPECT_LE(line.size(), 79) << qPrintable(line);
    for (const char* option : {"--help", "--version", "--start NAME", "--start DURATION",
             "--message TEXT", "--pause", "--stop", "--list"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
    EXPECT_TRUE(versionText().startsWith(QStringLiteral("Corvane ")));
}

TEST(CommandLine, WithoutARunningCorvaneTheListFileAnswersAndStaysUntouched)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Timelist.dat"));
    const QByteArray list = "Entries\r\n\tTea\r\n\t\t00:03:00\r\n\t\tReady\r\n\t\t\r\n\t\t180\r\n"
                            "\tBroken\r\n\t\t00:00:01\r\n\tLong\r\n\t\t27:00:00\r\n\t\tx\r\n"
                            "\t\t\r\n\t\t97200\r\n";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(list);
    file.close();

    const auto answer = [&](CommandKind kind, const char* value = "") {
        TCommand command{kind, QString::fromUtf8(value), {}, false};
        return answerWithoutCorvane(command, path);
    };
    EXPECT_EQ(answer(CommandKind::List),
        (TInstanceReply{0, QStringLiteral("Tea\t00:03:00\nBroken\t\nLong\t27:00:00\n"), {}}));
    EXPECT_EQ(answer(CommandKind::Start, "TEA"), TInstanceReply{}); // can be done once it runs
    EXPECT_EQ(answer(CommandKind::Start, "5m"), TInstanceReply{});
    EXPECT_EQ(answer(CommandKind::Start, "Coffee").error,
        QStringLiteral(
            "There is no countdown called 'Coffee'. corvane --list shows the countdowns."));
    EXPECT_EQ(answer(CommandKind::Start, "-5m").exitCode, 1);
    EXPECT_EQ(answer(CommandKind::Pause),
        failedReply(QStringLiteral("Corvane is not running, so no countdown runs.")));
    EXPECT_EQ(answer(CommandKind::Stop).exitCode, 1);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), list);

    // No list yet: nothing to print. A list that is a folder: said so.
    EXPECT_EQ(answerWithoutCorvane({CommandKind::List, {}, {}, false}, dir.filePath("none")),
        TInstanceReply{});
    EXPECT_EQ(answerWithoutCorvane({CommandKind::List, {}, {}, false}, dir.path()).exitCode, 1);
}
