// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ColorValue.h"

class QString;
class QWidget;

namespace corvane {

// Gives a window the program font's family and colour; the size and style stay as designed,
// and the controls that take the window's font follow it.
void setWindowFont(QWidget* window, const QString& family, TColor color);

} // namespace corvane
