// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The countdown list's reader: any bytes must read without crash or hang, and what was read
// must write and read back to the same nodes.
#include "platform/TextCodec.h"
#include "timelist/TimerEntry.h"
#include "timelist/TreeText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace corvane;
    const DecodedText decoded
        = decodeText(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    TreeTextRead read = readTreeText(decoded.text);
    if (readTreeText(writeTreeText(read.lines)).lines != read.lines)
        std::abort();
    addEntry(read.lines, {QStringLiteral("Tea"), QStringLiteral("m"), QString(), 60});
    const TreeTextRead again = readTreeText(writeTreeText(read.lines));
    if (!again.error.isEmpty() || again.lines != read.lines)
        std::abort();
    return 0;
}
