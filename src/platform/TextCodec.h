// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace corvane {

// How a text file was stored, so it can be written back the same way.
enum class TextEncoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Windows1252 };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// UTF-16 after its byte-order mark, UTF-8 after its byte-order mark, otherwise UTF-8 when every
// byte sequence is valid UTF-8 and Windows-1252 when one is not (the whole file, not per line).
// The five bytes Windows-1252 leaves undefined map to U+0081, U+008D, U+008F, U+0090, U+009D so
// every such file decodes and encodes back unchanged. The byte-order mark is not part of text.
DecodedText decodeText(QByteArrayView bytes);

// Encodes text as `encoding` says, with its byte-order mark. A Windows-1252 text holding a
// character that code page lacks is encoded whole as UTF-8 without mark, and `encoding` is set
// to Utf8 so the caller knows.
QByteArray encodeText(const QString& text, TextEncoding& encoding);

// The encoding decodeText would choose for `bytes`, and the size of that encoding's mark.
TextEncoding detectEncoding(QByteArrayView bytes);
qsizetype byteOrderMarkSize(TextEncoding encoding);

// A piece of a file without its byte-order mark, decoded or encoded as `encoding` says, so a
// file can be changed piece by piece. UTF-16 keeps unpaired surrogates as they are; a
// trailing odd byte decodes as U+FFFD. encodeAs fails only for Windows-1252.
QString decodeAs(QByteArrayView piece, TextEncoding encoding);
bool encodeAs(QStringView text, TextEncoding encoding, QByteArray& out);

// Strict: no overlong forms, no surrogates, nothing above U+10FFFF, no cut-off sequence.
bool isValidUtf8(QByteArrayView bytes);
QString decodeWindows1252(QByteArrayView bytes);
// False when some character has no Windows-1252 byte.
bool encodeWindows1252(const QString& text, QByteArray& out);

} // namespace corvane
