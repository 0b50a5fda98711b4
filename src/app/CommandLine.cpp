// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "lang/LangScript.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace corvane {

namespace {

QString text(const char* key)
{
    return LangText(QStringLiteral("CommandLine"), QLatin1String(key));
}

QString tryHelp()
{
    return text("Try 'corvane --help' for the options.");
}

struct OptionRow {
    const char* names; // as shown in the help
    const char* description;
};

const OptionRow optionRows[] = {
    {"-h, --help", "Show this help and end."},
    {"-v, --version", "Show Corvane's version and end."},
    {"--start NAME", "Start the countdown of this title (letter case ignored)."},
    {"--start DURATION",
        "Start a countdown of this length without changing the list: 90, 5m, 1h30m, 00:05:00."},
    {"--message TEXT", "The message shown when a countdown started by its length ends."},
    {"--pause", "Pause the running countdown."},
    {"--stop", "Stop the countdown."},
    {"--list", "Print the countdowns of the list, one per line: title, a tab, the duration."},
};

// Each value at most this long before it is read as a number, so no count overflows.
constexpr qsizetype maxNumberDigits = 9;

bool readNumber(QString digits, qint64* value)
{
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits.remove(0, 1);
    if (digits.isEmpty() || digits.size() > maxNumberDigits)
        return false;
    bool ok = false;
    *value = digits.toLongLong(&ok);
    return ok;
}

DurationRead invalid(const QString& message)
{
    return {DurationRead::State::Invalid, 0, message};
}

DurationRead checkedTotal(const QString& typed, qint64 seconds)
{
    if (seconds > maxCommandSeconds)
        return invalid(text("'%1' is longer than 99:59:59.").arg(typed));
    if (seconds < 1)
        return invalid(text("A countdown needs at least one second."));
    return {DurationRead::State::Valid, int(seconds), {}};
}

// Qt reads these itself (a session manager restarts Corvane with -session), in one or two
// dashes, with the value after a blank or an equals sign.
const char* const toolkitValueOptions[] = {"platform", "platformpluginpath", "platformtheme",
    "plugin", "qwindowgeometry", "qwindowtitle", "qwindowicon", "style", "stylesheet", "session",
    "display", "name", "title", "visual", "qmljsdebugger"};
const char* const toolkitFlags[]
    = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

QStringList withoutToolkitOptions(const QStringList& arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i == 0 || !argument.startsWith(u'-') || argument == u"--") {
            kept << argument;
            continue;
        }
        QString name = argument.mid(argument.startsWith(u"--") ? 2 : 1);
        const bool hasInlineValue = name.contains(u'=');
        name = name.section(u'=', 0, 0);
        bool toolkit = false;
        for (const char* option : toolkitValueOptions) {
            if (name == QLatin1String(option)) {
                toolkit = true;
                if (!hasInlineValue)
                    ++i; // its value
            }
        }
        for (const char* flag : toolkitFlags)
            toolkit = toolkit || name == QLatin1String(flag);
        if (!toolkit)
            kept << argument;
    }
    return kept;
}

} // namespace

TInstanceReply failedReply(const QString& message)
{
    return {1, {}, message};
}

QString versionText()
{
    return QStringLiteral("Corvane %1").arg(QStringLiteral(CORVANE_VERSION));
}

// Breaks a text into lines of at most `width` characters at blanks, each line after the first
// indented by `indent`; a word longer than a line stands alone.
QString wrapped(const QString& text, qsizetype indent, qsizetype width)
{
    QString out;
    qsizetype lineLength = 0;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            out += u'\n' + QString(indent, u' ');
            lineLength = 0;
        } else if (lineLength > 0) {
            out += u' ';
            ++lineLength;
        }
        out += word;
        lineLength += word.size();
    }
    return out;
}

QString commandLineHelp()
{
    constexpr qsizetype width = 79;
    constexpr qsizetype column = 22; // where the descriptions begin
    QString help = text("Usage: corvane [OPTION]") + u'\n'
        + wrapped(text("Corvane is a countdown timer. Without an option it starts, or brings "
                       "the Corvane that runs to the front."),
            0, width)
        + QStringLiteral("\n\n");
    for (const OptionRow& row : optionRows) {
        const QString names = QStringLiteral("  ") + text(row.names);
        help += names.size() < column ? names.leftJustified(column)
                                      : names + u'\n' + QString(column, u' ');
        help += wrapped(text(row.description), column, width - column) + u'\n';
    }
    help += u'\n'
        + wrapped(text("--start, --pause, --stop and --list reach the Corvane that runs for "
                       "this folder; --start starts one when none runs."),
            0, width)
        + u'\n';
    return help;
}

