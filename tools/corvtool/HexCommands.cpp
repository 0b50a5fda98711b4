// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The hexadecimal codec of theme files from the command line.
#include "Commands.h"

#include "common/Global.h"

#include <cstdio>

namespace corvtool {

// Every byte of stdin as hexadecimal text, then a line end.
int hexEncode(const QStringList&)
{
    printOut(corvane::StrToHex(readAllStdin()) + QLatin1Char('\n'));
    return 0;
}

// The bytes of the hexadecimal text on stdin (less one closing line end), written raw; text
// with a pair that is no hexadecimal number gives nothing, as the codec does.
int hexDecode(const QStringList&)
{
    QByteArray text = readAllStdin();
    if (text.endsWith('\n'))
        text.chop(1);
    const QByteArray bytes = corvane::HexToStr(QString::fromUtf8(text));
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    return 0;
}

} // namespace corvtool
