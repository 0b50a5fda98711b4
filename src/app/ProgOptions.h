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
    // The general options, indexed 1..4 as they are numbered in the settings file and listed
    // in the options window; index 0 is unused.
    enum GenOption { TrayProgress = 1, AlwaysOnTop, ExitDialog, Autostart };
    static constexpr int genOptionCount = 4;
    std::array<bool, genOptionCount + 1> GenOptions{false, true, true, true, false};
    QString LangFile = QStringLiteral("English.lng");
    TProgFont ProgFont;
    TColor MsgStartColor = defaultMsgStartColor;
    TColor MsgEndColor = defaultMsgEndColor;
    QString Theme = QStringLiteral("Standard");
};

// The one instance, alive for the whole run.
extern TOptionsRec ProgOptions;

} // namespace corvane
