// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfTestSupport.h"

#include "richedit/RichTextFile.h"

#include <QTextBlock>

namespace corvane::test {

std::unique_ptr<QTextDocument> readRtf(const QByteArray& rtf)
{
    auto document = std::make_unique<QTextDocument>();
    loadRichText(*document, rtf);
    return document;
}

std::vector<TextRun> blockRuns(const QTextBlock& block)
{
    std::vector<TextRun> runs;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        const QTextCharFormat c = f.charFormat();
        TextRun r{f.text(), c.fontWeight() >= QFont::Bold, c.fontItalic(), c.fontUnderline(),
            c.hasProperty(QTextFormat::ForegroundBrush) ? c.foreground().color().name()
                                                        : QString()};
        r.text.replace(QChar::LineSeparator, QLatin1Char('\n'));
        if (!runs.empty() && runs.back().bold == r.bold && runs.back().italic == r.italic
            && runs.back().underline == r.underline && runs.back().colour == r.colour)
            runs.back().text += r.text;
        else
            runs.push_back(r);
    }
    return runs;
}

void PrintTo(const TextRun& r, std::ostream* os)
{
    *os << '"' << r.text.toStdString() << "\" b" << r.bold << " i" << r.italic << " u"
        << r.underline << ' ' << r.colour.toStdString();
}

QString plainText(const QTextDocument& document)
{
    return documentText(document);
}

} // namespace corvane::test
