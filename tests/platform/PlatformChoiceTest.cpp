// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlatformChoice.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {
const QByteArray throughXWayland = "xcb;wayland";

struct Case {
    const char* what;
    SessionEnvironment env; // QT_QPA_PLATFORM, WAYLAND_DISPLAY, DISPLAY, XDG_SESSION_TYPE
    QByteArray expected;
};

TEST(PlatformChoice, waylandWithXWaylandRunsAsX11ClientUnlessTheUserChose)
{
    const Case cases[] = {
        {"Wayland session with XWayland", {"", "wayland-0", ":0", "wayland"}, throughXWayland},
        {"no session type (started by hand)", {"", "wayland-0", ":0", ""}, throughXWayland},
        {"session type alone, default socket", {"", "", ":0", "wayland"}, throughXWayland},
        {"session type spelt otherwise", {"", "", ":1", " Wayland "}, throughXWayland},
        // A compositor nested in an X11 session: the X11 display is the session's own.
        {"X11 session with a nested compositor", {"", "wayland-1", ":0", "x11"}, throughXWayland},
        {"user chose Wayland", {"wayland", "wayland-0", ":0", "wayland"}, {}},
        {"user chose X11", {"xcb", "wayland-0", ":0", "wayland"}, {}},
        {"user chose a list", {"wayland;xcb", "wayland-0", ":0", "wayland"}, {}},
        {"user chose offscreen", {"offscreen", "wayland-0", ":0", "wayland"}, {}},
        // Without XWayland there is nothing better than Wayland, which then still starts.
        {"Wayland without XWayland", {"", "wayland-0", "", "wayland"}, {}},
        {"X11 session", {"", "", ":0", "x11"}, {}},
        {"X11 without session type", {"", "", ":0", ""}, {}},
        {"ssh with X forwarding", {"", "", "localhost:10.0", "tty"}, {}},
        {"no display at all", {"", "", "", ""}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(choosePlatform(c.env), c.expected) << c.what;
}

TEST(PlatformChoice, onlyWaylandHidesWhereTheWindowIs)
{
    EXPECT_FALSE(platformReportsWindowPositions(QStringLiteral("wayland")));
    EXPECT_FALSE(platformReportsWindowPositions(QStringLiteral("wayland-egl")));
    EXPECT_TRUE(platformReportsWindowPositions(QStringLiteral("xcb")));
    EXPECT_TRUE(platformReportsWindowPositions(QStringLiteral("offscreen")));
}

TEST(PlatformChoice, readsTheProcessEnvironmentUnsetAsEmpty)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("WAYLAND_DISPLAY", "wayland-7");
    qunsetenv("DISPLAY");
    qputenv("XDG_SESSION_TYPE", "wayland");
    const SessionEnvironment env = SessionEnvironment::current();
    EXPECT_EQ(env.qpaPlatform, "offscreen");
    EXPECT_EQ(env.waylandDisplay, "wayland-7");
    EXPECT_TRUE(env.display.isEmpty());
    EXPECT_EQ(env.sessionType, "wayland");
}
} // namespace
