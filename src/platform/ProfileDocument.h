// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TextCodec.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace corvane {

class ProfileIndex;

// One write of a value, as ProfileFile::writeString takes it.
struct ProfileWrite {
    QString section;
    QString key;
    QString value;
};

// The bytes of one initialisation file, parsed once into an index of sections and keys; no file
// access. Lookups follow the Windows private-profile reader: names match after trimming
// blanks and by simple Unicode case folding, the first section of a name and the first key in
// it win, lines before the first header form the section with the empty name. withValue
// computes the bytes after a write, changing only the line or lines the write needs.
//
// Settings files and scripts can be megabytes long, so parsing keeps offsets into the bytes
// rather than strings: a line's key is hashed where it lies (folded on the fly when it is
// ASCII), and a key or value is decoded only when a lookup asks for it.
class ProfileDocument {
public:
    explicit ProfileDocument(QByteArray bytes = {});

    const QByteArray& bytes() const { return m_bytes; }
    TextEncoding encoding() const { return m_encoding; }

    // The value a reader gets (blanks trimmed, ended at a NUL, one pair of enclosing quotes
    // removed, cut to 2047 UTF-16 units); nothing when the section or key is absent or the
    // key's line has no "=".
    std::optional<QString> value(QStringView section, QStringView key) const;

    // The file's bytes after setting `key` in `section` to `value` (its leading blanks
    // dropped). The very same bytes when the stored value already equals it.
    QByteArray withValue(QStringView section, QStringView key, QStringView value) const;

    // The bytes after all the writes in order: exactly what writing them one by one, each on
    // the result of the one before, gives, but planned on this one parse.
    QByteArray withValues(const std::vector<ProfileWrite>& writes) const;

private:
    struct Line {
        qsizetype start = 0;
        qsizetype contentEnd = 0;
        qsizetype end = 0; // after the line end
    };
    // Byte offsets of the trimmed key and value; a line without "=" has no value.
    struct Entry {
        int line = 0;
        int section = 0;
        qsizetype keyFrom = 0;
        qsizetype keyTo = 0;
        qsizetype valueFrom = 0;
        qsizetype valueTo = 0;
        bool hasValue = false;
    };
    struct Section {
        int lastLine = -1; // last non-blank line, the header included
        qsizetype nameFrom = 0; // the name between the brackets, blanks not yet trimmed
        qsizetype nameTo = 0;
    };
    struct Edit {
        qsizetype from = 0;
        qsizetype to = 0;
        QString text;
    };
    class Batch;

    void parse();
    template <typename UnitAt> void parseUnits(UnitAt at);
    template <typename UnitAt> quint64 hashUnits(UnitAt at, qsizetype from, qsizetype to) const;
    int addSection(qsizetype nameFrom, qsizetype nameTo, int line);
    void addEntry(const Entry& entry, quint64 keyHash);
    qsizetype unitSize() const;
    char16_t unitAt(qsizetype offset) const;
    QString decode(qsizetype from, qsizetype to) const;
    QString entryKey(const Entry& e) const { return decode(e.keyFrom, e.keyTo); }
    QString entryValue(const Entry& e) const { return decode(e.valueFrom, e.valueTo); }
    QString sectionName(int section) const; // folded
    int findSection(QStringView name) const;
    const Entry* findEntry(int section, QStringView key) const;
    std::optional<Edit> planEdit(QStringView section, QStringView key, QStringView value) const;
    Edit insertionInto(int section, const QString& lines) const;
    static QString sectionText(QStringView name, const QString& keyLines);
    bool endsWithLineBreak() const;
    QByteArray apply(const std::vector<Edit>& edits) const;

    QByteArray m_bytes;
    TextEncoding m_encoding = TextEncoding::Utf8;
    qsizetype m_bodyStart = 0; // after the byte-order mark
    qsizetype m_bodyEnd = 0; // before a trailing odd byte of a UTF-16 file
    std::vector<Line> m_lines; // the lines that are not blank
    std::vector<Section> m_sections;
    std::vector<Entry> m_entries;
    std::shared_ptr<ProfileIndex> m_index; // sections by folded name, keys by section and name
};

// A caller's default as the reader returns it: trailing spaces dropped (never the first
// character), one pair of enclosing quotes removed, cut to 2047 UTF-16 units.
QString profileDefault(QStringView def);

} // namespace corvane
