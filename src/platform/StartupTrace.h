// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace corvane {

// When CORVANE_TRACE_STARTUP is set, prints to stderr the time from process start to the
// first paint of `window`, and the resident memory at that moment:
//   startup: first paint after 71.3 ms, resident 29.8 MB (peak 29.9 MB)
// The start is the value of the variable when it is a clock reading in nanoseconds since the
// epoch (`CORVANE_TRACE_STARTUP=$(date +%s%N)`), else the process start the kernel recorded.
void traceStartup(QWidget* window);

// When CORVANE_TRACE_STARTUP is set, says on stderr that a second start asked `window` to
// come to the front, then when the window system has made it the active window again:
//   instance: request to come to the front (2 arguments)
//   instance: window 0x1c00007 active again after 11.2 ms
// Call before bringing it to the front.
void traceBringToFront(QWidget* window, int argumentCount);

} // namespace corvane
