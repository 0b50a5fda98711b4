// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "richedit/SymbolFonts.h"

#include <gtest/gtest.h>

namespace corvane::rtf {
namespace {

TEST(SymbolFonts, KnownByNameOrCharset)
{
    EXPECT_EQ(symbolFontFor(QStringLiteral("Symbol"), 0), SymbolFont::Symbol); // \fnil Symbol
    EXPECT_EQ(symbolFontFor(QStringLiteral(" wingdings "), 2), SymbolFont::Wingdings);
    EXPECT_EQ(symbolFontFor(QStringLiteral("OpenSymbol"), 2), SymbolFont::Symbol);
    EXPECT_EQ(symbolFontFor(QStringLiteral("OpenSymbol"), 0), SymbolFont::None);
    EXPECT_EQ(symbolFontFor(QStringLiteral("Arial"), 0), SymbolFont::None);
    EXPECT_EQ(symbolFontFor(QString(), -1), SymbolFont::None);
}

TEST(SymbolFonts, SymbolLayout)
{
    struct Case {
        unsigned code;
        char16_t character;
    };
    const Case cases[] = {{0x20, u' '}, {0xB7, u'\u2022'}, {0x61, u'α'}, {0x44, u'Δ'}, {0x57, u'Ω'},
        {0x70, u'π'}, {0xAE, u'→'}, {0xB3, u'≥'}, {0xB9, u'≠'}, {0xA5, u'∞'}, {0xD6, u'√'},
        {0xFE, u'\u23AD'}, {0xF0B7, u'\u2022'}, {0xF061, u'α'}};
    for (const Case& c : cases)
        EXPECT_EQ(symbolCharacter(SymbolFont::Symbol, c.code), c.character) << std::hex << c.code;
    // Codes the font leaves empty, control codes and other private-use points have none.
    for (const unsigned code : {0x00u, 0x1Fu, 0x7Fu, 0x80u, 0x9Fu, 0xF0u, 0xFFu, 0xF01Fu, 0xF100u})
        EXPECT_EQ(symbolCharacter(SymbolFont::Symbol, code), 0) << std::hex << code;
}

TEST(SymbolFonts, WingdingsBullets)
{
    EXPECT_EQ(symbolCharacter(SymbolFont::Wingdings, 0xA7), u'\u25AA');
    EXPECT_EQ(symbolCharacter(SymbolFont::Wingdings, 0xD8), u'\u27A2');
    EXPECT_EQ(symbolCharacter(SymbolFont::Wingdings, 0xFC), u'\u2714');
    EXPECT_EQ(symbolCharacter(SymbolFont::Wingdings, 0x6C), u'\u25CF');
    EXPECT_EQ(symbolCharacter(SymbolFont::Wingdings, 0x71), u'\u2751');
    EXPECT_EQ(symbolCharacter(SymbolFont::Wingdings, 0x76), u'\u2756');
    EXPECT_EQ(symbolCharacter(SymbolFont::Wingdings, 0xF0FC), u'\u2714');
    // The ends of the runs spelled as ranges.
    EXPECT_EQ(symbolCharacter(SymbolFont::Wingdings, 0x5E), u'♈');
    EXPECT_EQ(symbolCharacter(SymbolFont::Wingdings, 0x69), u'♓');
    EXPECT_EQ(symbolCharacter(SymbolFont::Wingdings, 0x81), u'①');
    EXPECT_EQ(symbolCharacter(SymbolFont::Wingdings, 0x8A), u'⑩');
    EXPECT_EQ(symbolCharacter(SymbolFont::Wingdings, 0x8C), u'❶');
    EXPECT_EQ(symbolCharacter(SymbolFont::Wingdings, 0x95), u'❿');
    EXPECT_EQ(symbolCharacter(SymbolFont::Wingdings, 0x23), 0); // a picture without equivalent
    EXPECT_EQ(symbolCharacter(SymbolFont::None, 0xB7), 0);
}

} // namespace
} // namespace corvane::rtf
