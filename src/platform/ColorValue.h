// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace corvane {

// Colour values as Corvane stores them: 0x00BBGGRR for a plain colour (red in the lowest
// byte), or 0x80000000 plus a system colour index (window, button face, highlight, ...)
// that is resolved against the current palette only when painting (WinColor.h).
using TColor = std::int32_t;

constexpr TColor rgbColor(int r, int g, int b)
{
    return TColor(
        (std::uint32_t(b & 0xFF) << 16) | (std::uint32_t(g & 0xFF) << 8) | std::uint32_t(r & 0xFF));
}

// The message dialogs' gradient until the settings say otherwise: yellow to magenta.
constexpr TColor defaultMsgStartColor = rgbColor(255, 255, 0);
constexpr TColor defaultMsgEndColor = rgbColor(255, 0, 255);

constexpr bool isSystemColor(TColor c)
{
    return (std::uint32_t(c) & 0xFF000000u) == 0x80000000u;
}

} // namespace corvane
