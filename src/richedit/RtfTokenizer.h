// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

namespace corvane::rtf {

enum class TokenKind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, Text, HexByte };

// One piece of RTF. `text` views the input (valid while it lives): the word's name for a
// control word, the run of plain bytes for text. A hexadecimal escape carries its byte in
// `param`, a control symbol its character.
struct Token {
    TokenKind kind = TokenKind::End;
    QByteArrayView text;
    int param = 0;
    bool hasParam = false;
};

// Splits RTF bytes into tokens without ever failing: stray bytes become text, a cut-off input
// simply ends. Numeric parameters are clamped to +-kParamLimit so later arithmetic cannot
// overflow. Line ends outside of text runs are dropped, as the format says.
class RtfTokenizer {
public:
    static constexpr int kParamLimit = 1'000'000'000;

    explicit RtfTokenizer(QByteArrayView input)
        : m_in(input)
    {
    }

    Token next();
    // Hands out up to `count` raw bytes (the payload of \binN) and moves past them.
    QByteArrayView takeBinary(qsizetype count);
    qsizetype position() const { return m_pos; }

private:
    Token controlSequence();
    Token controlWord();
    Token text();
    int hexValue(char c) const;

    QByteArrayView m_in;
    qsizetype m_pos = 0;
};

} // namespace corvane::rtf
