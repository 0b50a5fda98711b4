// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FrmMain.h"
#include "app/TrayIcons.h"
#include "platform/DataFolder.h"
#include "platform/ErrorHandler.h"
#include "platform/PlatformChoice.h"
#include "platform/SessionEnd.h"
#include "platform/StartupTrace.h"

#include <QFont>
#include <cstdio>

namespace {

bool displayAvailable()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The designs name Windows fonts; these resolve them to metric-compatible faces.
void substituteWindowsFonts()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
            QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
        {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

// Corvane's windows are small and repaint a few thousand pixels at a time. Through X11's
// shared memory every such flush waits for a round trip to the server (and wakes a second
// thread); sending the pixels down the socket is cheaper. A user's own setting wins.
void preferSocketPixelTransfer()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fputs("Corvane needs a graphical desktop, but no display was found "
                   "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Start it from a desktop session, or under Xvfb: xvfb-run ./corvane\n",
            stderr);
        return 1;
    }
    preferSocketPixelTransfer();
    // Set for this process only: programs Corvane opens (a browser, a mail client) make their
    // own choice.
    const QByteArray platform = corvane::choosePlatform(corvane::SessionEnvironment::current());
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    corvane::TApplication app(argc, argv);
    if (!platform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    // Docks and task bars group the window with the installed desktop entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvane.Corvane"));
    QApplication::setWindowIcon(corvane::applicationIcon());
    substituteWindowsFonts();
    QFont appFont(QStringLiteral("MS Sans Serif"));
    appFont.setPixelSize(11);
    QApplication::setFont(appFont);

    // Before the form reads its settings and list: a Data folder that cannot be made is
    // reported now, not discovered as a failed save when the user quits.
    const QString dataProblem = corvane::prepareDataFolder();
    if (!dataProblem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(dataProblem));
        corvane::showError(dataProblem);
    }
    corvane::TFormMain formMain;
    // Logging out, or a stop asked by a signal, saves as a close answered Yes does, without a
    // question; only a signal ends the program here, the session manager ends it itself.
    corvane::TSessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &corvane::TSessionEnd::ending, &formMain, [&](int signal) {
        static bool ended = false; // a second signal while ending saves nothing twice
        if (ended)
            return;
        formMain.saveAtSessionEnd();
        if (signal != 0) {
            ended = true;
            QCoreApplication::exit(0);
        }
    });
    corvane::traceStartup(&formMain);
    formMain.show();
    return QApplication::exec();
}
