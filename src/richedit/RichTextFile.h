// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QTextDocument;

// Corvane's rich-text engine: RtfTokenizer splits the bytes, RtfReader follows groups, formats
// and destinations, RtfDocumentBuilder writes the QTextDocument that TRichEdit (RichEdit.h)
// shows. RichTextLinks finds web addresses, RichTextRange lays a document out page by page.
namespace corvane {

// True when the bytes start (after blanks) with the RTF signature "{\rtf".
bool looksLikeRtf(QByteArrayView bytes);

// Replaces the document's content with `bytes`: RTF is read by the RTF reader, anything else
// is taken as plain text (decoded as DESIGN's text rules say). Never fails.
void loadRichText(QTextDocument& document, QByteArrayView bytes);

// The whole file; throws CorvaneError "Cannot open file %s" when it cannot be read, is no
// regular file or is larger than the largest help text (FileLimit::help).
QByteArray readRichTextFile(const QString& path);

// The text as the control holds it: each paragraph followed by one LF, line breaks within a
// paragraph as LF; table cells end in a TAB, pictures are U+FFFC. A list item begins with its
// marker and a TAB ("•\tFirst item", " 1.\tStep one"), as they are text in the document.
QString documentText(const QTextDocument& document);

} // namespace corvane
