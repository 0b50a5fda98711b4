// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfCodePages.h"

#include "platform/TextCodec.h"

namespace corvane::rtf {

namespace {
struct CharsetPage {
    int charset;
    int codePage;
};

constexpr CharsetPage charsetPages[] = {
    {77, 10000},
    {128, 932},
    {129, 949},
    {130, 1361},
    {134, 936},
    {136, 950},
    {161, 1253},
    {162, 1254},
    {163, 1258},
    {177, 1255},
    {178, 1256},
    {186, 1257},
    {204, 1251},
    {222, 874},
    {238, 1250},
    {254, 437},
    {255, 850},
};

// Windows code page numbers as Qt's (ICU's) converters name them.
QByteArray converterName(int codePage)
{
    switch (codePage) {
    case 10000:
        return "macintosh";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 1361:
        return "johab";
    case 437:
    case 850:
    case 852:
    case 866:
        return "IBM" + QByteArray::number(codePage);
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}
} // namespace

int codePageForCharset(int charset)
{
    for (const CharsetPage& cp : charsetPages) {
        if (cp.charset == charset)
            return cp.codePage;
    }
    return 0;
}

QString CodePageDecoder::decode(int codePage, QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (codePage != 1252) {
        if (QStringDecoder* d = decoderFor(codePage))
            return d->decode(bytes);
    }
    return decodeWindows1252(bytes);
}

QStringDecoder* CodePageDecoder::decoderFor(int codePage)
{
    // Hostile input may name thousands of code pages; only a few are ever real.
    constexpr size_t kMaxDecoders = 32;
    auto it = m_decoders.find(codePage);
    if (it == m_decoders.end()) {
        if (m_decoders.size() >= kMaxDecoders)
            return nullptr;
        auto d = std::make_unique<QStringDecoder>(
            converterName(codePage).constData(), QStringConverter::Flag::Stateless);
        if (!d->isValid())
            d.reset();
        it = m_decoders.emplace(codePage, std::move(d)).first;
    }
    return it->second.get();
}

} // namespace corvane::rtf
