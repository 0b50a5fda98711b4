// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// How the main window stands when a countdown ends.
struct TWindowPresence {
    bool visible = false; // shown: not hidden into the tray
    bool minimised = false;
    bool active = false; // a window of Corvane (the main window, the options window) has the focus
};

// Whether the alarm also goes to the desktop's notifications, besides the sound and the alarm
// dialog: whenever the user may not be looking at Corvane — its window hidden into the tray,
// minimised, or behind another program's window. Not while the user works in one of
// Corvane's windows: the alarm dialog comes up in front of it.
bool alarmWantsNotification(const TWindowPresence& window);

} // namespace corvane
