// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Printing: a 200-page document paginated into page pictures, one page replayed into the
// preview's page box at Fit To Page, and the memory the 200 recorded pages take.
#include "print/PrevPrinter.h"
#include "richedit/RichEdit.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

QString helpLikeText(int paragraphs)
{
    const QString sentences[] = {
        QStringLiteral("The countdown starts when you press Start; it can be paused at any time. "),
        QStringLiteral("Each entry has a name, a duration and a message for the alarm dialog. "),
        QStringLiteral("Choose a wave file for the alarm, or keep the sound that comes with it. "),
        QStringLiteral("Settings are kept in the configuration file beside the program folder. "),
    };
    QString text;
    for (int p = 0; p < paragraphs; ++p) {
        for (int s = 0; s < 5; ++s)
            text += sentences[(p + s) % 4];
        text += QLatin1Char('\n');
    }
    return text;
}

long rssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return 0;
}

// About 200 pages of Letter at the screen's resolution with the default margins.
corvane::TRichEdit& source()
{
    static corvane::TRichEdit edit;
    static const bool filled = (edit.setPlainText(helpLikeText(2695)), true);
    Q_UNUSED(filled);
    return edit;
}

// First, so the heap has not yet grown for the other runs.
void memoryFor200Pages(benchmark::State& state)
{
    for (auto _ : state) {
        source();
        const long before = rssKiB();
        corvane::TPreviewPrinter printer;
        printer.PaginateRichText(source());
        state.counters["pages"] = printer.PageCount();
        state.counters["rss_growth_MiB"] = double(rssKiB() - before) / 1024.0;
        qint64 bytes = 0;
        for (int i = 0; i < printer.PageCount(); ++i)
            bytes += printer.Pages(i).picture.size();
        state.counters["pictures_MiB"] = double(bytes) / (1024.0 * 1024.0);
    }
}
BENCHMARK(memoryFor200Pages)->Iterations(1)->Unit(benchmark::kMillisecond);

void paginate200Pages(benchmark::State& state)
{
    for (auto _ : state) {
        corvane::TPreviewPrinter printer;
        printer.PaginateRichText(source());
        state.counters["pages"] = printer.PageCount();
    }
}
BENCHMARK(paginate200Pages)->Unit(benchmark::kMillisecond);

void replayPageAtFitToPage(benchmark::State& state)
{
    corvane::TPreviewPrinter printer;
    printer.PaginateRichText(source());
    // A page box fitted into a 1080-line screen less the toolbar: about 790 × 1020.
    QImage box(790, 1020, QImage::Format_ARGB32_Premultiplied);
    const corvane::PagePicture& page = printer.Pages(100);
    for (auto _ : state) {
        box.fill(Qt::white);
        QPainter p(&box);
        p.scale(double(box.width()) / page.width, double(box.height()) / page.height);
        corvane::replayPage(p, page);
    }
}
BENCHMARK(replayPageAtFitToPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
