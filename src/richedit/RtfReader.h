// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RtfCodePages.h"
#include "RtfDocumentBuilder.h"
#include "RtfFormats.h"
#include "RtfPicture.h"
#include "RtfState.h"
#include "RtfTokenizer.h"
#include "RtfWords.h"

#include <QByteArrayView>
#include <vector>

class QTextDocument;

namespace corvane::rtf {

// The RTF state machine: takes tokens from RtfTokenizer, keeps the group stack with the
// formatting state, sorts text into its destination (body, font table, colour table, field
// instruction, picture data, or nowhere) and hands body text with its formats to
// RtfDocumentBuilder. Everything it keeps is bounded: the group stack, the tables, a field
// instruction, so hostile input costs at most time linear in its size.
class RtfReader {
public:
    // Appends the content of `rtf` to `document`, which should be empty. Never fails: whatever
    // can be read is kept, and reading ends at the close of the outermost group.
    static void read(QByteArrayView rtf, QTextDocument& document);

    static constexpr size_t kMaxDepth = 1000;
    static constexpr size_t kMaxTableEntries = 4096;
    static constexpr qsizetype kMaxInstruction = 1024;

private:
    RtfReader(QByteArrayView rtf, QTextDocument& document);
    void run();

    // Groups
    void openGroup();
    void closeGroup();

    // Text from any token, sorted by destination.
    void onText(QByteArrayView bytes);
    void onByte(char byte);
    void onUnicode(int value);
    void onChar(char16_t c);
    void onControlSymbol(char c);
    bool skippedByUnicodeCount();
    void fontName(const QString& text);
    void colourText(QByteArrayView bytes);

    // Body text: bytes gather until the format changes, then go to the builder as one run.
    void prepareRun();
    void decodePending();
    void flushRun();
    const QTextCharFormat& runFormat();
    const QTextBlockFormat& blockFormat();
    int codePageOf(int font) const;

    // Control words (RtfControlWords.cpp)
    void onControlWord(const Token& token);
    void dispatch(const WordInfo& info, int param, bool hasParam);
    void documentWord(Word word, int value, int param);
    void destinationWord(Word word);
    void charWord(Word word, int value, int param, bool hasParam);
    void tableWord(Word word, int param);
    void paraWord(Word word, int value, int param);
    void tabWord(Word word, int value, int param);
    void breakWord(Word word);
    void pictureWord(Word word, int value, int param);
    void beginFieldResult();
    void finishPicture();
    void skipBinary(int count);

    RtfTokenizer m_tokens;
    RtfDocumentBuilder m_builder;
    CodePageDecoder m_decoder;
    DocumentTables m_tables;

    GroupState m_state;
    std::vector<GroupState> m_stack;
    size_t m_overflow = 0; // groups opened beyond kMaxDepth
    bool m_ended = false;
    bool m_ignorable = false; // a \* announced an ignorable destination
    int m_unicodeSkipLeft = 0;

    int m_codePage = 1252;
    int m_defaultFont = -1;
    int m_fontBeingDefined = -1;
    bool m_fontNameDone = true;
    QColor m_colour;
    bool m_colourSet = false;
    QString m_instruction;
    PictureData m_picture;

    CharState m_runState;
    QByteArray m_pendingBytes;
    QString m_run;
    CharState m_formatState;
    QTextCharFormat m_format;
    bool m_formatValid = false;
    ParaState m_blockState;
    QTextBlockFormat m_blockFormat;
    bool m_blockFormatValid = false;
};

} // namespace corvane::rtf
