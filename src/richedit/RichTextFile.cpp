// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RichTextFile.h"

#include "RtfReader.h"
#include "platform/CorvaneError.h"
#include "platform/TextCodec.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>

namespace corvane {

namespace {
// Far beyond any help or donation text; keeps a wrong file from exhausting memory.
constexpr qint64 kMaxFileSize = 256 * 1024 * 1024;
} // namespace

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        throw CorvaneError(QStringLiteral("Cannot open file %s"), path);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw CorvaneError(QStringLiteral("Cannot open file %s"), path);
    return bytes;
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
