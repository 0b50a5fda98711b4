// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "timelist/TreeText.h"

namespace corvane {

namespace {

bool isIndent(QChar c)
{
    return c == QLatin1Char('\t') || c == QLatin1Char(' ');
}

// The next line of text from pos on, without its line end; pos moves past the line end.
QStringView nextLine(QStringView text, qsizetype& pos)
{
    const qsizetype start = pos;
    while (pos < text.size() && text[pos] != QLatin1Char('\r') && text[pos] != QLatin1Char('\n'))
        ++pos;
    const QStringView line = text.mid(start, pos - start);
    // CR LF, a lone CR and a lone LF each end one line.
    if (pos < text.size() && text[pos] == QLatin1Char('\r'))
        ++pos;
    if (pos < text.size() && text[pos] == QLatin1Char('\n'))
        ++pos;
    return line;
}

} // namespace

TreeTextRead readTreeText(QStringView text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text = text.left(nul);

    TreeTextRead result;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const QStringView line = nextLine(text, pos);
        qsizetype count = 0;
        while (count < line.size() && isIndent(line[count]))
            ++count;
        const QString nodeText = line.mid(count).toString();
        if (result.lines.empty()) {
            result.lines.push_back({0, nodeText});
            continue;
        }
        const int previous = result.lines.back().depth;
        if (count > previous + 1) {
            // A line of megabytes would make a message box no one can read or close.
            constexpr qsizetype shown = 200;
            const QString item = nodeText.size() > shown
                ? nodeText.left(shown) + QChar(0x2026) // ellipsis
                : nodeText;
            result.error
                = QStringLiteral("Invalid level (%1) for item \"%2\"").arg(count).arg(item);
            break;
        }
        result.lines.push_back({int(count), nodeText});
    }
    return result;
}

QString writeTreeText(const std::vector<TreeLine>& lines)
{
    qsizetype size = 0;
    for (const TreeLine& l : lines)
        size += l.depth + l.text.size() + 2;
    QString out;
    out.reserve(size);
    for (const TreeLine& l : lines) {
        out.append(QString(l.depth, QLatin1Char('\t')));
        out.append(l.text);
        out.append(QLatin1String("\r\n"));
    }
    return out;
}

} // namespace corvane
