// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WinColor.h"

#include <array>

namespace corvane {

namespace {
struct SystemColor {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The Windows system colour indices 0..30, mapped to the closest palette role.
constexpr std::array<SystemColor, 31> systemColors{{
    {QPalette::Active, QPalette::Mid}, // scroll bar
    {QPalette::Active, QPalette::Window}, // desktop background
    {QPalette::Active, QPalette::Highlight}, // active caption
    {QPalette::Inactive, QPalette::Highlight}, // inactive caption
    {QPalette::Active, QPalette::Window}, // menu
    {QPalette::Active, QPalette::Base}, // window
    {QPalette::Active, QPalette::Shadow}, // window frame
    {QPalette::Active, QPalette::WindowText}, // menu text
    {QPalette::Active, QPalette::Text}, // window text
    {QPalette::Active, QPalette::HighlightedText}, // caption text
    {QPalette::Active, QPalette::Mid}, // active border
    {QPalette::Inactive, QPalette::Mid}, // inactive border
    {QPalette::Active, QPalette::Dark}, // application workspace
    {QPalette::Active, QPalette::Highlight}, // highlight
    {QPalette::Active, QPalette::HighlightedText}, // highlighted text
    {QPalette::Active, QPalette::Button}, // button face
    {QPalette::Active, QPalette::Dark}, // button shadow
    {QPalette::Disabled, QPalette::WindowText}, // grey text
    {QPalette::Active, QPalette::ButtonText}, // button text
    {QPalette::Inactive, QPalette::HighlightedText}, // inactive caption text
    {QPalette::Active, QPalette::Light}, // button highlight
    {QPalette::Active, QPalette::Shadow}, // 3D dark shadow
    {QPalette::Active, QPalette::Midlight}, // 3D light
    {QPalette::Active, QPalette::ToolTipText}, // info text
    {QPalette::Active, QPalette::ToolTipBase}, // info background
    {QPalette::Active, QPalette::Window}, // (unused index 25)
    {QPalette::Active, QPalette::Link}, // hot light
    {QPalette::Active, QPalette::Highlight}, // gradient active caption
    {QPalette::Inactive, QPalette::Highlight}, // gradient inactive caption
    {QPalette::Active, QPalette::Highlight}, // menu highlight
    {QPalette::Active, QPalette::Window}, // menu bar
}};
} // namespace

QColor toQColor(TColor value, const QPalette& palette)
{
    const auto v = std::uint32_t(value);
    if (isSystemColor(value)) {
        const std::uint32_t index = v & 0x00FFFFFFu;
        if (index < systemColors.size()) {
            const SystemColor& sc = systemColors[index];
            return palette.color(sc.group, sc.role);
        }
        return palette.color(QPalette::WindowText);
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

TColor fromQColor(const QColor& color)
{
    return rgbColor(color.red(), color.green(), color.blue());
}

} // namespace corvane
