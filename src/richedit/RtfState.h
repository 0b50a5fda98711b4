// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RtfLists.h"
#include "SymbolFonts.h"

#include <QString>
#include <cstdint>
#include <vector>

// The reader's formatting state. RTF saves it at every "{" and restores it at "}", so each
// group on the reader's stack carries a copy. Lengths are twips, font sizes half points, as
// in the file; conversion to Qt's units happens once, in RtfFormats.
namespace corvane::rtf {

enum class Underline : std::uint8_t { None, Single, Double, Dotted, Dash, Wave, Thick };
enum class VerticalPosition : std::uint8_t { Normal, Super, Sub };
enum class Alignment : std::uint8_t { Left, Center, Right, Justify };
enum class TabKind : std::uint8_t { Left, Center, Right, Decimal };

struct CharState {
    int font = -1;
    int associatedFont = -1; // \af: a font for other scripts, which writers also name for
                             // a bullet's private-use character
    int halfPoints = 24;
    int foreground = 0; // colour table index, 0 = automatic
    int background = 0;
    int link = -1; // index of the hyperlink target, -1 = none
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    Underline underline = Underline::None;
    VerticalPosition vertical = VerticalPosition::Normal;

    bool operator==(const CharState&) const = default;
};

struct TabStop {
    int twips = 0;
    TabKind kind = TabKind::Left;
    bool operator==(const TabStop&) const = default;
};

struct ParaState {
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0; // \sl: >0 at least, <0 exactly, 0 single
    bool lineMultiple = false;
    bool pageBreakBefore = false;
    std::vector<TabStop> tabs;
    TabKind nextTabKind = TabKind::Left;
    bool indentGiven = false; // \li or \fi seen, else a list level's indents apply
    int list = 0; // \lsN, 0 = none
    int listLevel = 0; // \ilvlN
    ParagraphNumbering numbering; // \pn

    bool operator==(const ParaState&) const = default;
};

// Where the text of a group goes.
enum class Destination : std::uint8_t {
    Text,
    Skip,
    FontTable,
    ColorTable,
    FieldInstruction,
    Picture,
    ListTable,
    ListOverrideTable,
    LevelText,
    LevelNumbers,
    Numbering, // \pn
    NumberingBefore, // \pntxtb
    NumberingAfter, // \pntxta
};

// What a group, when it closes, completes.
enum class GroupEnd : std::uint8_t { Nothing, Picture, ListLevel, ListOverride, Numbering };

struct GroupState {
    CharState chars;
    ParaState para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1; // \ucN
    GroupEnd onClose = GroupEnd::Nothing;
    bool inMarker = false; // inside \listtext or \pntext
};

struct FontEntry {
    QString name;
    int codePage = 0; // 0: the document's code page
    int charset = -1;
    SymbolFont symbol = SymbolFont::None;
};

} // namespace corvane::rtf
