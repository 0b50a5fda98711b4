// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextCodec.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {
QByteArray bytes(const char* s, qsizetype n = -1)
{
    return n < 0 ? QByteArray(s) : QByteArray(s, n);
}

struct DecodeCase {
    const char* name;
    QByteArray input;
    TextEncoding encoding;
    QString text;
};

TEST(TextCodec, decodesByMarkThenByValidity)
{
    const DecodeCase cases[] = {
        {"empty", bytes(""), TextEncoding::Utf8, QString()},
        {"utf8",
            bytes("Gr\xc3\xb6\xc3\x9f"
                  "e"),
            TextEncoding::Utf8, QStringLiteral("Größe")},
        {"cp1252",
            bytes("Gr\xf6\xdf"
                  "e \x80"),
            TextEncoding::Windows1252, QStringLiteral("Größe €")},
        // One invalid byte makes the whole file Windows-1252, valid sequences included.
        {"mixed", bytes("\xc3\xa4 \xe9"), TextEncoding::Windows1252, QStringLiteral("Ã¤ é")},
        {"cut sequence", bytes("a\xc3"), TextEncoding::Windows1252, QStringLiteral("aÃ")},
        {"overlong", bytes("\xc0\xaf"), TextEncoding::Windows1252, QStringLiteral("À¯")},
        {"surrogate", bytes("\xed\xa0\x80"), TextEncoding::Windows1252, QStringLiteral("í\u00a0€")},
        {"above max", bytes("\xf4\x90\x80\x80"), TextEncoding::Windows1252,
            QStringLiteral("ô\u0090€€")},
        {"utf8 mark", bytes("\xef\xbb\xbfK\xef\xbb\xbf"), TextEncoding::Utf8Bom,
            QStringLiteral("K\ufeff")},
        {"utf16le", bytes("\xff\xfeK\0\x3c\xd8\x75\xdf", 8), TextEncoding::Utf16LE,
            QStringLiteral("K\U0001F375")},
        {"utf16be", bytes("\xfe\xff\0K\xdc\0", 6), TextEncoding::Utf16BE,
            QStringView(u"K\xdc00").toString()},
        {"utf16 odd byte", bytes("\xff\xfeK\0X", 5), TextEncoding::Utf16LE,
            QStringLiteral("K\ufffd")},
    };
    for (const DecodeCase& c : cases) {
        const DecodedText d = decodeText(c.input);
        EXPECT_EQ(d.encoding, c.encoding) << c.name;
        EXPECT_EQ(d.text, c.text) << c.name;
    }
}

TEST(TextCodec, everyWindows1252ByteRoundTrips)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    const DecodedText d = decodeText(all);
    ASSERT_EQ(d.encoding, TextEncoding::Windows1252);
    for (const char16_t undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(d.text[undefined - 1].unicode(), undefined);
    TextEncoding enc = d.encoding;
    EXPECT_EQ(encodeText(d.text, enc), all);
    EXPECT_EQ(enc, TextEncoding::Windows1252);
}

TEST(TextCodec, encodesWithMarkAndFallsBackToUtf8)
{
    TextEncoding enc = TextEncoding::Windows1252;
    EXPECT_EQ(encodeText(QStringLiteral("ü€"), enc), bytes("\xfc\x80"));
    EXPECT_EQ(enc, TextEncoding::Windows1252);
    EXPECT_EQ(encodeText(QStringLiteral("üŁ"), enc), bytes("\xc3\xbc\xc5\x81"));
    EXPECT_EQ(enc, TextEncoding::Utf8);

    enc = TextEncoding::Utf8Bom;
    EXPECT_EQ(encodeText(QStringLiteral("ä"), enc), bytes("\xef\xbb\xbf\xc3\xa4"));
    enc = TextEncoding::Utf16LE;
    EXPECT_EQ(encodeText(QStringView(u"K\xd800").toString(), enc), bytes("\xff\xfeK\0\0\xd8", 6));
    enc = TextEncoding::Utf16BE;
    EXPECT_EQ(encodeText(QStringLiteral("K"), enc), bytes("\xfe\xff\0K", 4));
}

TEST(TextCodec, piecesKeepALeadingByteOrderMarkCharacter)
{
    EXPECT_EQ(decodeAs(bytes("\xef\xbb\xbfK"), TextEncoding::Utf8), QStringLiteral("\ufeffK"));
    QByteArray out;
    EXPECT_FALSE(encodeAs(QStringLiteral("日"), TextEncoding::Windows1252, out));
}

} // namespace
