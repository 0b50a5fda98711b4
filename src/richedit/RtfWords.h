// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace corvane::rtf {

// The control words the reader acts on, grouped so that a range check sorts them by kind.
enum class Word : std::uint8_t {
    // document
    Rtf,
    CodePage,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    Bin,
    // destinations
    FontTable,
    ColorTable,
    Skip,
    Field,
    FieldInstruction,
    FieldResult,
    Picture,
    Transparent,
    // character formats and table entries
    Plain,
    Font,
    AssociatedFont,
    FontSize,
    Bold,
    Italic,
    Strike,
    Underline,
    Foreground,
    Background,
    Vertical,
    Hidden,
    Red,
    Green,
    Blue,
    FontCharset,
    FontCodePage,
    // paragraph formats
    Pard,
    Align,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    TabStop,
    TabKind,
    InTable,
    PageBreakBefore,
    // breaks and characters
    Par,
    Page,
    Cell,
    Row,
    Char,
    // pictures
    PictureKind,
    PicWidth,
    PicHeight,
    PicGoalWidth,
    PicGoalHeight,
    PicScaleX,
    PicScaleY,
    // lists: destinations
    ListTable,
    ListOverrideTable,
    ListText,
    LevelText,
    LevelNumbers,
    Numbering,
    NumberingText,
    NumberingBefore,
    NumberingAfter,
    // lists: table entries and paragraph words
    List,
    ListLevel,
    ListOverride,
    ListId,
    LevelStyle,
    LevelStart,
    LevelFollow,
    ListNumber,
    ListLevelNumber,
    NumberingKind,
    NumberingLevel,
    NumberingStyle,
    NumberingStart,
    NumberingFont,
};

struct WordInfo {
    Word word;
    int value = 0;
};

// The word's meaning, or nullptr for a word the reader ignores.
const WordInfo* findWord(std::string_view name);

} // namespace corvane::rtf
