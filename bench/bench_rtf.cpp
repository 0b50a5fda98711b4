// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// RTF reading throughput on a generated word-processor document of about 5 MB: paragraphs of
// ordinary text with bold and italic runs, colour changes, code-page escapes and the odd
// Unicode character, as a help file or letter would have.
#include "richedit/RichTextFile.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

QByteArray wordProcessorRtf(qsizetype targetSize)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                     "{\\f1\\froman\\fcharset0 Times New Roman;}}\r\n"
                     "{\\colortbl ;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}\r\n"
                     "\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    const char* sentences[] = {
        "The countdown starts when you press {\\b Start}; it can be paused at any time. ",
        "Each entry has a name, a duration and a message, which appear in the alarm dialog. ",
        "Gr\\'f6\\'dfe und L\\'e4nge werden \\'fcbernommen, auch \\u8364? Betr\\'e4ge. ",
        "{\\i Tip:} choose a wave file for the alarm; \\cf1 blue text\\cf0  marks a heading. ",
        "Settings are kept in the configuration file beside the program folder. ",
    };
    int n = 0;
    while (rtf.size() < targetSize) {
        for (int s = 0; s < 6; ++s)
            rtf += sentences[(n + s) % 5];
        rtf += (++n % 7 == 0) ? "\\par\r\n\\pard\\sb120\\sa120\\qj " : "\\par\r\n";
    }
    return rtf + "}";
}

void readRtf(benchmark::State& state)
{
    const QByteArray rtf = wordProcessorRtf(5 * 1024 * 1024);
    for (auto _ : state) {
        QTextDocument document;
        corvane::loadRichText(document, rtf);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(readRtf)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

int main(int argc, char** argv)
{
    // CORVANE_BENCH_RTF_OUT=FILE writes the document and stops, so other readers can be timed
    // on the very same file (bench/rtf_vs_soffice.sh).
    if (const QByteArray out = qgetenv("CORVANE_BENCH_RTF_OUT"); !out.isEmpty()) {
        QFile file(QString::fromLocal8Bit(out));
        return file.open(QIODevice::WriteOnly) && file.write(wordProcessorRtf(5 * 1024 * 1024)) > 0
            ? 0
            : 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
