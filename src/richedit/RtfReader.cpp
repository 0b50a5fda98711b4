// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfReader.h"

#include <QTextDocument>
#include <algorithm>

namespace corvane::rtf {

void RtfReader::read(QByteArrayView rtf, QTextDocument& document)
{
    RtfReader reader(rtf, document);
    reader.run();
}

RtfReader::RtfReader(QByteArrayView rtf, QTextDocument& document)
    : m_tokens(rtf)
    , m_builder(document)
{
    m_stack.reserve(64);
}

void RtfReader::run()
{
    while (!m_ended) {
        const Token t = m_tokens.next();
        switch (t.kind) {
        case TokenKind::End:
            m_ended = true;
            break;
        case TokenKind::GroupStart:
            openGroup();
            break;
        case TokenKind::GroupEnd:
            closeGroup();
            break;
        case TokenKind::ControlWord:
            onControlWord(t);
            break;
        case TokenKind::ControlSymbol:
            onControlSymbol(char(t.param));
            break;
        case TokenKind::Text:
            onText(t.text);
            break;
        case TokenKind::HexByte:
            onByte(char(t.param));
            break;
        }
    }
    if (m_state.onClose == GroupEnd::Picture)
        finishPicture();
    flushRun();
    m_builder.finish(blockFormat());
}

void RtfReader::openGroup()
{
    m_ignorable = false;
    m_unicodeSkipLeft = 0;
    if (m_stack.size() >= kMaxDepth) {
        ++m_overflow;
        return;
    }
    m_stack.push_back(m_state);
    m_state.onClose = GroupEnd::Nothing;
}

void RtfReader::closeGroup()
{
    m_ignorable = false;
    m_unicodeSkipLeft = 0;
    if (m_overflow > 0) {
        --m_overflow;
        return;
    }
    if (m_stack.empty()) {
        m_ended = true; // a stray brace ends the document, as in other readers
        return;
    }
    // A picture and a list level take the formats of their own group; \pn and
    // \listoverride hand their values out to the group around them.
    const GroupEnd ending = m_state.onClose;
    if (ending == GroupEnd::Picture)
        finishPicture();
    else if (ending == GroupEnd::ListLevel)
        finishListLevel();
    if (m_stack.size() == 1) {
        // The document's own group ends; its last paragraph keeps the formats set inside.
        m_ended = true;
        return;
    }
    m_state = std::move(m_stack.back());
    m_stack.pop_back();
    if (ending == GroupEnd::Numbering)
        finishNumbering();
    else if (ending == GroupEnd::ListOverride)
        finishListOverride();
}

bool RtfReader::skippedByUnicodeCount()
{
    if (m_unicodeSkipLeft <= 0)
        return false;
    --m_unicodeSkipLeft;
    return true;
}

void RtfReader::onText(QByteArrayView bytes)
{
    m_ignorable = false;
    if (m_unicodeSkipLeft > 0) {
        const qsizetype n = std::min<qsizetype>(m_unicodeSkipLeft, bytes.size());
        m_unicodeSkipLeft -= int(n);
        bytes = bytes.sliced(n);
    }
    if (bytes.isEmpty())
        return;
    switch (m_state.destination) {
    case Destination::Text:
        prepareRun();
        m_pendingBytes += bytes;
        break;
    case Destination::FieldInstruction:
        if (m_instruction.size() < kMaxInstruction)
            m_instruction += m_decoder.decode(
                m_codePage, bytes.first(std::min<qsizetype>(bytes.size(), kMaxInstruction)));
        break;
    case Destination::FontTable:
        fontName(m_decoder.decode(m_codePage, bytes));
        break;
    case Destination::ColorTable:
        colourText(bytes);
        break;
    case Destination::Picture:
        m_picture.hex += bytes;
        break;
    default:
        markerText(bytes);
        break;
    }
}

void RtfReader::onByte(char byte)
{
    if (skippedByUnicodeCount())
        return;
    if (m_state.destination == Destination::Text) {
        prepareRun();
        m_pendingBytes += byte;
    } else if (m_state.destination != Destination::Picture) {
        onText(QByteArrayView(&byte, 1));
    }
}

void RtfReader::onUnicode(int value)
{
    if (value < 0)
        value += 65536;
    m_unicodeSkipLeft = 0;
    if (value >= 0 && value <= 0xffff)
        onChar(char16_t(value));
    m_unicodeSkipLeft = m_state.unicodeSkip;
}

void RtfReader::onChar(char16_t c)
{
    m_ignorable = false;
    if (skippedByUnicodeCount())
        return;
    switch (m_state.destination) {
    case Destination::Text:
        prepareRun();
        decodePending();
        if (!m_runState.hidden)
            m_run += QChar(symbolChar(m_runState, c));
        break;
    case Destination::FieldInstruction:
        if (m_instruction.size() < kMaxInstruction)
            m_instruction += QChar(c);
        break;
    case Destination::FontTable:
        fontName(QString(QChar(c)));
        break;
    default:
        markerChar(c);
        break;
    }
}

void RtfReader::onControlSymbol(char c)
{
    if (c == '*') {
        m_ignorable = true;
        return;
    }
    if (c == '\\' || c == '{' || c == '}') {
        onText(QByteArrayView(&c, 1));
        return;
    }
    m_ignorable = false;
    switch (c) {
    case '~':
        return onChar(u'\u00a0');
    case '-':
        return onChar(u'\u00ad');
    case '_':
        return onChar(u'\u2011');
    default:
        skippedByUnicodeCount(); // other symbols (\| \: ...) carry no text
    }
}

void RtfReader::fontName(const QString& text)
{
    constexpr qsizetype kMaxFontName = 128;
    auto font = m_tables.fonts.find(m_fontBeingDefined);
    if (m_fontNameDone || font == m_tables.fonts.end())
        return;
    const qsizetype end = text.indexOf(QLatin1Char(';'));
    if (font->second.name.size() < kMaxFontName)
        font->second.name += text.left(end < 0 ? kMaxFontName : end).trimmed();
    m_fontNameDone = end >= 0;
    font->second.symbol = symbolFontFor(font->second.name, font->second.charset);
}

void RtfReader::colourText(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (c != ';' || m_tables.colours.size() >= kMaxTableEntries)
            continue;
        m_tables.colours.push_back(m_colourSet ? m_colour : QColor());
        m_colour = QColor(0, 0, 0);
        m_colourSet = false;
    }
}

