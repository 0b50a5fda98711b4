// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <map>
#include <memory>

namespace corvane::rtf {

// The Windows code page a font's \fcharset stands for; 0 when the charset says "use the
// document's code page" (ANSI, default, symbol and unknown charsets).
int codePageForCharset(int charset);

// Turns the bytes of RTF text (plain bytes and \'hh escapes) into Unicode for a Windows code
// page. Windows-1252 and plain ASCII take a fast path; other code pages go through Qt's
// converters, created once per code page. A code page Qt does not know decodes as 1252.
class CodePageDecoder {
public:
    QString decode(int codePage, QByteArrayView bytes);

private:
    QStringDecoder* decoderFor(int codePage);

    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

} // namespace corvane::rtf
