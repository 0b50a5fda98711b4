// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Global.h"

namespace corvane {

namespace {
int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}
} // namespace

QString StrToHex(QByteArrayView bytes)
{
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    QString text(bytes.size() * 2, Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        *out++ = QChar(digits[byte >> 4]);
        *out++ = QChar(digits[byte & 0x0F]);
    }
    return text;
}

QByteArray HexToStr(QStringView text)
{
    QByteArray bytes(text.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const int high = digitValue(text[2 * i]);
        const int low = digitValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return {};
        bytes[i] = char(high << 4 | low);
    }
    return bytes;
}

} // namespace corvane
