// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

namespace corvane::rtf {

// Fonts whose byte codes are pictures rather than letters of a code page. Word and WordPad
// write list bullets and Greek or mathematical letters as bytes in these fonts, which a Linux
// desktop seldom has; the reader turns them into the Unicode characters they stand for.
enum class SymbolFont : std::uint8_t { None, Symbol, Wingdings };

// By name first ("Symbol", "Wingdings", whatever \fnil or \fcharset says); any other font of
// the symbol charset (2: OpenSymbol, StarSymbol...) is read with the Symbol layout, which
// those fonts were made to cover.
SymbolFont symbolFontFor(const QString& name, int charset);

// The character that `code` shows in `font`, or 0 when the font has no Unicode equivalent
// for it (the caller then falls back to the code page). Private-use code points U+F020 to
// U+F0FF, as Word writes symbol-font characters in \u, give their low byte as `code`.
char16_t symbolCharacter(SymbolFont font, unsigned code);

} // namespace corvane::rtf
