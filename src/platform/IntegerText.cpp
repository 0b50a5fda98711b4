// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IntegerText.h"

#include <limits>

namespace corvane {

namespace {
int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int d = base;
    if (u >= '0' && u <= '9')
        d = u - '0';
    else if ((u | 0x20) >= 'a' && (u | 0x20) <= 'z')
        d = (u | 0x20) - 'a' + 10;
    return d < base ? d : -1;
}

// The digits' value, or nothing when one is no digit of the base or the value needs more
// than 32 bits. The value stops growing past 32 bits, so any number of digits is safe.
std::optional<quint32> digitsValue(QStringView digits, int base)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (QChar c : digits) {
        const int d = digitValue(c, base);
        if (d < 0)
            return std::nullopt;
        value = value * quint64(base) + quint64(d);
        if (value > std::numeric_limits<quint32>::max())
            return std::nullopt;
    }
    return quint32(value);
}
} // namespace

std::optional<int> parseDecimalInt(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    const QStringView digits = (negative || text.startsWith(u'+')) ? text.sliced(1) : text;
    const std::optional<quint32> magnitude = digitsValue(digits, 10);
    if (!magnitude)
        return std::nullopt;
    const qint64 value = negative ? -qint64(*magnitude) : qint64(*magnitude);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

std::optional<int> parseInteger(QStringView text)
{
    if (!text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return parseDecimalInt(text);
    if (const std::optional<quint32> bits = digitsValue(text.sliced(2), 16))
        return int(*bits);
    return std::nullopt;
}

} // namespace corvane
