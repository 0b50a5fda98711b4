// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// What each kind of control word does to the reader's state (the table is in
// RtfControlWords.cpp).
#include "RtfField.h"
#include "RtfReader.h"
#include "RtfWords.h"

#include <QTextDocument>
#include <algorithm>
#include <utility>

namespace corvane::rtf {

namespace {
int toggle(int param, bool hasParam)
{
    return !hasParam || param != 0;
}

bool entersAfterStar(Word w)
{
    switch (w) {
    case Word::FieldInstruction:
    case Word::Transparent:
    case Word::ListTable:
    case Word::ListOverrideTable:
    case Word::Numbering:
        return true;
    default:
        return false;
    }
}

// The tables of lists and \pn hold only their own words and formats: a field or a
// paragraph mark there must not reach the body.
bool inListTables(Destination d)
{
    return d >= Destination::ListTable;
}
} // namespace

void RtfReader::onControlWord(const Token& token)
{
    const WordInfo* info = findWord(std::string_view(token.text.data(), size_t(token.text.size())));
    if (info && info->word == Word::Bin) {
        skipBinary(token.param);
        return;
    }
    // After \* only the destinations the reader knows are entered; the rest is skipped whole.
    const bool ignorable = std::exchange(m_ignorable, false);
    if (ignorable && (!info || !entersAfterStar(info->word))) {
        m_state.destination = Destination::Skip;
        return;
    }
    if (!info || m_state.destination == Destination::Skip)
        return;
    if (info->word != Word::Unicode && skippedByUnicodeCount())
        return;
    dispatch(*info, token.param, token.hasParam);
}

void RtfReader::dispatch(const WordInfo& info, int param, bool hasParam)
{
    const Word w = info.word;
    if (w <= Word::Bin)
        documentWord(w, info.value, param);
    else if (w <= Word::Transparent) {
        if (!inListTables(m_state.destination))
            destinationWord(w);
    } else if (w <= Word::FontCodePage)
        charWord(w, info.value, param, hasParam);
    else if (w <= Word::PageBreakBefore)
        paraWord(w, info.value, param);
    else if (w == Word::Char)
        onChar(char16_t(info.value));
    else if (w <= Word::Row)
        breakWord(w);
    else if (w <= Word::PicScaleY)
        pictureWord(w, info.value, param);
    else
        listWord(w, info.value, param);
}

void RtfReader::documentWord(Word word, int value, int param)
{
    switch (word) {
    case Word::CodePage:
        m_codePage = value;
        break;
    case Word::AnsiCodePage:
        if (param > 0 && param < 100000)
            m_codePage = param;
        break;
    case Word::DefaultFont:
        m_defaultFont = param;
        m_state.chars.font = param;
        break;
    case Word::UnicodeSkip:
        // Beyond a few bytes a fallback count is nonsense; capping it keeps text visible.
        m_state.unicodeSkip = std::clamp(param, 0, 16);
        break;
    case Word::Unicode:
        onUnicode(param);
        break;
    default:
        break;
    }
}

void RtfReader::destinationWord(Word word)
{
    switch (word) {
    case Word::FontTable:
        m_state.destination = Destination::FontTable;
        break;
    case Word::ColorTable:
        m_state.destination = Destination::ColorTable;
        m_colour = QColor(0, 0, 0);
        m_colourSet = false;
        break;
    case Word::Skip:
        m_state.destination = Destination::Skip;
        break;
    case Word::Field:
        m_instruction.clear();
        break;
    case Word::FieldInstruction:
        m_instruction.clear();
        m_state.destination = Destination::FieldInstruction;
        break;
    case Word::FieldResult:
        beginFieldResult();
        break;
    case Word::Picture:
        m_picture = PictureData();
        m_state.destination = Destination::Picture;
        m_state.onClose = GroupEnd::Picture;
        break;
    default:
        break;
    }
}

void RtfReader::beginFieldResult()
{
    m_state.destination = Destination::Text;
    const QString target = hyperlinkTarget(m_instruction);
    if (target.isEmpty() || m_tables.links.size() >= kMaxTableEntries)
        return;
    m_tables.links.push_back(target);
    m_state.chars.link = int(m_tables.links.size() - 1);
}

void RtfReader::charWord(Word word, int value, int param, bool hasParam)
{
    CharState& c = m_state.chars;
    switch (word) {
    case Word::Plain: {
        const int link = c.link; // \plain resets formats, not the field the text sits in
        c = CharState();
        c.font = m_defaultFont;
        c.link = link;
        break;
    }
    case Word::Font:
        if (m_state.destination != Destination::FontTable) {
            c.font = param;
        } else if (m_tables.fonts.size() < kMaxTableEntries || m_tables.fonts.count(param)) {
            m_fontBeingDefined = param;
            m_tables.fonts[param] = FontEntry();
            m_fontNameDone = false;
        }
        break;
    case Word::AssociatedFont:
        if (m_state.destination != Destination::FontTable)
            c.associatedFont = param;
        break;
    case Word::FontSize:
        c.halfPoints = hasParam ? std::clamp(param, 2, 3200) : 24;
        break;
    case Word::Bold:
        c.bold = toggle(param, hasParam);
        break;
    case Word::Italic:
        c.italic = toggle(param, hasParam);
        break;
    case Word::Strike:
        c.strike = toggle(param, hasParam);
        break;
    case Word::Underline:
        c.underline = toggle(param, hasParam) ? Underline(value) : Underline::None;
        break;
    case Word::Foreground:
        c.foreground = param;
        break;
    case Word::Background:
        c.background = param;
        break;
    case Word::Vertical:
        c.vertical = VerticalPosition(value);
        break;
    case Word::Hidden:
        c.hidden = toggle(param, hasParam);
        break;
    default:
        tableWord(word, param);
        break;
    }
}

void RtfReader::tableWord(Word word, int param)
{
    const int component = std::clamp(param, 0, 255);
    auto font = m_tables.fonts.find(m_fontBeingDefined);
    switch (word) {
    case Word::Red:
        m_colour.setRed(component);
        break;
    case Word::Green:
        m_colour.setGreen(component);
        break;
    case Word::Blue:
        m_colour.setBlue(component);
        break;
    case Word::FontCharset:
        if (font == m_tables.fonts.end())
            return;
        if (font->second.codePage == 0)
            font->second.codePage = codePageForCharset(param);
        font->second.charset = param;
        font->second.symbol = symbolFontFor(font->second.name, param);
        return;
    case Word::FontCodePage:
        if (font != m_tables.fonts.end() && param > 0 && param < 100000)
            font->second.codePage = param;
        return;
    default:
        return;
    }
    m_colourSet = true;
}

void RtfReader::paraWord(Word word, int value, int param)
{
    ParaState& p = m_state.para;
    switch (word) {
    case Word::Pard:
        p = ParaState();
        break;
    case Word::Align:
        p.alignment = Alignment(value);
        break;
    case Word::LeftIndent:
        p.leftIndent = param;
        p.indentGiven = true;
        break;
    case Word::RightIndent:
        p.rightIndent = param;
        break;
    case Word::FirstIndent:
        p.firstIndent = param;
        p.indentGiven = true;
        break;
    case Word::SpaceBefore:
        p.spaceBefore = param;
        break;
    case Word::SpaceAfter:
        p.spaceAfter = param;
        break;
    case Word::LineSpacing:
        p.lineSpacing = param;
        break;
    case Word::LineMultiple:
        p.lineMultiple = param != 0;
        break;
    default:
        tabWord(word, value, param);
        break;
    }
}

void RtfReader::tabWord(Word word, int value, int param)
{
    constexpr size_t kMaxTabs = 64;
    ParaState& p = m_state.para;
    switch (word) {
    case Word::TabStop:
        if (p.tabs.size() < kMaxTabs)
            p.tabs.push_back({std::clamp(param, 0, 1'000'000), p.nextTabKind});
        p.nextTabKind = TabKind::Left;
        break;
    case Word::TabKind:
        p.nextTabKind = corvane::rtf::TabKind(value);
        break;
    case Word::PageBreakBefore:
        p.pageBreakBefore = true;
        break;
    default:
        break;
    }
}

void RtfReader::breakWord(Word word)
{
    if (m_state.destination != Destination::Text)
        return;
    if (word == Word::Cell) {
        // A cell's text ends in a tab, so a row reads as one line of tab-separated cells.
        prepareRun();
        decodePending();
        m_run += QLatin1Char('\t');
        return;
    }
    endParagraph();
    switch (word) {
    case Word::Page:
        m_builder.pageBreak(blockFormat());
        break;
    default: // \par, \sect, \row
        m_builder.paragraphEnd(blockFormat());
        break;
    }
}

void RtfReader::pictureWord(Word word, int value, int param)
{
    if (m_state.destination != Destination::Picture)
        return;
    switch (word) {
    case Word::PictureKind:
        m_picture.kind = corvane::rtf::PictureKind(value);
        break;
    case Word::PicWidth:
        m_picture.width = param;
        break;
    case Word::PicHeight:
        m_picture.height = param;
        break;
    case Word::PicGoalWidth:
        m_picture.goalWidth = param;
        break;
    case Word::PicGoalHeight:
        m_picture.goalHeight = param;
        break;
    case Word::PicScaleX:
        m_picture.scaleX = param;
        break;
    default:
        m_picture.scaleY = param;
        break;
    }
}

void RtfReader::finishPicture()
{
    m_state.onClose = GroupEnd::Nothing;
    const QImage image = decodePicture(m_picture);
    if (!image.isNull()) {
        prepareRun();
        flushRun();
        m_builder.image(image, pictureDisplaySize(m_picture, image), runFormat());
    }
    m_picture = PictureData();
}

void RtfReader::skipBinary(int count)
{
    const QByteArrayView data = m_tokens.takeBinary(count);
    if (m_state.destination == Destination::Picture)
        m_picture.binary += data;
}

} // namespace corvane::rtf
