// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The RTF reader must survive any bytes: no crash, no hang, memory bounded by the input.
#include "richedit/RichTextFile.h"

#include <QCoreApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QTextDocument document;
    corvane::loadRichText(
        document, QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    (void)corvane::documentText(document);
    return 0;
}
