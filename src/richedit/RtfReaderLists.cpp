// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Lists: the list table, the list overrides, the older \pn numbering, and each list item's
// marker.
//
// A marker is text in the document, at the start of its paragraph, followed by the tab the
// writer put there; the paragraph's hanging indent and the tab stop at its left indent line
// the item's text up after it. As text the marker is shown, printed page by page, searched
// and given out by documentText() exactly as the author's word processor showed it: the
// writer's own \listtext or \pntext when the file has one, else one spelled here from the
// list's level text. QTextList was the other way: Qt draws its markers beside the block, from
// a handful of styles of its own, so neither "1.1." nor a symbol-font bullet nor a writer's
// \listtext would come through, and every reader of the text would have to add the markers
// back.
#include "RtfReader.h"

#include <algorithm>

namespace corvane::rtf {

void RtfReader::listWord(Word word, int value, int param)
{
    if (word <= Word::NumberingAfter)
        return listDestination(word);
    const Destination d = m_state.destination;
    switch (word) {
    case Word::List:
        m_listBeingDefined = -1;
        if (d == Destination::ListTable && m_lists.size() < kMaxTableEntries) {
            m_lists.emplace_back();
            m_listBeingDefined = int(m_lists.size() - 1);
        }
        break;
    case Word::ListLevel:
        if (d == Destination::ListTable) {
            m_level = ListLevel();
            m_levelText.clear();
            m_levelNumbers.clear();
            m_state.onClose = GroupEnd::ListLevel;
        }
        break;
    case Word::ListOverride:
        if (d == Destination::ListOverrideTable) {
            m_override = PendingOverride();
            m_state.onClose = GroupEnd::ListOverride;
        }
        break;
    case Word::ListId:
        if (d == Destination::ListOverrideTable) {
            m_override.listId = param;
        } else if (d == Destination::ListTable && m_listBeingDefined >= 0) {
            m_lists[size_t(m_listBeingDefined)].id = param;
            if (m_listIds.size() < kMaxTableEntries || m_listIds.count(param))
                m_listIds[param] = size_t(m_listBeingDefined);
        }
        break;
    case Word::ListNumber:
        if (d == Destination::ListOverrideTable)
            m_override.number = param;
        else
            m_state.para.list = std::max(param, 0);
        break;
    case Word::ListLevelNumber:
        m_state.para.listLevel = std::clamp(param, 0, kMaxListLevels - 1);
        break;
    default:
        if (d == Destination::ListTable)
            levelWord(word, param);
        else
            numberingWord(word, value, param);
        break;
    }
}

void RtfReader::listDestination(Word word)
{
    Destination& d = m_state.destination;
    switch (word) {
    case Word::ListTable:
        d = Destination::ListTable;
        break;
    case Word::ListOverrideTable:
        d = Destination::ListOverrideTable;
        break;
    case Word::ListText:
    case Word::NumberingText:
        // Text for the body, which says this paragraph needs no marker of ours.
        if (d == Destination::Text) {
            m_state.inMarker = true;
            m_markerSeen = true;
        }
        break;
    case Word::LevelText:
        if (d == Destination::ListTable) {
            m_levelText.clear();
            d = Destination::LevelText;
        }
        break;
    case Word::LevelNumbers:
        if (d == Destination::ListTable) {
            m_levelNumbers.clear();
            d = Destination::LevelNumbers;
        }
        break;
    case Word::Numbering:
        if (d == Destination::Text) {
            m_numbering = ParagraphNumbering();
            m_numbering.kind = ParagraphNumbering::Kind::Number;
            m_numberingBefore.clear();
            m_numberingAfter.clear();
            d = Destination::Numbering;
            m_state.onClose = GroupEnd::Numbering;
        }
        break;
    case Word::NumberingBefore:
    case Word::NumberingAfter:
        if (d == Destination::Numbering) {
            auto& raw = word == Word::NumberingBefore ? m_numberingBefore : m_numberingAfter;
            raw.clear();
            d = word == Word::NumberingBefore ? Destination::NumberingBefore
                                              : Destination::NumberingAfter;
        }
        break;
    default:
        break;
    }
}

void RtfReader::levelWord(Word word, int param)
{
    switch (word) {
    case Word::LevelStyle:
        m_level.style = param;
        break;
    case Word::LevelStart:
        m_level.start = std::clamp(param, 0, RtfTokenizer::kParamLimit);
        break;
    case Word::LevelFollow:
        m_level.follow = param;
        break;
    default:
        break;
    }
}

void RtfReader::numberingWord(Word word, int value, int param)
{
    if (m_state.destination != Destination::Numbering)
        return;
    switch (word) {
    case Word::NumberingKind:
        m_numbering.kind = ParagraphNumbering::Kind(value);
        m_numbering.level = 0;
        break;
    case Word::NumberingLevel:
        m_numbering.kind = ParagraphNumbering::Kind::Number;
        m_numbering.level = std::clamp(param - 1, 0, kMaxListLevels - 1);
        break;
    case Word::NumberingStyle:
        m_numbering.style = value;
        break;
    case Word::NumberingStart:
        m_numbering.start = std::clamp(param, 0, RtfTokenizer::kParamLimit);
        break;
    case Word::NumberingFont:
        m_numbering.font = param;
        break;
    default:
        break;
    }
}

void RtfReader::markerText(QByteArrayView bytes)
{
    if (m_state.destination == Destination::LevelNumbers) {
        const qsizetype room = std::max<qsizetype>(kMaxListLevels - m_levelNumbers.size(), 0);
        m_levelNumbers += bytes.first(std::min(bytes.size(), room));
        return;
    }
    for (const char b : bytes) {
        if (std::vector<RawChar>* raw = markerTarget(); raw && raw->size() < kMaxMarkerText)
            raw->push_back({char16_t(static_cast<unsigned char>(b)), true});
    }
}

void RtfReader::markerChar(char16_t c)
{
    if (std::vector<RawChar>* raw = markerTarget(); raw && raw->size() < kMaxMarkerText)
        raw->push_back({c, false});
}

std::vector<RtfReader::RawChar>* RtfReader::markerTarget()
{
    switch (m_state.destination) {
    case Destination::LevelText:
        return &m_levelText;
    case Destination::NumberingBefore:
        return &m_numberingBefore;
    case Destination::NumberingAfter:
        return &m_numberingAfter;
    default:
        return nullptr;
    }
}

void RtfReader::finishListLevel()
{
    if (m_listBeingDefined < 0)
        return;
    ListDefinition& list = m_lists[size_t(m_listBeingDefined)];
    if (list.levels.size() >= size_t(kMaxListLevels))
        return;
    // The level text counts its characters in its first one; \levelnumbers gives the places
    // (from 1) of the placeholders among them. Without it, a byte below the number of levels
    // can only be a placeholder.
    std::vector<RawChar> text;
    if (!m_levelText.empty()) {
        const size_t n = std::min<size_t>(m_levelText.front().value, m_levelText.size() - 1);
        text.assign(m_levelText.begin() + 1, m_levelText.begin() + 1 + long(n));
    }
    std::vector<bool> numbers(text.size(), false);
    for (const char place : std::as_const(m_levelNumbers)) {
        const auto i = size_t(static_cast<unsigned char>(place));
        if (i >= 1 && i <= text.size())
            numbers[i - 1] = true;
    }
    for (size_t i = 0; m_levelNumbers.isEmpty() && i < text.size(); ++i)
        numbers[i] = text[i].byte && text[i].value < kMaxListLevels;
    // The level's own group holds its indents and the font of its marker.
    m_level.text = resolve(text, m_state.chars, numbers);
    m_level.leftIndent = m_state.para.leftIndent;
    m_level.firstIndent = m_state.para.firstIndent;
    m_level.hasIndent = m_state.para.indentGiven;
    list.levels.push_back(m_level);
}

void RtfReader::finishListOverride()
{
    const auto list = m_listIds.find(m_override.listId);
    if (m_override.number <= 0 || list == m_listIds.end())
        return;
    if (m_listNumbers.size() < kMaxTableEntries || m_listNumbers.count(m_override.number))
        m_listNumbers[m_override.number] = list->second;
}

void RtfReader::finishNumbering()
{
    if (m_state.destination != Destination::Text)
        return;
    CharState chars;
    chars.font = m_numbering.font;
    m_numbering.before = resolve(m_numberingBefore, chars, {});
    m_numbering.after = resolve(m_numberingAfter, chars, {});
    m_state.para.numbering = m_numbering;
}

QString RtfReader::resolve(
    const std::vector<RawChar>& raw, const CharState& chars, const std::vector<bool>& numbers)
{
    QString text;
    QByteArray bytes;
    const auto decodeBytesSoFar = [&] {
        text += decodeBytes(chars.font, bytes);
        bytes.clear();
    };
    for (size_t i = 0; i < raw.size(); ++i) {
        const RawChar c = raw[i];
        if (i < numbers.size() && numbers[i]) {
            decodeBytesSoFar();
            if (c.value < kMaxListLevels)
                text += QChar(c.value);
        } else if (c.value < 0x20) {
            continue; // control characters would read as placeholders
        } else if (c.byte) {
            bytes += char(c.value);
        } else {
            decodeBytesSoFar();
            text += QChar(symbolChar(chars, c.value));
        }
    }
    decodeBytesSoFar();
    return text;
}

ListDefinition* RtfReader::listOf(int listNumber)
{
    const auto it = listNumber > 0 ? m_listNumbers.find(listNumber) : m_listNumbers.end();
    return it != m_listNumbers.end() && !m_lists[it->second].levels.empty() ? &m_lists[it->second]
                                                                            : nullptr;
}

ParaState RtfReader::withListIndents(const ParaState& para)
{
    ParaState p = para;
    const ListDefinition* list = p.indentGiven ? nullptr : listOf(p.list);
    if (!list)
        return p;
    const ListLevel& level = list->levels[std::min(size_t(p.listLevel), list->levels.size() - 1)];
    if (level.hasIndent) {
        p.leftIndent = level.leftIndent;
        p.firstIndent = level.firstIndent;
    }
    return p;
}

void RtfReader::startParagraph()
{
    using Kind = ParagraphNumbering::Kind;
    m_paragraphStarted = true;
    const ParaState& p = m_state.para;
    QString marker;
    if (ListDefinition* list = listOf(p.list)) {
        // Every item counts, also one that brings its marker along, so that the numbers
        // spelled here agree with the writer's.
        const int level = std::min(p.listLevel, int(list->levels.size()) - 1);
        list->counters.next(level, list->levels[size_t(level)].start);
        if (!m_markerSeen)
            marker = listMarker(*list, level);
    } else if (p.numbering.kind == Kind::Number || p.numbering.kind == Kind::Bullet) {
        const int n = p.numbering.kind == Kind::Number
            ? m_numberingCounters.next(p.numbering.level, p.numbering.start)
            : 0;
        if (!m_markerSeen)
            marker = numberingMarker(p.numbering, n);
    } else if (p.numbering.kind == Kind::None) {
        // \pn numbers run over neighbouring paragraphs; any other paragraph ends the run.
        m_numberingCounters.reset();
    }
    if (marker.isEmpty())
        return;
    flushRun();
    CharState chars; // the item's font and size, none of its emphasis or link
    chars.font = m_state.chars.font;
    chars.halfPoints = m_state.chars.halfPoints;
    chars.foreground = m_state.chars.foreground;
    m_builder.text(marker, toCharFormat(chars, m_tables));
}

void RtfReader::endParagraph()
{
    if (!m_paragraphStarted)
        startParagraph(); // an empty item still shows its marker
    flushRun();
    m_paragraphStarted = false;
    m_markerSeen = false;
}

} // namespace corvane::rtf
