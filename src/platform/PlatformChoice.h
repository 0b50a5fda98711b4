// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace corvane {

// The environment that decides which windowing platform Qt should use; an unset variable is
// empty, as Qt itself reads them.
struct SessionEnvironment {
    QByteArray qpaPlatform; // QT_QPA_PLATFORM
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray display; // DISPLAY
    QByteArray sessionType; // XDG_SESSION_TYPE

    static SessionEnvironment current();
};

// The value for QT_QPA_PLATFORM before the application object exists, or empty to leave
// Qt's own choice. On a Wayland session that also offers XWayland it is "xcb;wayland": Qt's
// Wayland platform cannot place a window where it was nor keep it above others, and an X11
// display that cannot be reached still leaves Wayland to start on. The user's own
// QT_QPA_PLATFORM, whatever it names, always wins.
QByteArray choosePlatform(const SessionEnvironment& env);

// Whether a window's position as Qt reports it on this platform is where the window is. Qt's
// Wayland platform knows no global positions (it reports its own title bar's offset), so
// a position saved from there would move the window off the screen at the next start.
bool platformReportsWindowPositions(const QString& platformName);

} // namespace corvane
