// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The help browser, on a real display (run under Xvfb; see README): listing and loading the
// shipped help, a topic click and a search in a help text of 200 pages, and the print
// preview of the shipped help from the click to the first page on the screen.
#include "BenchHome.h"
#include "help/HelpCtrl.h"
#include "platform/ErrorHandler.h"
#include "print/PrevForm.h"
#include "print/PrevPrinter.h"
#include "richedit/RichEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QListWidget>
#include <QTimer>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <memory>

using namespace corvane;

namespace {

constexpr int kPages = 200;
constexpr int kLinesPerPage = 48;

// A help set of 200 pages: on each page a topic's heading and its text.
void writeLargeHelp(const QTemporaryDir& home)
{
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue255;}"
                     "\\f0\\fs20 ";
    QByteArray topics;
    for (int page = 1; page <= kPages; ++page) {
        const QByteArray topic = "Topic number " + QByteArray::number(page);
        topics += topic + "\r\n";
        // The topic's name is also mentioned in plain text first, as real help does.
        rtf += "See " + topic + " below.\\par {\\cf1\\b\\ul " + topic + "}\\par ";
        for (int line = 0; line < kLinesPerPage; ++line)
            rtf += "A line of help text that explains something about the countdown, number "
                + QByteArray::number(line) + ".\\par ";
    }
    rtf += "The last word: zebra.}";
    QDir(home.path()).mkpath(QStringLiteral("Help"));
    for (const auto& [name, bytes] :
        {std::pair{"Help/Large.rtf", rtf}, {"Help/Large.ini", topics}}) {
        QFile file(home.filePath(QLatin1String(name)));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
}

struct Page {
    QWidget window;
    QListWidget* files = new QListWidget;
    QTreeWidget* topics = new QTreeWidget;
    TRichEdit* text = new TRichEdit;

    Page()
    {
        auto* row = new QHBoxLayout(&window);
        row->addWidget(files);
        row->addWidget(topics);
        row->addWidget(text, 1);
        window.resize(760, 560);
        window.show();
        QApplication::processEvents();
    }
};

struct Fixture {
    QTemporaryDir home;
    Page page;

    Fixture()
    {
        makeBenchHome(home, "English");
        const QDir shipped(QStringLiteral(CORVANE_SOURCE_DIR "/data/Help"));
        QDir(home.path()).mkpath(QStringLiteral("Help"));
        for (const QString& name : shipped.entryList(QDir::Files))
            QFile::copy(shipped.filePath(name), home.filePath(QStringLiteral("Help/") + name));
        writeLargeHelp(home);
    }
    void load(const char* name)
    {
        LoadHelpFile(QLatin1String(name), page.topics, page.text);
        QApplication::processEvents(); // the first paint, and the layout's first steps
    }
};

// Made on first use, gone before the application object.
std::unique_ptr<Fixture> theFixture;

Fixture& fixture()
{
    if (!theFixture)
        theFixture = std::make_unique<Fixture>();
    return *theFixture;
}

void listAndLoadShippedHelp(benchmark::State& state)
{
    Page& page = fixture().page;
    for (auto _ : state) {
        ListHelpFiles(page.files);
        fixture().load("Corvane");
    }
}
BENCHMARK(listAndLoadShippedHelp)->Unit(benchmark::kMillisecond);

// The first click right after loading, before Qt has laid the text out in the background as
// far as the topic: the click waits for that layout (under the wait cursor).
void firstTopicClickOn200Pages(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        fixture().load("Large");
        state.ResumeTiming();
        OpenHelpTopic(fixture().page.text, QStringLiteral("Topic number 190"));
    }
}
BENCHMARK(firstTopicClickOn200Pages)->Unit(benchmark::kMillisecond)->Iterations(10);

void topicClickOn200Pages(benchmark::State& state)
{
    fixture().load("Large");
    TRichEdit* text = fixture().page.text;
    int n = 0;
    for (auto _ : state) {
        // Far apart, so every click scrolls the view a long way.
        n = (n + 97) % kPages;
        OpenHelpTopic(text, QStringLiteral("Topic number %1").arg(n + 1));
        QApplication::processEvents(); // the view repainted
    }
}
BENCHMARK(topicClickOn200Pages)->Unit(benchmark::kMillisecond);

// A word found only at the very end, searched from the start: the longest search there is.
void searchOn200Pages(benchmark::State& state)
{
    fixture().load("Large");
    TRichEdit* text = fixture().page.text;
    for (auto _ : state) {
        text->setSelection(0, 0);
        FindRichText(text, QStringLiteral("ZEBRA"));
        QApplication::processEvents();
    }
}
BENCHMARK(searchOn200Pages)->Unit(benchmark::kMillisecond);

// Closes the preview window once its first page has been painted and keeps the time.
class FirstPageWatch : public QObject {
public:
    QElapsedTimer clock;
    double seconds = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && event->type() == QEvent::Paint && widget->objectName() == QLatin1String("PB1")
            && !m_pending) {
            m_pending = true;
            QTimer::singleShot(0, widget, [this, widget] {
                seconds = double(clock.nsecsElapsed()) / 1e9;
                m_pending = false;
                widget->window()->close();
            });
        }
        return false;
    }

private:
    bool m_pending = false;
};

void previewShippedHelp(benchmark::State& state)
{
    fixture().load("Corvane");
    FirstPageWatch watch;
    qApp->installEventFilter(&watch);
    for (auto _ : state) {
        watch.clock.start();
        const std::unique_ptr<TPreviewPrinter> printer = makeHelpPrinter();
        printer->PaginateRichText(*fixture().page.text);
        printer->Preview();
        state.SetIterationTime(watch.seconds);
    }
    qApp->removeEventFilter(&watch);
}
BENCHMARK(previewShippedHelp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

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
