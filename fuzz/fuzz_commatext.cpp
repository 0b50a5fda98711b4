// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Comma text: read arbitrary text, write the entries back and read them again; the entries must
// survive (except the one list that is written as nothing: a single empty entry), and the text
// written must be stable. List values of language scripts must give back their value when the
// entries are joined with commas again.
#include "common/CommaText.h"
#include "lang/LangScript.h"

#include <cstdint>
#include <cstdlib>

using namespace corvane;

namespace {
// The first byte picks the reading: UTF-8 text, or raw UTF-16 code units so that lone
// surrogates and every control character are reached too.
QString textOf(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    const auto* bytes = reinterpret_cast<const char*>(data + 1);
    const auto n = qsizetype(size - 1);
    if (data[0] & 1)
        return QString::fromUtf8(bytes, n);
    return QString(reinterpret_cast<const QChar*>(bytes), n / 2);
}

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void checkCommaText(const QString& text)
{
    const QStringList entries = commaTextSplit(text);
    const QString written = commaTextJoin(entries);
    const QStringList reread = commaTextSplit(written);
    if (entries == QStringList{QString()})
        check(reread.isEmpty());
    else
        check(reread == entries);
    check(commaTextJoin(reread) == written);
}

void checkListValue(const QString& value)
{
    const QString joined = splitListValue(value).join(QLatin1Char(','));
    check(joined == value || joined + QLatin1Char(',') == value);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = textOf(data, size);
    checkCommaText(text);
    checkListValue(text);
    return 0;
}
