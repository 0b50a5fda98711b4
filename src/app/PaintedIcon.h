// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <functional>

namespace corvane {

// An icon drawn by code at the size it is asked for, when it is first asked for: crisp at
// every size and scale, and nothing is drawn at start-up that nobody shows. `render` gets the
// wanted size in device pixels and returns a square image of that size.
QIcon paintedIcon(std::function<QImage(int size)> render);

} // namespace corvane
