// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Opening the options window: from the click on the main window's tab to the window painted,
// on a real display (run under Xvfb; see README). The first opening of a run builds the font
// list and is reported on its own.
#include "BenchHome.h"
#include "app/FrmMain.h"
#include "options/CVForm.h"
#include "platform/ErrorHandler.h"
#include "platform/PageControl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

using namespace corvane;

namespace {

// Closes the options window once it has painted and the paint reached the screen, and keeps
// the time that took.
class PaintWatch : public QObject {
public:
    QElapsedTimer clock;
    double seconds = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* form = widget ? dynamic_cast<TCorvaneForm*>(widget->window()) : nullptr;
        if (form && event->type() == QEvent::Paint && !m_pending) {
            m_pending = true;
            // After this paint pass has been flushed to the window.
            QTimer::singleShot(0, form, [this, form] {
                seconds = double(clock.nsecsElapsed()) / 1e9;
                m_pending = false;
                form->reject();
            });
        }
        return false;
    }

private:
    bool m_pending = false;
};

struct Fixture {
    QTemporaryDir home;
    std::unique_ptr<TFormMain> main;
    PaintWatch watch;

    Fixture()
    {
        makeBenchHome(home, "English");
        main = std::make_unique<TFormMain>();
        main->show();
        qApp->installEventFilter(&watch);
    }
    // The seconds from choosing the tab to the options window on the screen.
    double open(TFormMain::Page page)
    {
        auto* tabs = main->findChild<TPageControl*>(QStringLiteral("TimerControl"));
        watch.clock.start();
        tabs->setCurrentIndex(page);
        return watch.seconds;
    }
};

std::unique_ptr<Fixture> theFixture; // made once, gone before the application object

Fixture& fixture()
{
    if (!theFixture)
        theFixture = std::make_unique<Fixture>();
    return *theFixture;
}

void firstOpening(benchmark::State& state)
{
    static const double first = fixture().open(TFormMain::OptionsPage);
    for (auto _ : state)
        state.SetIterationTime(first);
}
BENCHMARK(firstOpening)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

void openOptionsPage(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(fixture().open(TFormMain::OptionsPage));
}
BENCHMARK(openOptionsPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void openAboutPage(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(fixture().open(TFormMain::AboutPage));
}
BENCHMARK(openAboutPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theFixture.reset();
    return 0;
}
