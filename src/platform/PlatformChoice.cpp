// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlatformChoice.h"

#include <QtGlobal>

namespace corvane {

SessionEnvironment SessionEnvironment::current()
{
    return {qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"),
        qgetenv("XDG_SESSION_TYPE")};
}

QByteArray choosePlatform(const SessionEnvironment& env)
{
    if (!env.qpaPlatform.isEmpty() || env.display.isEmpty())
        return {};
    // Qt 6.4 tries Wayland first when either is set, connecting to the default socket when
    // only the session type says Wayland.
    const bool wayland = !env.waylandDisplay.isEmpty()
        || env.sessionType.trimmed().compare("wayland", Qt::CaseInsensitive) == 0;
    return wayland ? QByteArrayLiteral("xcb;wayland") : QByteArray();
}

bool platformReportsWindowPositions(const QString& platformName)
{
    return !platformName.startsWith(u"wayland"); // also "wayland-egl"
}

} // namespace corvane
