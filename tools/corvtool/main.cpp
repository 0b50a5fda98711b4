// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// corvtool: Corvane's file formats from the command line, for scripts, diagnosis and for
// checking them against other implementations.
#include "Commands.h"

#include "platform/CorvaneError.h"

#include <QApplication>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>

namespace corvtool {

QByteArray readAllStdin()
{
    std::string data((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    return QByteArray(data.data(), qsizetype(data.size()));
}

void printOut(const QString& text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
}

void printErr(const QString& text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
}

namespace {
struct Command {
    const char* name;
    const char* usage;
    int minArgs;
    int (*run)(const QStringList&);
};

constexpr Command commands[] = {
    {"profile-get", "FILE SECTION KEY DEFAULT", 4, profileGet},
    {"profile-set", "FILE SECTION KEY VALUE", 4, profileSet},
    {"commatext-split", "(text on stdin)", 0, commaTextSplit},
    {"commatext-join", "(lines on stdin)", 0, commaTextJoin},
    {"list-split", "(text on stdin)", 0, listSplit},
    {"rtf-text", "FILE", 1, rtfText},
    {"rtf-pdf", "FILE OUT.pdf", 2, rtfPdf},
    {"tree-text", "FILE", 1, treeText},
    {"timelist-add", "FILE TITLE SECONDS MESSAGE [SOUND]", 4, timelistAdd},
    {"autostart-entry", "EXECUTABLE", 1, autostartEntry},
    {"hex-encode", "(bytes on stdin)", 0, hexEncode},
    {"hex-decode", "(hexadecimal text on stdin)", 0, hexDecode},
    {"theme-pack",
        "OUT.thm BACKGROUND.bmp PROGRESS.bmp START.bmp PAUSE.bmp STOP.bmp FONT FONTCOLOR "
        "BACKCOLOR",
        9, themePack},
    {"theme-unpack", "FILE DIR", 2, themeUnpack},
};

int usage()
{
    printErr(QStringLiteral("usage: corvtool COMMAND ARGS...\n"));
    for (const Command& c : commands)
        printErr(QStringLiteral("  corvtool %1 %2\n")
                     .arg(QLatin1String(c.name), QLatin1String(c.usage)));
    return 2;
}
} // namespace
} // namespace corvtool

int main(int argc, char** argv)
{
    using namespace corvtool;
    // Laying pages out needs fonts and widgets; the other commands stay without a display.
    const bool needsWidgets = argc > 1 && QByteArray(argv[1]) == "rtf-pdf";
    if (needsWidgets && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // nothing is shown
    std::unique_ptr<QCoreApplication> app = needsWidgets
        ? std::make_unique<QApplication>(argc, argv)
        : std::make_unique<QCoreApplication>(argc, argv);
    if (argc < 2)
        return usage();
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args << QString::fromUtf8(argv[i]);
    const QByteArray name(argv[1]);
    for (const Command& c : commands) {
        if (name != c.name)
            continue;
        if (args.size() < c.minArgs)
            return usage();
        try {
            return c.run(args);
        } catch (const corvane::CorvaneError& e) {
            printErr(e.text() + QLatin1Char('\n'));
            return 1;
        }
    }
    return usage();
}
