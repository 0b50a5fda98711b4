// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Settings files and language scripts far larger than real ones: what they cost the start
// and the exit of the main window, and how fast the profile parser reads. Each start finds
// the file freshly written, as a real start does, so no earlier parse helps it.
#include "BenchHome.h"
#include "app/ConfigFile.h"
#include "app/FrmMain.h"
#include "platform/ProfileDocument.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace corvane;

namespace {

QTemporaryDir* home = nullptr;
QByteArray smallIni;
QByteArray shippedScript;

// About `megabytes` of key lines in sections of a thousand keys, like a file that some tool
// kept appending to.
QByteArray filler(int megabytes)
{
    QByteArray text;
    text.reserve(megabytes * 1024 * 1024 + 4096);
    for (int n = 0; text.size() < megabytes * 1024 * 1024; ++n) {
        if (n % 1000 == 0)
            text += "[Extra section " + QByteArray::number(n / 1000) + "]\r\n";
        text += "Some key " + QByteArray::number(n) + " = a value of some length, number "
            + QByteArray::number(n * 7) + "\r\n";
    }
    return text;
}

void write(const QString& relative, const QByteArray& bytes)
{
    QFile f(home->filePath(relative));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::abort();
}

const QString iniName = QStringLiteral("Data/CORVANE.INI");
const QString scriptName = QStringLiteral("LScripts/German.lng");

void parseProfile(benchmark::State& state)
{
    const QByteArray bytes = smallIni + filler(6);
    for (auto _ : state)
        benchmark::DoNotOptimize(ProfileDocument(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(parseProfile)->Unit(benchmark::kMillisecond);

// The settings' dozen keys written into a 6 MB file, as one write: read, plan, write, sync.
void saveSettings(benchmark::State& state)
{
    write(iniName, smallIni + filler(6));
    ConfigFile config(home->filePath(iniName));
    TOptionsRec options;
    int n = 0;
    for (auto _ : state) {
        options.ProgFont.Color = ++n; // a change each time, so each write has work to do
        config.writeOptions(options, QPoint(n, n));
    }
}
BENCHMARK(saveSettings)->Unit(benchmark::kMillisecond);

// Arg 0: every file of normal size (the base line); 1: a 6 MB settings file; 2: a 5 MB script.
void setUpFiles(int kind)
{
    write(iniName, kind == 1 ? smallIni + filler(6) : smallIni);
    write(scriptName, kind == 2 ? shippedScript + filler(5) : shippedScript);
}

void start(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        setUpFiles(int(state.range(0)));
        state.ResumeTiming();
        auto form = std::make_unique<TFormMain>();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(start)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The close as the user answers it: the list and every setting written.
void exit(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        setUpFiles(int(state.range(0)));
        auto form = std::make_unique<TFormMain>();
        state.ResumeTiming();
        form->close();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(exit)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    home = &dir;
    makeBenchHome(dir, "German");
    QFile ini(dir.filePath(iniName)), script(dir.filePath(scriptName));
    if (!ini.open(QIODevice::ReadOnly) || !script.open(QIODevice::ReadOnly))
        return 1;
    smallIni = ini.readAll();
    shippedScript = script.readAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
