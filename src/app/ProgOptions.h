// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ColorValue.h"

#include <QString>
#include <array>

namespace corvane {

struct TProgFont {
    QString Name = QStringLiteral("MS Sans Serif");
    TColor Color = 0;
};

// The shared settings, with the defaults that apply when the configuration file lacks a key.
struct TOptionsRec {
    // 1: progress in the tray icon, 2: always on top, 3: ask before exiting,
    // 4: start at log-on. Indexed 1..4 as the options are numbered; index 0 is unused.
    std::array<bool, 5> GenOptions{false, true, true, true, false};
    QString LangFile = QStringLiteral("English.lng");
    TProgFont ProgFont;
    TColor MsgStartColor = 65535; // yellow
    TColor MsgEndColor = 16711935; // magenta
    QString Theme = QStringLiteral("Standard");
};

// The one instance, alive for the whole run.
extern TOptionsRec ProgOptions;

} // namespace corvane
