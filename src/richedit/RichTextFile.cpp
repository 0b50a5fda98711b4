// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RichTextFile.h"

#include "RtfReader.h"
#include "platform/CorvaneError.h"
#include "platform/FileRead.h"
#include "platform/TextCodec.h"

#include <QTextBlock>
#include <QTextDocument>

namespace corvane {

bool looksLikeRtf(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size()
        && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.sliced(i).startsWith("{\\rtf");
}

void loadRichText(QTextDocument& document, QByteArrayView bytes)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    if (looksLikeRtf(bytes))
        rtf::RtfReader::read(bytes, document);
    else
        document.setPlainText(decodeText(bytes).text);
    document.setUndoRedoEnabled(undo);
    document.setModified(false);
}

QByteArray readRichTextFile(const QString& path)
{
    // A pipe or a device would never end, a giant would exhaust memory.
    FileRead file = readRegularFile(path, FileLimit::help);
    if (!file.ok())
        throw CorvaneError(QStringLiteral("Cannot open file %s"), path);
    return std::move(file.bytes);
}

QString documentText(const QTextDocument& document)
{
    QString text;
    text.reserve(document.characterCount());
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        text += b.text();
        text += QLatin1Char('\n');
    }
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace corvane
