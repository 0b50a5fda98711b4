// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The hexadecimal codec: any text decodes without a crash; what decodes encodes back to the
// text's even-length prefix in upper case, and every byte string survives the round trip.
#include "common/Global.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>

using namespace corvane;

namespace {
void check(bool ok)
{
    if (!ok)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    check(HexToStr(StrToHex(bytes)) == bytes);

    const QString text = QString::fromLatin1(bytes);
    const QByteArray decoded = HexToStr(text);
    const QString prefix = text.left(text.size() / 2 * 2);
    if (!decoded.isEmpty()) {
        check(StrToHex(decoded) == prefix.toUpper());
    } else {
        // Refused only for a character that is not a hexadecimal digit.
        const auto isDigit = [](QChar c) { return std::isxdigit(c.unicode()) != 0; };
        check(std::all_of(prefix.begin(), prefix.end(), isDigit) == prefix.isEmpty());
    }
    return 0;
}
