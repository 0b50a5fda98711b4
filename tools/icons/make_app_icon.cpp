// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Writes Corvane's application icon as a PNG for the desktop entry (data/corvane.png):
//   make_app_icon OUTPUT.png [SIZE]
#include "app/TrayIcons.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv)
{
    // Painting needs no screen; this also runs on a build machine without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: make_app_icon OUTPUT.png [SIZE]\n", stderr);
        return 2;
    }
    const int size = argc > 2 ? QByteArray(argv[2]).toInt() : 256;
    if (size < 16 || size > 1024
        || !corvane::applicationIconImage(size).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "make_app_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
