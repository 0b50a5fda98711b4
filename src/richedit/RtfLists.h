// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// Lists as RTF declares them: Word's list table (\listtable, \listoverridetable, \ls, \ilvl)
// and the older paragraph numbering of WordPad and RTF 1.x (\pn). The reader fills these in;
// the functions here count items and spell their markers.
namespace corvane::rtf {

// \levelnfc and \pn number styles; the ones not named here count in decimal.
namespace NumberStyle {
constexpr int decimal = 0;
constexpr int upperRoman = 1;
constexpr int lowerRoman = 2;
constexpr int upperLetter = 3;
constexpr int lowerLetter = 4;
constexpr int ordinal = 5;
constexpr int leadingZero = 22;
constexpr int bullet = 23;
constexpr int none = 255;
} // namespace NumberStyle

constexpr int kMaxListLevels = 9;

// `n` in a list style. Styles that would spell a huge number at length (roman numerals above
// 3999, letters past ten rounds of the alphabet) fall back to decimal, so no marker grows
// with the number.
QString formatNumber(int n, int style);

struct ListLevel {
    int style = NumberStyle::decimal;
    int start = 1;
    int follow = 0; // \levelfollow: 0 a tab, 1 a blank, 2 nothing after the marker
    int leftIndent = 0; // twips, as \li and \fi inside the level
    int firstIndent = 0;
    bool hasIndent = false;
    // The level text with its placeholders: a character below kMaxListLevels stands for the
    // number of that level.
    QString text;
};

// The running numbers of one list: a level goes on counting until a shallower item starts
// its deeper levels again.
class LevelCounters {
public:
    // Counts an item at `level` and returns its number.
    int next(int level, int start);
    // The current number of `level`, `start` when it has not begun.
    int at(int level, int start) const;
    void reset();

private:
    std::array<int, kMaxListLevels> m_value{};
    std::array<bool, kMaxListLevels> m_started{};
};

struct ListDefinition {
    int id = 0;
    std::vector<ListLevel> levels; // at most kMaxListLevels
    LevelCounters counters;
};

// The marker of an item at `level` (its text with the numbers filled in) and what follows it.
QString listMarker(const ListDefinition& list, int level);

// \pn: one paragraph's numbering, kept in the paragraph's state so that the following
// paragraphs, which WordPad writes without one, share it.
struct ParagraphNumbering {
    enum class Kind : std::uint8_t { None, Bullet, Number, Continue };
    Kind kind = Kind::None;
    int level = 0; // 0 for \pnlvlbody and bullets, N-1 for \pnlvlN
    int style = NumberStyle::decimal;
    int start = 1;
    int font = -1; // \pnf
    QString before; // \pntxtb
    QString after; // \pntxta

    bool operator==(const ParagraphNumbering&) const = default;
};

// The marker of the \pn paragraph numbered `n` (ignored for bullets), with its tab.
QString numberingMarker(const ParagraphNumbering& numbering, int n);

} // namespace corvane::rtf
