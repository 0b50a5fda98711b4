// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfTokenizer.h"

#include <algorithm>

namespace corvane::rtf {

namespace {
constexpr qsizetype kMaxWordLength = 32;
constexpr qsizetype kMaxDigits = 10;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isSpecial(char c)
{
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}
} // namespace

Token RtfTokenizer::next()
{
    while (m_pos < m_in.size()) {
        const char c = m_in[m_pos];
        if (c == '{') {
            ++m_pos;
            return {TokenKind::GroupStart, {}, 0, false};
        }
        if (c == '}') {
            ++m_pos;
            return {TokenKind::GroupEnd, {}, 0, false};
        }
        if (c == '\\')
            return controlSequence();
        if (c == '\r' || c == '\n' || c == '\0') {
            ++m_pos;
            continue;
        }
        return text();
    }
    return {};
}

QByteArrayView RtfTokenizer::takeBinary(qsizetype count)
{
    const qsizetype n = std::clamp<qsizetype>(count, 0, m_in.size() - m_pos);
    const QByteArrayView data = m_in.sliced(m_pos, n);
    m_pos += n;
    return data;
}

Token RtfTokenizer::text()
{
    const qsizetype start = m_pos;
    while (m_pos < m_in.size() && !isSpecial(m_in[m_pos]) && m_in[m_pos] != '\0')
        ++m_pos;
    return {TokenKind::Text, m_in.sliced(start, m_pos - start), 0, false};
}

Token RtfTokenizer::controlSequence()
{
    ++m_pos; // the backslash
    if (m_pos >= m_in.size())
        return {};
    const char c = m_in[m_pos];
    if (isLetter(c))
        return controlWord();
    ++m_pos;
    if (c == '\'') {
        const int hi = m_pos < m_in.size() ? hexValue(m_in[m_pos]) : -1;
        const int lo = m_pos + 1 < m_in.size() ? hexValue(m_in[m_pos + 1]) : -1;
        if (hi < 0 || lo < 0)
            return {TokenKind::Text, {}, 0, false}; // a broken escape is dropped
        m_pos += 2;
        return {TokenKind::HexByte, {}, hi * 16 + lo, true};
    }
    // A backslash before a line end is an old spelling of \par.
    if (c == '\r' || c == '\n')
        return {TokenKind::ControlWord, "par", 0, false};
    return {TokenKind::ControlSymbol, m_in.sliced(m_pos - 1, 1), c, false};
}

Token RtfTokenizer::controlWord()
{
    const qsizetype start = m_pos;
    while (m_pos < m_in.size() && isLetter(m_in[m_pos]))
        ++m_pos;
    Token t{TokenKind::ControlWord, m_in.sliced(start, std::min(m_pos - start, kMaxWordLength)), 0,
        false};
    bool negative = false;
    if (m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    qint64 value = 0;
    qsizetype digits = 0;
    while (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
        if (digits++ < kMaxDigits)
            value = std::min<qint64>(value * 10 + (m_in[m_pos] - '0'), kParamLimit);
        ++m_pos;
    }
    if (digits > 0) {
        t.hasParam = true;
        t.param = int(negative ? -value : value);
    }
    if (m_pos < m_in.size() && m_in[m_pos] == ' ')
        ++m_pos; // the delimiting blank belongs to the word
    return t;
}

int RtfTokenizer::hexValue(char c) const
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace corvane::rtf
