// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// corvtool rtf-text: the plain text Corvane's rich-text engine reads from an RTF file.
#include "Commands.h"

#include "richedit/RichTextFile.h"

#include <QTextDocument>

namespace corvtool {

int rtfText(const QStringList& args)
{
    QTextDocument document;
    corvane::loadRichText(document, corvane::readRichTextFile(args.at(0)));
    printOut(corvane::documentText(document));
    return 0;
}

} // namespace corvtool
