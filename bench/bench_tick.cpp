// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The pure part of a countdown tick, ten times a second: the time left as text, the progress
// picture's height and the tray icon's index.
#include "app/CountdownMath.h"

#include <benchmark/benchmark.h>

using namespace corvane;

namespace {

void tick(benchmark::State& state)
{
    const TDateTime start = 45000.99;
    const TDateTime end = start + editorDuration(1, 30, 0);
    const int total = SecondsBetween(end, start);
    int step = 0;
    for (auto _ : state) {
        const TDateTime now = start + (step++ % 54000) * 100 / millisecondsPerDay;
        QString text = spanText(end - now);
        const int height = progressHeight(SecondsBetween(end, now), total, 118);
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(trayIconIndex(height, 118));
    }
}
BENCHMARK(tick);

} // namespace

BENCHMARK_MAIN();
