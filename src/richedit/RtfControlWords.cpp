// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The control words the reader understands, and what each one does to the reader's state.
// Words not listed are ignored, as the format asks.
#include "RtfWords.h"

#include "RtfPicture.h"
#include "RtfState.h"

#include <unordered_map>

namespace corvane::rtf {

namespace {
using WordTable = std::unordered_map<std::string_view, WordInfo>;

void addDocumentWords(WordTable& t)
{
    t.insert(
        {{"rtf", {Word::Rtf}}, {"ansi", {Word::CodePage, 1252}}, {"mac", {Word::CodePage, 10000}},
            {"pc", {Word::CodePage, 437}}, {"pca", {Word::CodePage, 850}},
            {"ansicpg", {Word::AnsiCodePage}}, {"deff", {Word::DefaultFont}},
            {"uc", {Word::UnicodeSkip}}, {"u", {Word::Unicode}}, {"bin", {Word::Bin}}});
}

void addDestinations(WordTable& t)
{
    t.insert(
        {{"fonttbl", {Word::FontTable}}, {"colortbl", {Word::ColorTable}}, {"field", {Word::Field}},
            {"fldinst", {Word::FieldInstruction}}, {"fldrslt", {Word::FieldResult}},
            {"pict", {Word::Picture}}, {"shppict", {Word::Transparent}},
            {"ud", {Word::Transparent}}, {"upr", {Word::Transparent}}});
    // Destinations whose text is not part of the body.
    for (const char* name : {"info", "stylesheet", "header", "headerl", "headerr", "headerf",
             "footer", "footerl", "footerr", "footerf", "footnote", "revtbl", "rsidtbl", "xmlnstbl",
             "pgdsctbl", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn",
             "annotation", "atnid", "atnauthor", "nonshppict", "nonesttables", "xe", "tc", "txe",
             "objdata", "themedata", "colorschememapping", "datastore", "latentstyles", "generator",
             "bkmkstart", "bkmkend", "template", "title", "subject", "author", "operator",
             "keywords", "comment", "doccomm", "company", "userprops", "falt", "panose", "fname",
             "object", "shpinst", "background", "nesttableprops", "listpicture", "mmath"})
        t.insert({name, {Word::Skip}});
}

void addCharWords(WordTable& t)
{
    t.insert({{"plain", {Word::Plain}}, {"f", {Word::Font}}, {"af", {Word::AssociatedFont}},
        {"fs", {Word::FontSize}}, {"b", {Word::Bold}}, {"i", {Word::Italic}},
        {"strike", {Word::Strike}}, {"striked", {Word::Strike}},
        {"ul", {Word::Underline, int(Underline::Single)}},
        {"ulw", {Word::Underline, int(Underline::Single)}},
        {"uldb", {Word::Underline, int(Underline::Double)}},
        {"uld", {Word::Underline, int(Underline::Dotted)}},
        {"uldash", {Word::Underline, int(Underline::Dash)}},
        {"uldashd", {Word::Underline, int(Underline::Dash)}},
        {"uldashdd", {Word::Underline, int(Underline::Dash)}},
        {"ulwave", {Word::Underline, int(Underline::Wave)}},
        {"ulhwave", {Word::Underline, int(Underline::Wave)}},
        {"ulth", {Word::Underline, int(Underline::Thick)}},
        {"ulnone", {Word::Underline, int(Underline::None)}}, {"cf", {Word::Foreground}},
        {"cb", {Word::Background}}, {"highlight", {Word::Background}},
        {"chcbpat", {Word::Background}}, {"super", {Word::Vertical, int(VerticalPosition::Super)}},
        {"sub", {Word::Vertical, int(VerticalPosition::Sub)}},
        {"nosupersub", {Word::Vertical, int(VerticalPosition::Normal)}}, {"v", {Word::Hidden}},
        {"red", {Word::Red}}, {"green", {Word::Green}}, {"blue", {Word::Blue}},
        {"fcharset", {Word::FontCharset}}, {"cpg", {Word::FontCodePage}}});
}

void addParaWords(WordTable& t)
{
    t.insert({{"pard", {Word::Pard}}, {"ql", {Word::Align, int(Alignment::Left)}},
        {"qc", {Word::Align, int(Alignment::Center)}}, {"qr", {Word::Align, int(Alignment::Right)}},
        {"qj", {Word::Align, int(Alignment::Justify)}}, {"li", {Word::LeftIndent}},
        {"lin", {Word::LeftIndent}}, {"ri", {Word::RightIndent}}, {"rin", {Word::RightIndent}},
        {"fi", {Word::FirstIndent}}, {"sb", {Word::SpaceBefore}}, {"sa", {Word::SpaceAfter}},
        {"sl", {Word::LineSpacing}}, {"slmult", {Word::LineMultiple}}, {"tx", {Word::TabStop}},
        {"tb", {Word::TabStop}}, {"tqc", {Word::TabKind, int(TabKind::Center)}},
        {"tqr", {Word::TabKind, int(TabKind::Right)}},
        {"tqdec", {Word::TabKind, int(TabKind::Decimal)}}, {"intbl", {Word::InTable}},
        {"pagebb", {Word::PageBreakBefore}}});
}

void addBreaksAndCharacters(WordTable& t)
{
    t.insert({{"par", {Word::Par}}, {"sect", {Word::Par}}, {"page", {Word::Page}},
        {"cell", {Word::Cell}}, {"nestcell", {Word::Cell}}, {"row", {Word::Row}},
        {"nestrow", {Word::Row}}, {"tab", {Word::Char, '\t'}}, {"line", {Word::Char, 0x2028}},
        {"emdash", {Word::Char, 0x2014}}, {"endash", {Word::Char, 0x2013}},
        {"bullet", {Word::Char, 0x2022}}, {"lquote", {Word::Char, 0x2018}},
        {"rquote", {Word::Char, 0x2019}}, {"ldblquote", {Word::Char, 0x201c}},
        {"rdblquote", {Word::Char, 0x201d}}, {"emspace", {Word::Char, 0x2003}},
        {"enspace", {Word::Char, 0x2002}}, {"qmspace", {Word::Char, 0x2005}},
        {"zwj", {Word::Char, 0x200d}}, {"zwnj", {Word::Char, 0x200c}},
        {"ltrmark", {Word::Char, 0x200e}}, {"rtlmark", {Word::Char, 0x200f}}});
}

void addPictureWords(WordTable& t)
{
    t.insert({{"pngblip", {Word::PictureKind, int(PictureKind::Png)}},
        {"jpegblip", {Word::PictureKind, int(PictureKind::Jpeg)}},
        {"dibitmap", {Word::PictureKind, int(PictureKind::Dib)}}, {"picw", {Word::PicWidth}},
        {"pich", {Word::PicHeight}}, {"picwgoal", {Word::PicGoalWidth}},
        {"pichgoal", {Word::PicGoalHeight}}, {"picscalex", {Word::PicScaleX}},
        {"picscaley", {Word::PicScaleY}}});
    for (const char* other : {"emfblip", "wmetafile", "macpict", "pmmetafile", "wbitmap"})
        t.insert({other, {Word::PictureKind, int(PictureKind::Unsupported)}});
}

void addListWords(WordTable& t)
{
    using K = ParagraphNumbering::Kind;
    t.insert({{"listtable", {Word::ListTable}}, {"listoverridetable", {Word::ListOverrideTable}},
        {"listtext", {Word::ListText}}, {"leveltext", {Word::LevelText}},
        {"levelnumbers", {Word::LevelNumbers}}, {"pn", {Word::Numbering}},
        {"pntext", {Word::NumberingText}}, {"pntxtb", {Word::NumberingBefore}},
        {"pntxta", {Word::NumberingAfter}}, {"list", {Word::List}},
        {"listlevel", {Word::ListLevel}}, {"listoverride", {Word::ListOverride}},
        {"listid", {Word::ListId}}, {"levelnfc", {Word::LevelStyle}},
        {"levelnfcn", {Word::LevelStyle}}, {"levelstartat", {Word::LevelStart}},
        {"levelfollow", {Word::LevelFollow}}, {"ls", {Word::ListNumber}},
        {"ilvl", {Word::ListLevelNumber}}, {"pnlvl", {Word::NumberingLevel}},
        {"pnlvlbody", {Word::NumberingKind, int(K::Number)}},
        {"pnlvlblt", {Word::NumberingKind, int(K::Bullet)}},
        {"pnlvlcont", {Word::NumberingKind, int(K::Continue)}},
        {"pndec", {Word::NumberingStyle, NumberStyle::decimal}},
        {"pncard", {Word::NumberingStyle, NumberStyle::decimal}},
        {"pnucrm", {Word::NumberingStyle, NumberStyle::upperRoman}},
        {"pnlcrm", {Word::NumberingStyle, NumberStyle::lowerRoman}},
        {"pnucltr", {Word::NumberingStyle, NumberStyle::upperLetter}},
        {"pnlcltr", {Word::NumberingStyle, NumberStyle::lowerLetter}},
        {"pnord", {Word::NumberingStyle, NumberStyle::ordinal}},
        {"pnordt", {Word::NumberingStyle, NumberStyle::ordinal}},
        {"pnstart", {Word::NumberingStart}}, {"pnf", {Word::NumberingFont}}});
}

const WordTable& wordTable()
{
    static const WordTable table = [] {
        WordTable t;
        addDocumentWords(t);
        addDestinations(t);
        addCharWords(t);
        addParaWords(t);
        addBreaksAndCharacters(t);
        addPictureWords(t);
        addListWords(t);
        return t;
    }();
    return table;
}

} // namespace

const WordInfo* findWord(std::string_view name)
{
    const WordTable& table = wordTable();
    const auto it = table.find(name);
    return it == table.end() ? nullptr : &it->second;
}

} // namespace corvane::rtf
