// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Writes Corvane's application icon as PNG files:
//   make_app_icon OUTPUT.png [SIZE]    one picture (data/corvane.png is the 256-pixel one)
//   make_app_icon --hicolor DIR        DIR/<N>x<N>/apps/org.corvane.Corvane.png for every size
//                                      an icon theme asks for (packaging/icons/hicolor)
#include "app/TrayIcons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

namespace {

constexpr int themeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool writeIcon(const QString& path, int size)
{
    if (corvane::applicationIconImage(size).save(path, "PNG"))
        return true;
    std::fprintf(stderr, "make_app_icon: cannot write %s\n", qPrintable(path));
    return false;
}

int writeThemeIcons(const QString& dir)
{
    for (int size : themeSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(size);
        if (!QDir().mkpath(folder)
            || !writeIcon(folder + QStringLiteral("/org.corvane.Corvane.png"), size))
            return 1;
    }
    return 0;
}

int usage()
{
    std::fputs("usage: make_app_icon OUTPUT.png [SIZE]\n"
               "       make_app_icon --hicolor DIR\n",
        stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Painting needs no screen; this also runs on a build machine without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc > 3)
        return usage();
    if (QByteArray(argv[1]) == "--hicolor")
        return argc == 3 ? writeThemeIcons(QString::fromLocal8Bit(argv[2])) : usage();
    const int size = argc > 2 ? QByteArray(argv[2]).toInt() : 256;
    if (size < 16 || size > 1024)
        return usage();
    return writeIcon(QString::fromLocal8Bit(argv[1]), size) ? 0 : 1;
}