DurationRead readDuration(const QString& typed)
{
    const QString value = typed.trimmed();
    // Only what begins like a number is taken for a duration; anything else may be a title.
    static const QRegularExpression numberLike(QStringLiteral("^[-+]?\\d"));
    if (!numberLike.match(value).hasMatch())
        return {};
    if (value.startsWith(u'-'))
        return invalid(text("A duration cannot be negative: '%1'.").arg(typed));
    const QString unsignedValue = value.startsWith(u'+') ? value.mid(1) : value;

    static const QRegularExpression clock(QStringLiteral("^(?:(\\d+):)?(\\d+):(\\d+)$"));
    static const QRegularExpression units(
        QStringLiteral("^(?:(\\d+)\\s*h)?\\s*(?:(\\d+)\\s*m)?\\s*(?:(\\d+)\\s*s)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QString notADuration = text("'%1' is not a duration. Give seconds (90), units (5m, "
                                      "1h30m) or a time (00:05:00).")
                                     .arg(typed);
    qint64 parts[3] = {0, 0, 0};
    if (const auto match = clock.match(unsignedValue); match.hasMatch()) {
        for (int i = 0; i < 3; ++i)
            if (match.capturedLength(i + 1) > 0 && !readNumber(match.captured(i + 1), &parts[i]))
                return invalid(text("'%1' is longer than 99:59:59.").arg(typed));
        if (parts[1] > 59 || parts[2] > 59)
            return invalid(text("Minutes and seconds go up to 59: '%1'.").arg(typed));
        return checkedTotal(typed, parts[0] * 3600 + parts[1] * 60 + parts[2]);
    }
    if (const auto match = units.match(unsignedValue); match.hasMatch()) {
        bool any = false;
        for (int i = 0; i < 3; ++i) {
            if (match.capturedLength(i + 1) == 0)
                continue;
            any = true;
            if (!readNumber(match.captured(i + 1), &parts[i]))
                return invalid(text("'%1' is longer than 99:59:59.").arg(typed));
        }
        if (any)
            return checkedTotal(typed, parts[0] * 3600 + parts[1] * 60 + parts[2]);
    }
    // Plain seconds: the units pattern also takes an empty unit list, so digits come here.
    qint64 seconds = 0;
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    if (digits.match(unsignedValue).hasMatch()) {
        if (!readNumber(unsignedValue, &seconds))
            return invalid(text("'%1' is longer than 99:59:59.").arg(typed));
        return checkedTotal(typed, seconds);
    }
    return invalid(notADuration);
}

CommandRead readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption start(QStringLiteral("start"), QString(), QStringLiteral("value"));
    const QCommandLineOption message(QStringLiteral("message"), QString(), QStringLiteral("text"));
    const QCommandLineOption pause(QStringLiteral("pause"));
    const QCommandLineOption stop(QStringLiteral("stop"));
    const QCommandLineOption list(QStringLiteral("list"));
    parser.addOptions({help, version, start, message, pause, stop, list});

    CommandRead read;
    if (!parser.parse(withoutToolkitOptions(arguments))) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString dashes
                = unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            read.error = text("Unknown option '%1'.").arg(dashes + unknown.first());
        } else {
            // The only other complaint: an option that takes a value got none.
            for (const QString& name : {QStringLiteral("start"), QStringLiteral("message")})
                if (arguments.endsWith(QStringLiteral("--") + name)
                    || arguments.endsWith(QStringLiteral("-") + name))
                    read.error = text("'--%1' needs a value.").arg(name);
            if (read.error.isEmpty())
                read.error = parser.errorText();
        }
        read.error += u' ' + tryHelp();
        return read;
    }
    if (!parser.positionalArguments().isEmpty()) {
        read.error = text("Unexpected argument '%1'.").arg(parser.positionalArguments().first())
            + u' ' + tryHelp();
        return read;
    }
    // Help and version answer whatever else is on the line.
    if (parser.isSet(help) || parser.isSet(version)) {
        read.command.kind = parser.isSet(help) ? CommandKind::Help : CommandKind::Version;
        return read;
    }
    struct Choice {
        const QCommandLineOption* option;
        CommandKind kind;
    };
    const Choice choices[] = {{&start, CommandKind::Start}, {&pause, CommandKind::Pause},
        {&stop, CommandKind::Stop}, {&list, CommandKind::List}};
    QStringList given;
    for (const Choice& choice : choices) {
        if (!parser.isSet(*choice.option))
            continue;
        given << QStringLiteral("--") + choice.option->names().constLast();
        if (read.command.kind == CommandKind::None)
            read.command.kind = choice.kind;
    }
    if (parser.values(start).size() > 1)
        given << QStringLiteral("--start");
    if (given.size() > 1) {
        read.error = text("Give one command at a time, not %1 and %2.").arg(given[0], given[1]);
        read.command = {};
        return read;
    }
    read.command.value = parser.value(start);
    read.command.hasMessage = parser.isSet(message);
    read.command.message = parser.value(message);
    if (read.command.hasMessage && read.command.kind != CommandKind::Start) {
        read.error = text("'--message' goes with '--start' and a duration.") + u' ' + tryHelp();
        read.command = {};
    }
    return read;
}

} // namespace corvane
