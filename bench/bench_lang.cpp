// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Language scripts: a single-text lookup in a 400-key script, and translating the whole
// main window, as the program does at start-up and after the options close.
#include "BenchHome.h"
#include "app/FrmMain.h"
#include "lang/LangScript.h"
#include "lang/TransProg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace corvane;

namespace {

QTemporaryDir* home = nullptr;

// A script of 400 keys in eight sections, like a complete translation.
QString writeScript()
{
    QByteArray text;
    for (int s = 0; s < 8; ++s) {
        text += "[Section" + QByteArray::number(s) + "]\r\n";
        for (int k = 0; k < 50; ++k)
            text += "Key number " + QByteArray::number(k) + "=Translated text of key "
                + QByteArray::number(k) + " in section " + QByteArray::number(s) + "\r\n";
    }
    const QString path = home->filePath(QStringLiteral("LScripts/Bench.lng"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return path;
}

void BM_LangText(benchmark::State& state)
{
    LangScriptPath = writeScript();
    int i = 0;
    for (auto _ : state) {
        const QString key = QStringLiteral("Key number %1").arg(i++ % 50);
        benchmark::DoNotOptimize(LangText(QStringLiteral("Section7"), key));
    }
}
BENCHMARK(BM_LangText);

void BM_TranslateMainWindow(benchmark::State& state)
{
    LangScriptPath = QStringLiteral(CORVANE_SOURCE_DIR "/data/LScripts/German.lng");
    TFormMain form;
    LangScriptPath = QStringLiteral(CORVANE_SOURCE_DIR "/data/LScripts/German.lng");
    for (auto _ : state)
        TranslateForm(&form);
}
BENCHMARK(BM_TranslateMainWindow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    home = &dir;
    makeBenchHome(dir, "German");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
