// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ColorValue.h"

#include <QColor>
#include <QPalette>

namespace corvane {

// Resolves a stored value to a colour. Plain colours use their three low bytes; unknown
// system indices and other high bytes fall back to the palette's window text colour.
QColor toQColor(TColor value, const QPalette& palette = QPalette());

TColor fromQColor(const QColor& color);

} // namespace corvane
