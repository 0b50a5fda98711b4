// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextCodec.h"

#include <QStringDecoder>
#include <array>

namespace corvane {

namespace {
// Windows-1252 bytes 0x80..0x9F; the five bytes the code page leaves undefined stand for the
// C1 control of the same number so that every byte has a character.
constexpr std::array<char16_t, 32> cp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

const QByteArray utf8Mark("\xEF\xBB\xBF");

bool startsWith(QByteArrayView bytes, const char* mark, qsizetype size)
{
    return bytes.size() >= size && bytes.first(size) == QByteArrayView(mark, size);
}

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence starting at `i`, or 0.
qsizetype utf8SequenceLength(QByteArrayView b, qsizetype i)
{
    const auto c = static_cast<unsigned char>(b[i]);
    if (c < 0x80)
        return 1;
    qsizetype n = 0;
    unsigned char lo = 0x80, hi = 0xBF; // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        lo = c == 0xE0 ? 0xA0 : 0x80;
        hi = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        lo = c == 0xF0 ? 0x90 : 0x80;
        hi = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + n > b.size())
        return 0;
    const auto second = static_cast<unsigned char>(b[i + 1]);
    if (second < lo || second > hi)
        return 0;
    for (qsizetype k = 2; k < n; ++k) {
        if (!isContinuation(static_cast<unsigned char>(b[i + k])))
            return 0;
    }
    return n;
}

// QString::fromUtf8 would drop a U+FEFF that starts the piece, which is text here: the
// file's own mark is never part of a piece.
QString decodeUtf8(QByteArrayView b)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(b);
}

QString decodeUtf16(QByteArrayView b, bool littleEndian)
{
    const qsizetype units = b.size() / 2;
    QString out(units + (b.size() % 2), Qt::Uninitialized);
    char16_t* d = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < units; ++i) {
        const auto first = static_cast<unsigned char>(b[2 * i]);
        const auto second = static_cast<unsigned char>(b[2 * i + 1]);
        d[i] = littleEndian ? char16_t(first | (second << 8)) : char16_t((first << 8) | second);
    }
    if (b.size() % 2)
        d[units] = QChar::ReplacementCharacter;
    return out;
}

QByteArray encodeUtf16(QStringView text, bool littleEndian)
{
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        out[2 * i] = char(littleEndian ? u & 0xFF : u >> 8);
        out[2 * i + 1] = char(littleEndian ? u >> 8 : u & 0xFF);
    }
    return out;
}

int windows1252Byte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (size_t i = 0; i < cp1252High.size(); ++i) {
        if (cp1252High[i] == u)
            return int(0x80 + i);
    }
    return -1;
}

bool encodeWindows1252View(QStringView text, QByteArray& out)
{
    out.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = windows1252Byte(text[i].unicode());
        if (b < 0)
            return false;
        out[i] = char(b);
    }
    return true;
}
} // namespace

bool isValidUtf8(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype n = utf8SequenceLength(bytes, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t* d = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        d[i] = (c >= 0x80 && c < 0xA0) ? cp1252High[c - 0x80] : char16_t(c);
    }
    return out;
}

bool encodeWindows1252(const QString& text, QByteArray& out)
{
    return encodeWindows1252View(text, out);
}

TextEncoding detectEncoding(QByteArrayView bytes)
{
    if (startsWith(bytes, "\xFF\xFE", 2))
        return TextEncoding::Utf16LE;
    if (startsWith(bytes, "\xFE\xFF", 2))
        return TextEncoding::Utf16BE;
    if (startsWith(bytes, "\xEF\xBB\xBF", 3))
        return TextEncoding::Utf8Bom;
    return isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

qsizetype byteOrderMarkSize(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        return 2;
    case TextEncoding::Utf8Bom:
        return 3;
    default:
        return 0;
    }
}

QString decodeAs(QByteArrayView piece, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf16LE:
        return decodeUtf16(piece, true);
    case TextEncoding::Utf16BE:
        return decodeUtf16(piece, false);
    case TextEncoding::Windows1252:
        return decodeWindows1252(piece);
    default:
        return decodeUtf8(piece);
    }
}

bool encodeAs(QStringView text, TextEncoding encoding, QByteArray& out)
{
    switch (encoding) {
    case TextEncoding::Utf16LE:
        out = encodeUtf16(text, true);
        return true;
    case TextEncoding::Utf16BE:
        out = encodeUtf16(text, false);
        return true;
    case TextEncoding::Windows1252:
        return encodeWindows1252View(text, out);
    default:
        out = text.toUtf8();
        return true;
    }
}

DecodedText decodeText(QByteArrayView bytes)
{
    DecodedText d;
    d.encoding = detectEncoding(bytes);
    d.text = decodeAs(bytes.sliced(byteOrderMarkSize(d.encoding)), d.encoding);
    return d;
}

QByteArray encodeText(const QString& text, TextEncoding& encoding)
{
    QByteArray body;
    if (!encodeAs(text, encoding, body)) {
        encoding = TextEncoding::Utf8;
        body = text.toUtf8();
    }
    switch (encoding) {
    case TextEncoding::Utf16LE:
        return QByteArray("\xFF\xFE", 2) + body;
    case TextEncoding::Utf16BE:
        return QByteArray("\xFE\xFF", 2) + body;
    case TextEncoding::Utf8Bom:
        return utf8Mark + body;
    default:
        return body;
    }
}

} // namespace corvane
