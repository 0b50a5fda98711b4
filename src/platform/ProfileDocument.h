// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TextCodec.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

namespace corvane {

// The bytes of one initialisation file, parsed once into an index of sections and keys; no file
// access. Lookups follow the Windows private-profile reader: names match after trimming
// blanks and by simple Unicode case folding, the first section of a name and the first key in
// it win, lines before the first header form the section with the empty name. withValue
// computes the bytes after a write, changing only the line or lines the write needs.
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

private:
    struct Line {
        qsizetype start = 0;
        qsizetype contentEnd = 0;
        qsizetype end = 0; // after the line end
    };
    struct Entry {
        QString key; // as spelled in the file
        QString value; // text after "=" without surrounding blanks
        int line = 0;
        bool hasValue = false;
    };
    struct Section {
        int lastLine = -1; // last non-blank line, the header included
        QHash<QString, Entry> entries; // by folded key
    };
    struct Edit {
        qsizetype from = 0;
        qsizetype to = 0;
        QString text;
    };

    void parse();
    qsizetype unitSize() const;
    char16_t unitAt(qsizetype offset) const;
    Line nextLine(qsizetype start) const;
    void parseLine(int index, Section*& current);
    const Section* findSection(QStringView name) const;
    std::optional<Edit> planEdit(QStringView section, QStringView key, QStringView value) const;
    Edit appendSection(QStringView section, const QString& keyLine) const;
    QByteArray apply(const Edit& edit) const;

    QByteArray m_bytes;
    TextEncoding m_encoding = TextEncoding::Utf8;
    qsizetype m_bodyStart = 0; // after the byte-order mark
    qsizetype m_bodyEnd = 0; // before a trailing odd byte of a UTF-16 file
    std::vector<Line> m_lines;
    std::vector<Section> m_sections;
    QHash<QString, int> m_sectionIndex; // by folded name
};

// A caller's default as the reader returns it: trailing spaces dropped (never the first
// character), one pair of enclosing quotes removed, cut to 2047 UTF-16 units.
QString profileDefault(QStringView def);

} // namespace corvane
