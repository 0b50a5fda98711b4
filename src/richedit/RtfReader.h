// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RtfCodePages.h"
#include "RtfDocumentBuilder.h"
#include "RtfFormats.h"
#include "RtfLists.h"
#include "RtfPicture.h"
#include "RtfState.h"
#include "RtfTokenizer.h"
#include "RtfWords.h"

#include <QByteArrayView>
#include <map>
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
    static constexpr size_t kMaxMarkerText = 64; // level and \pn texts, in characters

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
    SymbolFont symbolFontOf(int font) const;
    QString decodeBytes(int font, QByteArrayView bytes);
    char16_t symbolChar(const CharState& chars, char16_t c) const;

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

    // Lists (RtfReaderLists.cpp)
    struct RawChar {
        char16_t value;
        bool byte; // a byte of the font's code page, else a Unicode character
    };
    struct PendingOverride {
        int listId = 0;
        int number = 0;
    };
    void listWord(Word word, int value, int param);
    void listDestination(Word word);
    void levelWord(Word word, int param);
    void numberingWord(Word word, int value, int param);
    void markerText(QByteArrayView bytes);
    void markerChar(char16_t c);
    std::vector<RawChar>* markerTarget();
    void finishListLevel();
    void finishListOverride();
    void finishNumbering();
    QString resolve(
        const std::vector<RawChar>& raw, const CharState& chars, const std::vector<bool>& numbers);
    void startParagraph();
    void endParagraph();
    ListDefinition* listOf(int listNumber);
    ParaState withListIndents(const ParaState& para);

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

    std::vector<ListDefinition> m_lists;
    std::map<int, size_t> m_listIds; // \listid -> m_lists
    std::map<int, size_t> m_listNumbers; // \ls -> m_lists
    int m_listBeingDefined = -1;
    ListLevel m_level;
    std::vector<RawChar> m_levelText;
    QByteArray m_levelNumbers;
    PendingOverride m_override;
    ParagraphNumbering m_numbering;
    std::vector<RawChar> m_numberingBefore;
    std::vector<RawChar> m_numberingAfter;
    LevelCounters m_numberingCounters;
    bool m_paragraphStarted = false; // the paragraph has content besides its marker
    bool m_markerSeen = false; // the paragraph brought its own \listtext or \pntext

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
