// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// A second start of Corvane on the folder of a running one, on a real X display with a window
// manager: from the moment the second process is started until the running Corvane's window
// is the active window again. The window is put away (minimised, or into the tray where one
// runs) before each start, outside the measured time.
//
// The end is the running Corvane's own trace line for QEvent::WindowActivate: Qt sends it when
// the X server hands the window the input focus, which happens only after the window manager
// has mapped, raised and activated it — so the time covers the second process's start, its
// hand-over, the window's return and the window manager's decision, and not merely our own
// request to be activated. _NET_ACTIVE_WINDOW is read afterwards to check that the window
// manager agrees. Polling it instead would add the poll's own period to every figure.
//
//   Xvfb :93 -screen 0 1024x768x24 &  DISPLAY=:93 openbox &  [DISPLAY=:93 trayer &]
//   DISPLAY=:93 <release build with -DCORVANE_BENCH=ON>/bench/bench_second_start
#include "BenchHome.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <benchmark/benchmark.h>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString activeWindow()
{
    const QString line = run(QStringLiteral("xprop"), {"-root", "_NET_ACTIVE_WINDOW"});
    return line.section(QLatin1Char(' '), -1); // "... window id # 0x1c00007"
}

// Reads the running Corvane's standard error up to a line matching `pattern`.
QRegularExpressionMatch waitForLine(QProcess& first, const QRegularExpression& pattern)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000) {
        while (first.canReadLine()) {
            const QRegularExpressionMatch match
                = pattern.match(QString::fromLocal8Bit(first.readLine()));
            if (match.hasMatch())
                return match;
        }
        first.waitForReadyRead(100);
    }
    return {};
}

// Whether _NET_ACTIVE_WINDOW names the window, within a moment: openbox may set it a little
// after the focus.
bool windowManagerAgrees(const QString& window)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500) {
        if (activeWindow() == window)
            return true;
    }
    return false;
}

// Minimises the window and waits until it is unmapped, has lost the input focus and its
// WM_STATE has settled (gone when it went into the tray, Iconic without one), so the next
// activation is the one a second start brings. The X server's focus is asked, not
// _NET_ACTIVE_WINDOW: after a window goes into the tray openbox sometimes leaves that
// property naming it.
bool putAway(const QString& window)
{
    run(QStringLiteral("xdotool"), {"windowminimize", "--sync", window});
    QString last;
    int unchanged = 0;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000 && unchanged < 5) {
        const QString state
            = run(QStringLiteral("xwininfo"), {"-id", window}).contains(QLatin1String("IsViewable"))
            ? QStringLiteral("viewable")
            : run(QStringLiteral("xprop"), {"-id", window, "WM_STATE"});
        const qulonglong focus = run(QStringLiteral("xdotool"), {"getwindowfocus"}).toULongLong();
        const bool away = state != QLatin1String("viewable")
            && !state.contains(QLatin1String("Normal")) && focus != window.toULongLong(nullptr, 16);
        unchanged = away && state == last ? unchanged + 1 : 0;
        last = state;
    }
    return unchanged >= 5;
}

// Starts the running Corvane on a fresh program folder, tracing, and waits for its first paint.
bool startFirst(QTemporaryDir& home, QProcess& first)
{
    makeBenchHome(home, "English");
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    QProcessEnvironment traced = QProcessEnvironment::systemEnvironment();
    traced.insert(QStringLiteral("CORVANE_TRACE_STARTUP"), QStringLiteral("1"));
    first.setProcessEnvironment(traced);
    first.setReadChannel(QProcess::StandardError);
    first.start(QStringLiteral(CORVANE_EXECUTABLE), {});
    return waitForLine(first, QRegularExpression(QStringLiteral("^startup: first paint")))
        .hasMatch();
}

enum class Until { Active, SecondEnded };

void secondStart(benchmark::State& state, Until until)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("needs an X display with a window manager: Xvfb :93 & "
                            "DISPLAY=:93 openbox &, then DISPLAY=:93 bench_second_start");
        return;
    }
    QTemporaryDir home;
    QProcess first;
    if (!startFirst(home, first)) {
        state.SkipWithError("the first Corvane did not come up");
        return;
    }
    // A first hand-over, untimed, names the window: Corvane's trace says which it activates.
    QProcess warmUp;
    warmUp.start(QStringLiteral(CORVANE_EXECUTABLE), {});
    const QRegularExpressionMatch named = waitForLine(first,
        QRegularExpression(QStringLiteral("^instance: window (0x[0-9a-f]+) (active|already)")));
    warmUp.waitForFinished(5000);
    if (!named.hasMatch()) {
        state.SkipWithError("the first Corvane did not answer a second start");
        return;
    }
    QString window = named.captured(1);
    const QRegularExpression active(QStringLiteral("^instance: window (0x[0-9a-f]+) active again"));
    int disagreements = 0;
    for (auto _ : state) {
        if (!putAway(window)) {
            state.SkipWithError("the window manager did not minimise the window");
            break;
        }
        QElapsedTimer clock;
        clock.start();
        QProcess second;
        second.start(QStringLiteral(CORVANE_EXECUTABLE), {});
        if (until == Until::SecondEnded) {
            second.waitForFinished(5000);
            state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        }
        const QRegularExpressionMatch match = waitForLine(first, active);
        if (until == Until::Active)
            state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        second.waitForFinished(5000);
        if (!match.hasMatch() || second.exitCode() != 0) {
            state.SkipWithError("the window did not become active, or the second start failed");
            break;
        }
        window = match.captured(1);
        disagreements += !windowManagerAgrees(window);
    }
    state.counters["wm_disagrees"] = disagreements;
    first.terminate();
    first.waitForFinished(5000);
}

void BM_SecondStartToActiveWindow(benchmark::State& state)
{
    secondStart(state, Until::Active);
}
BENCHMARK(BM_SecondStartToActiveWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

void BM_SecondStartToItsExit(benchmark::State& state)
{
    secondStart(state, Until::SecondEnded);
}
BENCHMARK(BM_SecondStartToItsExit)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// A command from a second start: from its start until it ends, which it does once the running
// Corvane has done the command and answered. The countdown is stopped again between the
// iterations, outside the measured time.
void BM_CommandToTheRunningCorvane(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("needs an X display: Xvfb :93 &, then DISPLAY=:93 bench_second_start");
        return;
    }
    QTemporaryDir home;
    QProcess first;
    if (!startFirst(home, first)) {
        state.SkipWithError("the first Corvane did not come up");
        return;
    }
    const auto command = [](const QStringList& arguments) {
        QProcess second;
        second.start(QStringLiteral(CORVANE_EXECUTABLE), arguments);
        second.waitForFinished(5000);
        return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
    };
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const int status = command({QStringLiteral("--start"), QStringLiteral("1h")});
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (status != 0 || command({QStringLiteral("--stop")}) != 0) {
            state.SkipWithError("the running Corvane did not do the command");
            break;
        }
    }
    first.terminate();
    first.waitForFinished(5000);
}
BENCHMARK(BM_CommandToTheRunningCorvane)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
