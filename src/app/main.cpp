// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandStart.h"
#include "app/FrmMain.h"
#include "app/TrayIcons.h"
#include "platform/DataFolder.h"
#include "platform/ErrorHandler.h"
#include "platform/PlatformChoice.h"
#include "platform/ProgramFolder.h"
#include "platform/SessionEnd.h"
#include "platform/SingleInstance.h"
#include "platform/StartupTrace.h"

#include <QFileInfo>
#include <QFont>
#include <QTimer>
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

// What this start hands to a Corvane already running. Qt takes the startup id out of the
// environment while it connects to the display, so it is read before.
corvane::TInstanceRequest thisStart(int argc, char** argv)
{
    corvane::TInstanceRequest request;
    for (int i = 0; i < argc; ++i)
        request.arguments << QString::fromLocal8Bit(argv[i]);
    request.startupId = qgetenv("DESKTOP_STARTUP_ID");
    request.activationToken = qgetenv("XDG_ACTIVATION_TOKEN");
    return request;
}

// A token from the second start lets the window manager give the focus to a window of this
// process. Qt's Wayland platform takes the activation token from the environment when the
// window asks to be activated. On X11 Qt has no public way to adopt another start's startup
// id; the window asks once it is mapped, with a fresh server time, which openbox honours even
// over a window the user has just typed into.
void takeActivationToken(const corvane::TInstanceRequest& request)
{
    if (!request.activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", request.activationToken);
}

// What the running Corvane answers a later start: a command is done, a plain start brings
// the window to the front.
corvane::TInstanceReply answerLaterStart(
    corvane::TFormMain& formMain, const corvane::TInstanceRequest& later)
{
    try {
        const corvane::CommandRead read = corvane::readCommandLine(later.arguments);
        if (!read.error.isEmpty())
            return corvane::failedReply(read.error);
        if (read.command.actsOnCountdown())
            return formMain.runCommand(read.command);
        takeActivationToken(later);
        corvane::traceBringToFront(&formMain, int(later.arguments.size()));
        formMain.bringToFront();
        return {};
    } catch (...) {
        return corvane::failedReply(QStringLiteral("Corvane could not do that."));
    }
}

} // namespace

int main(int argc, char** argv)
{
    const corvane::TInstanceRequest request = thisStart(argc, argv);
    // Options are answered without a window, and so also without a display: --help, and a
    // command for a Corvane that runs. Only a --start that has to start Corvane goes on.
    corvane::TCommand pending;
    if (argc > 1) {
        corvane::CommandStart answered;
        {
            QCoreApplication core(argc, argv);
            QCoreApplication::setApplicationName(QStringLiteral("Corvane"));
            answered = corvane::answerCommandLine(request);
        }
        if (!answered.startWindow)
            return answered.exitCode;
        pending = answered.command;
    }
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
    // Before the lock, which lies beside Data, and before the form reads its settings and
    // list: a Data folder that cannot be made is reported, not discovered as a failed save
    // when the user quits.
    const QString dataProblem = corvane::prepareDataFolder();
    // Before the main window reads the list: two Corvanes on one Data folder would each
    // write their own list over the other's at the end. First thing, so a second start ends
    // without paying for icons and fonts.
    corvane::TSingleInstance instance(corvane::programPath(QStringLiteral("Data")));
    switch (instance.start(request)) {
    case corvane::TSingleInstance::Start::Alone:
        break;
    case corvane::TSingleInstance::Start::Handed:
        return corvane::printReply(instance.reply());
    case corvane::TSingleInstance::Start::NoAnswer:
        std::fprintf(stderr,
            "Corvane is already running for this folder (%s), but does not answer.\n",
            qPrintable(QFileInfo(corvane::programPath(QStringLiteral("Data"))).path()));
        return 2;
    }
    // Docks and task bars group the window with the installed desktop entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvane.Corvane"));
    QApplication::setWindowIcon(corvane::applicationIcon());
    substituteWindowsFonts();
    QFont appFont(QStringLiteral("MS Sans Serif"));
    appFont.setPixelSize(11);
    QApplication::setFont(appFont);

    if (!dataProblem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(dataProblem));
        corvane::showError(dataProblem);
    }
    corvane::TFormMain formMain;
    instance.setAnswer(
        [&](const corvane::TInstanceRequest& later) { return answerLaterStart(formMain, later); });
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
    if (pending.kind != corvane::CommandKind::None)
        QTimer::singleShot(
            0, &formMain, [&] { corvane::printReply(formMain.runCommand(pending)); });
    return QApplication::exec();
}
