// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace corvane {

// Whole numbers of 32 bits as Corvane's files hold them. One reading for all of them, so a
// number reads alike from the settings and from the countdown list. The text is the number
// and nothing else: a blank, a second sign, a fraction or any other character makes it no
// number. Leading zeros do not count against the number's size ("007", "00000000001").

// An optional "+" or "-", then decimal digits; nothing for an empty text or a value outside
// the signed 32-bit range.
std::optional<int> parseDecimalInt(QStringView text);

// Decimal as above, or "0x"/"0X" and hexadecimal digits without a sign; the hexadecimal
// digits take all 32 bits, so the colour 0x80000005 reads as the negative number it is
// stored as. What profile files write for numbers and colours.
std::optional<int> parseInteger(QStringView text);

} // namespace corvane
