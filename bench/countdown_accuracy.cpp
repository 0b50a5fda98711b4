// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// How late the alarm comes on the real clock: runs 20 countdowns of 2 s in the real main
// window (with its real timer) and measures, for each, the time from the moment the
// countdown should end to the moment the alarm message is on its way to the screen.
// Run under a display (Xvfb) or offscreen: bench/countdown_accuracy [RUNS]
#include "app/FrmMain.h"
#include "app/ImageButton.h"
#include "platform/DialogSeam.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace corvane;

namespace {
class Silence : public SoundBackend {
    void play(const QString&, std::function<void()>) override { }
    void stop() override { }
    void beep() override { }
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("Data"));
    writeFile(home.filePath(QStringLiteral("Data/CORVANE.INI")),
        "[Language]\r\nFile=English.lng\r\n[General]\r\nOption 3=0\r\n");
    writeFile(home.filePath(QStringLiteral("Data/Timelist.dat")),
        "Entries\r\n\tTwo\r\n\t\t00:00:02\r\n\t\tDone\r\n\t\t\r\n\t\t2\r\n");
    qputenv("CORVANE_HOME", home.path().toLocal8Bit());

    QElapsedTimer clock;
    qint64 due = 0;
    std::vector<double> lateness;
    DialogSeam::setAnswerer([&](QDialog& dialog) {
        lateness.push_back(double(clock.elapsed() - due));
        dialog.accept();
    });
    TFormMain form(std::make_unique<Silence>());
    form.show();
    auto* start = form.findChild<TImageButton*>(QStringLiteral("StartButton"));
    auto* stop = form.findChild<TImageButton*>(QStringLiteral("StopButton"));
    clock.start();
    for (int i = 0; i < runs; ++i) {
        // Start at a random phase of the second, as a user would.
        QEventLoop settle;
        QTimer::singleShot(137 * (i + 1) % 1000, &settle, &QEventLoop::quit);
        settle.exec();
        Q_EMIT start->mouseDown();
        due = clock.elapsed() + 2000;
        Q_EMIT start->mouseUp();
        while (lateness.size() <= std::size_t(i))
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        Q_EMIT stop->mouseDown();
        Q_EMIT stop->mouseUp();
    }
    std::sort(lateness.begin(), lateness.end());
    std::printf("alarm lateness over %d countdowns of 2 s: median %.0f ms, maximum %.0f ms, "
                "minimum %.0f ms\n",
        runs, lateness[lateness.size() / 2], lateness.back(), lateness.front());
    DialogSeam::setAnswerer({});
    return 0;
}
