// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Comma text and language-script list values from the command line: one entry per line in
// brackets, so empty entries and blanks at either end stay visible.
#include "Commands.h"

#include "common/CommaText.h"
#include "lang/LangScript.h"

namespace corvtool {

namespace {
// All of stdin as one text, less the one line end that closes it.
QString stdinText()
{
    QByteArray bytes = readAllStdin();
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    return QString::fromUtf8(bytes);
}

// Each line of stdin is one item; the last LF ends the last item rather than adding one.
QStringList stdinLines()
{
    const QString text = QString::fromUtf8(readAllStdin());
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    return lines;
}

int printEntries(const QStringList& entries)
{
    for (const QString& entry : entries)
        printOut(QLatin1Char('[') + entry + QStringLiteral("]\n"));
    return 0;
}
} // namespace

int commaTextSplit(const QStringList&)
{
    return printEntries(corvane::commaTextSplit(stdinText()));
}

int commaTextJoin(const QStringList&)
{
    printOut(corvane::commaTextJoin(stdinLines()) + QLatin1Char('\n'));
    return 0;
}

int listSplit(const QStringList&)
{
    return printEntries(corvane::splitListValue(stdinText()));
}

} // namespace corvtool
