// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Opening the options window: from the click on the main window's tab to the window painted,
// on a real display (run under Xvfb; see README). The first opening of a run builds the font
// list and is reported on its own. The same again with ten themes of the designed picture
// sizes in Data and one of them current, and what applying that theme costs the main window.
#include "BenchHome.h"
#include "app/DesignPictures.h"
#include "app/FrmMain.h"
#include "options/CVForm.h"
#include "options/ThemeFile.h"
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

// Ten themes as a user's Data folder might hold them: the designed pictures, each theme a
// little different so none is a copy of another.
void addThemes(const QTemporaryDir& home)
{
    for (int n = 0; n < 10; ++n) {
        TThemeData theme;
        QImage background = designBackground();
        background.setColor(0, qRgb(n * 20, 0, 0));
        theme.picture(ThemePicture::Background).image = background;
        theme.picture(ThemePicture::Progress).image = designProgress();
        theme.picture(ThemePicture::Start).image = designGlyph(Glyph::Start);
        theme.picture(ThemePicture::Pause).image = designGlyph(Glyph::Pause);
        theme.picture(ThemePicture::Stop).image = designGlyph(Glyph::Stop);
        theme.fontName = QStringLiteral("DejaVu Sans");
        theme.fontColor = 65535;
        theme.backColor = n;
        writeThemeFile(home.filePath(QStringLiteral("Data/")
                           + themeFileName(QStringLiteral("Theme %1").arg(n))),
            theme);
    }
    QFile config(home.filePath(QStringLiteral("Data/CORVANE.INI")));
    if (config.open(QIODevice::Append))
        config.write("Theme=Theme 5\r\n");
}

struct Fixture {
    QTemporaryDir home;
    std::unique_ptr<TFormMain> main;
    PaintWatch watch;

    explicit Fixture(bool themes)
    {
        makeBenchHome(home, "English");
        if (themes)
            addThemes(home);
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

// Made once for each kind, one main window at a time, gone before the application object.
std::unique_ptr<Fixture> theFixture;
bool fixtureHasThemes = false;

Fixture& fixture(bool themes = false)
{
    if (!theFixture || fixtureHasThemes != themes) {
        theFixture.reset();
        theFixture = std::make_unique<Fixture>(themes);
        fixtureHasThemes = themes;
    }
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

void openWithTenThemes(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(fixture(true).open(TFormMain::OptionsPage));
}
BENCHMARK(openWithTenThemes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void applyTheme(benchmark::State& state)
{
    TFormMain& main = *fixture(true).main;
    for (auto _ : state)
        main.ApplyTheme(QStringLiteral("Theme 5"));
}
BENCHMARK(applyTheme)->Unit(benchmark::kMillisecond);

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