void RtfReader::prepareRun()
{
    if (!m_paragraphStarted && !m_state.inMarker)
        startParagraph();
    if (m_runState == m_state.chars)
        return;
    flushRun();
    m_runState = m_state.chars;
}

void RtfReader::decodePending()
{
    if (m_pendingBytes.isEmpty())
        return;
    if (!m_runState.hidden)
        m_run += decodeBytes(m_runState.font, m_pendingBytes);
    m_pendingBytes.clear();
}

void RtfReader::flushRun()
{
    decodePending();
    if (m_run.isEmpty())
        return;
    // Line ends inside text would split the paragraph; RTF spells them as control words.
    for (QChar& c : m_run) {
        if ((c.unicode() < 0x20 && c != u'\t') || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    m_builder.text(m_run, runFormat());
    m_run.clear();
}

const QTextCharFormat& RtfReader::runFormat()
{
    if (!m_formatValid || !(m_formatState == m_runState)) {
        m_format = toCharFormat(m_runState, m_tables);
        m_formatState = m_runState;
        m_formatValid = true;
    }
    return m_format;
}

const QTextBlockFormat& RtfReader::blockFormat()
{
    if (!m_blockFormatValid || !(m_blockState == m_state.para)) {
        m_blockFormat = toBlockFormat(withListIndents(m_state.para));
        m_blockState = m_state.para;
        m_blockFormatValid = true;
    }
    return m_blockFormat;
}

int RtfReader::codePageOf(int font) const
{
    const auto it = m_tables.fonts.find(font);
    return it != m_tables.fonts.end() && it->second.codePage > 0 ? it->second.codePage : m_codePage;
}

SymbolFont RtfReader::symbolFontOf(int font) const
{
    const auto it = m_tables.fonts.find(font);
    return it != m_tables.fonts.end() ? it->second.symbol : SymbolFont::None;
}

QString RtfReader::decodeBytes(int font, QByteArrayView bytes)
{
    const SymbolFont symbol = symbolFontOf(font);
    if (symbol == SymbolFont::None)
        return m_decoder.decode(codePageOf(font), bytes);
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const char16_t c = symbolCharacter(symbol, static_cast<unsigned char>(b));
        text += c != 0 ? QString(QChar(c)) : m_decoder.decode(codePageOf(font), {&b, 1});
    }
    return text;
}

char16_t RtfReader::symbolChar(const CharState& chars, char16_t c) const
{
    // Word writes a symbol font's characters as private-use code points U+F0xx; LibreOffice
    // sometimes names that font only as the associated one.
    if (c < 0xF020 || c > 0xF0FF)
        return c;
    SymbolFont symbol = symbolFontOf(chars.font);
    if (symbol == SymbolFont::None)
        symbol = symbolFontOf(chars.associatedFont);
    const char16_t mapped = symbolCharacter(symbol, c);
    return mapped != 0 ? mapped : c;
}

} // namespace corvane::rtf
