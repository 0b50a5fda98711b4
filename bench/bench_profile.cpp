// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Profile files at the size of a language script (400 keys): one write, which must stay well
// under a millisecond, and one cached lookup, of which a window translation makes hundreds.
#include "platform/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using corvane::ProfileFile;

namespace {
constexpr int sectionCount = 8;
constexpr int keysPerSection = 50;

QString makeScript(const QTemporaryDir& dir)
{
    QByteArray text;
    for (int s = 0; s < sectionCount; ++s) {
        text += "[Section" + QByteArray::number(s) + "]\r\n";
        for (int k = 0; k < keysPerSection; ++k)
            text += "Control" + QByteArray::number(k) + ".Caption=Some caption text "
                + QByteArray::number(s * keysPerSection + k) + "\r\n";
    }
    const QString path = dir.filePath(QStringLiteral("script.lng"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        std::abort();
    return path;
}

void writeOneKey(benchmark::State& state)
{
    QTemporaryDir dir;
    ProfileFile file(makeScript(dir));
    const QString section = QStringLiteral("Section4"), key = QStringLiteral("Control25.Caption");
    int n = 0;
    for (auto _ : state)
        file.writeString(section, key, QString::number(++n % 2 ? 1000 : 2000));
}
BENCHMARK(writeOneKey)->Unit(benchmark::kMicrosecond);

void cachedRead(benchmark::State& state)
{
    QTemporaryDir dir;
    const ProfileFile file(makeScript(dir));
    QStringList keys;
    for (int k = 0; k < keysPerSection; ++k)
        keys << QStringLiteral("control%1.caption").arg(k);
    const QString section = QStringLiteral("SECTION7");
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(file.readString(section, keys[n++ % keysPerSection], {}));
}
BENCHMARK(cachedRead)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
