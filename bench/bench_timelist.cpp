// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The countdown list at scale: 10 000 and 100 000 entries loaded into the tree and the
// chooser, saved, and one entry added with its clash scan.
#include "BenchHome.h"
#include "app/FrmMain.h"
#include "timelist/TimelistFile.h"
#include "timelist/TimerEntry.h"
#include "timelist/TreeViewText.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

using namespace corvane;

namespace {

QTemporaryDir* home = nullptr;

QString listFile(int entries)
{
    const QString path = home->filePath(QStringLiteral("list%1.dat").arg(entries));
    if (QFile::exists(path))
        return path;
    std::vector<TreeLine> lines{{0, QStringLiteral("Entries")}};
    for (int i = 0; i < entries; ++i) {
        const std::vector<TreeLine> e = entryLines({QStringLiteral("Countdown number %1").arg(i),
            QStringLiteral("Time for task %1 is up").arg(i),
            QStringLiteral("/usr/share/sounds/corvane/bell.wav"), 60 + i % 3600});
        lines.insert(lines.end(), e.begin(), e.end());
    }
    TimelistFile(path).save(lines);
    return path;
}

// What start-up does with the list: read the file, fill the tree, fill the chooser.
void BM_LoadAndFill(benchmark::State& state)
{
    const QString path = listFile(int(state.range(0)));
    QTreeWidget tree;
    QComboBox combo;
    for (auto _ : state) {
        // Start-up fills an empty tree and chooser; emptying them is not part of it.
        state.PauseTiming();
        tree.clear();
        combo.clear();
        state.ResumeTiming();
        TimelistFile file(path);
        loadTreeLines(&tree, file.load().read.lines);
        QTreeWidgetItem* root = tree.topLevelItem(0);
        QStringList titles;
        titles.reserve(root->childCount());
        for (int i = 0; i < root->childCount(); ++i)
            titles << root->child(i)->text(0);
        combo.addItems(titles);
        combo.setCurrentIndex(0);
    }
}
BENCHMARK(BM_LoadAndFill)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state)
{
    const QString path = listFile(int(state.range(0)));
    QTreeWidget tree;
    TimelistFile file(path);
    loadTreeLines(&tree, file.load().read.lines);
    const QString out = home->filePath(QStringLiteral("saved.dat"));
    for (auto _ : state)
        TimelistFile(out).save(treeLines(&tree));
}
BENCHMARK(BM_Save)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The whole main window with a 10 000-entry list: one press of the add button with a title
// that clashes with none, so the scan covers the whole list.
void BM_AddEntry(benchmark::State& state)
{
    QFile::remove(home->filePath(QStringLiteral("Data/Timelist.dat")));
    QFile::copy(listFile(10'000), home->filePath(QStringLiteral("Data/Timelist.dat")));
    TFormMain form;
    auto* title = form.findChild<QLineEdit*>(QStringLiteral("USchriftEdit"));
    auto* add = form.findChild<QPushButton*>(QStringLiteral("EintragsKnopf"));
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        title->setText(QStringLiteral("New countdown %1").arg(n++));
        form.findChild<QLineEdit*>(QStringLiteral("TextZeile"))->setText(QStringLiteral("Done"));
        form.findChild<QSpinBox*>(QStringLiteral("Minutenzahl"))->setValue(5);
        state.ResumeTiming();
        add->click();
    }
}
BENCHMARK(BM_AddEntry)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    home = &dir;
    makeBenchHome(dir, "English");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
