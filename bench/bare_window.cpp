// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for Corvane's start-up: an empty Qt Widgets window of the main window's size,
// traced the same way (CORVANE_TRACE_STARTUP).
#include "platform/StartupTrace.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(289, 178);
    corvane::traceStartup(&window);
    window.show();
    return QApplication::exec();
}
