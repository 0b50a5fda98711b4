// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProfileDocument.h"

#include "platform/ProfileIndex.h"

#include <algorithm>

namespace corvane {

namespace {
constexpr qsizetype maxValueUnits = 2047;
const QString crlf = QStringLiteral("\r\n");

QStringView trimmed(QStringView s)
{
    return trimmedProfileText(s);
}

QStringView withoutQuotes(QStringView s)
{
    if (s.size() >= 2 && (s.front() == u'"' || s.front() == u'\'') && s.back() == s.front())
        return s.sliced(1, s.size() - 2);
    return s;
}

// Cut to the reader's buffer, leaving out a surrogate pair whole rather than halving it.
QString cutToBuffer(QStringView s)
{
    if (s.size() <= maxValueUnits)
        return s.toString();
    const qsizetype n = s[maxValueUnits - 1].isHighSurrogate() ? maxValueUnits - 1 : maxValueUnits;
    return s.first(n).toString();
}

QString readValue(QStringView stored)
{
    const qsizetype nul = stored.indexOf(QChar(0));
    if (nul >= 0)
        stored = trimmed(stored.first(nul));
    return cutToBuffer(withoutQuotes(stored));
}
} // namespace

QString profileDefault(QStringView def)
{
    qsizetype end = def.size();
    while (end > 1 && def[end - 1] == u' ')
        --end;
    return cutToBuffer(withoutQuotes(def.first(end)));
}

ProfileDocument::ProfileDocument(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
    parse();
}

qsizetype ProfileDocument::unitSize() const
{
    const bool wide = m_encoding == TextEncoding::Utf16LE || m_encoding == TextEncoding::Utf16BE;
    return wide ? 2 : 1;
}

char16_t ProfileDocument::unitAt(qsizetype offset) const
{
    const auto b = [this](qsizetype i) { return char16_t(static_cast<unsigned char>(m_bytes[i])); };
    switch (m_encoding) {
    case TextEncoding::Utf16LE:
        return char16_t(b(offset) | (b(offset + 1) << 8));
    case TextEncoding::Utf16BE:
        return char16_t((b(offset) << 8) | b(offset + 1));
    default:
        return b(offset);
    }
}

QString ProfileDocument::decode(qsizetype from, qsizetype to) const
{
    return decodeAs(QByteArrayView(m_bytes).sliced(from, to - from), m_encoding);
}

void ProfileDocument::parse()
{
    m_encoding = detectEncoding(m_bytes);
    m_bodyStart = byteOrderMarkSize(m_encoding);
    const qsizetype unit = unitSize();
    m_bodyEnd = m_bodyStart + (m_bytes.size() - m_bodyStart) / unit * unit;
    // Room for every line at once: growing the lists and the index step by step would copy
    // them again and again, and fresh memory is what a large file costs most.
    // (A file of nothing but line breaks has no names, so the index reserves only so much.)
    const size_t breaks = size_t(std::max(m_bytes.count('\n'), m_bytes.count('\r')) + 1);
    const size_t lines = std::min<size_t>(breaks, size_t(m_bytes.size()) / 2 + 1);
    m_lines.reserve(lines);
    m_entries.reserve(lines);
    m_index = std::make_shared<ProfileIndex>();
    m_index->reserve(std::min<size_t>(lines, 1 << 20));
    m_sections.push_back(Section{});
    m_index->addSection(profileNameHash({}), 0);
    const auto* p = reinterpret_cast<const unsigned char*>(m_bytes.constData());
    switch (m_encoding) {
    case TextEncoding::Utf16LE:
        parseUnits([p](qsizetype i) { return char16_t(p[i] | (p[i + 1] << 8)); });
        break;
    case TextEncoding::Utf16BE:
        parseUnits([p](qsizetype i) { return char16_t((p[i] << 8) | p[i + 1]); });
        break;
    default:
        parseUnits([p](qsizetype i) { return char16_t(p[i]); });
        break;
    }
}

// CR and LF never occur inside a multi-byte UTF-8 sequence, and every character that
// delimits a line (blanks, brackets, "=") is ASCII, so the whole structure is found on code
// units alike in every encoding; only names with other characters are decoded to be folded.
template <typename UnitAt> void ProfileDocument::parseUnits(UnitAt at)
{
    const qsizetype u = unitSize();
    int current = 0; // -1 inside a repeated section, whose lines no lookup ever sees
    for (qsizetype pos = m_bodyStart; pos < m_bodyEnd;) {
        Line line{pos, pos, pos};
        qsizetype i = pos;
        while (i < m_bodyEnd && at(i) != '\r' && at(i) != '\n')
            i += u;
        line.contentEnd = i;
        if (i < m_bodyEnd)
            i += (at(i) == '\r' && i + u < m_bodyEnd && at(i + u) == '\n') ? 2 * u : u;
        line.end = pos = i;

        qsizetype b = line.start, e = line.contentEnd;
        while (b < e && isProfileBlank(at(b)))
            b += u;
        while (e > b && isProfileBlank(at(e - u)))
            e -= u;
        // Blank lines are never looked at again, so only the others are kept.
        if (b == e)
            continue;
        const int index = int(m_lines.size());
        m_lines.push_back(line);
        if (at(b) == '[') {
            qsizetype close = e - u;
            while (close > b && at(close) != ']')
                close -= u;
            if (close > b) {
                current = addSection(b + u, close, index);
                continue;
            }
        }
        if (current < 0)
            continue;
        m_sections[size_t(current)].lastLine = index;
        Entry entry;
        entry.line = index;
        entry.section = current;
        entry.keyFrom = b;
        qsizetype eq = b;
        while (eq < e && at(eq) != '=')
            eq += u;
        entry.hasValue = eq < e;
        qsizetype keyEnd = eq;
        while (keyEnd > b && isProfileBlank(at(keyEnd - u)))
            keyEnd -= u;
        entry.keyTo = keyEnd;
        if (entry.hasValue) {
            qsizetype v = eq + u;
            while (v < e && isProfileBlank(at(v)))
                v += u;
            entry.valueFrom = v;
            entry.valueTo = e;
        }
        addEntry(entry, hashUnits(at, b, keyEnd));
    }
}

// The hash of the folded name between two offsets: folded on the fly while it is ASCII, and
// decoded and folded whole otherwise, so both ways hash the same UTF-16 units.
template <typename UnitAt>
quint64 ProfileDocument::hashUnits(UnitAt at, qsizetype from, qsizetype to) const
{
    ProfileNameHasher hasher;
    for (qsizetype i = from; i < to; i += unitSize()) {
        const char16_t c = at(i);
        if (c >= 0x80)
            return profileNameHash(foldedProfileName(decode(from, to)));
        hasher.add(c >= 'A' && c <= 'Z' ? char16_t(c + 32) : c);
    }
    return hasher.value();
}

int ProfileDocument::addSection(qsizetype nameFrom, qsizetype nameTo, int line)
{
    const QString name = foldedProfileName(trimmed(decode(nameFrom, nameTo)));
    const quint64 hash = profileNameHash(name);
    if (m_index->findSection(hash, [&](int s) { return sectionName(s) == name; }) >= 0)
        return -1;
    const int index = int(m_sections.size());
    m_sections.push_back(Section{line, nameFrom, nameTo});
    m_index->addSection(hash, index);
    return index;
}

void ProfileDocument::addEntry(const Entry& entry, quint64 keyHash)
{
    const QString* key = nullptr;
    QString decoded;
    const auto same = [&](int other) {
        if (m_entries[size_t(other)].section != entry.section)
            return false;
        if (!key) {
            decoded = foldedProfileName(entryKey(entry));
            key = &decoded;
        }
        return foldedProfileName(entryKey(m_entries[size_t(other)])) == *key;
    };
    if (m_index->findEntry(keyHash, entry.section, same) >= 0)
        return; // the first key of a name wins
    m_index->addEntry(keyHash, entry.section, int(m_entries.size()));
    m_entries.push_back(entry);
}

QString ProfileDocument::sectionName(int section) const
{
    const Section& s = m_sections[size_t(section)];
    return section == 0 ? QString() : foldedProfileName(trimmed(decode(s.nameFrom, s.nameTo)));
}

int ProfileDocument::findSection(QStringView name) const
{
    const QString folded = foldedProfileName(trimmed(name));
    return m_index->findSection(
        profileNameHash(folded), [&](int s) { return sectionName(s) == folded; });
}

const ProfileDocument::Entry* ProfileDocument::findEntry(int section, QStringView key) const
{
    const QString folded = foldedProfileName(trimmed(key));
    const int found = m_index->findEntry(profileNameHash(folded), section, [&](int e) {
        return m_entries[size_t(e)].section == section
            && foldedProfileName(entryKey(m_entries[size_t(e)])) == folded;
    });
    return found < 0 ? nullptr : &m_entries[size_t(found)];
}

std::optional<QString> ProfileDocument::value(QStringView section, QStringView key) const
{
    const int s = findSection(section);
    const Entry* e = s < 0 ? nullptr : findEntry(s, key);
    if (!e || !e->hasValue)
        return std::nullopt;
    return readValue(entryValue(*e));
}

QByteArray ProfileDocument::withValue(QStringView section, QStringView key, QStringView value) const
{
    const std::optional<Edit> edit
        = planEdit(trimmed(section), trimmed(key), withoutLeadingProfileBlanks(value));
    return edit ? apply({*edit}) : m_bytes;
}

std::optional<ProfileDocument::Edit> ProfileDocument::planEdit(
    QStringView section, QStringView key, QStringView value) const
{
    const QString keyLine = key.toString() + u'=' + value.toString();
    const int s = findSection(section);
    if (s < 0) {
        const QString lineBreak = endsWithLineBreak() ? QString() : crlf;
        return Edit{m_bodyEnd, m_bodyEnd, lineBreak + sectionText(section, keyLine + crlf)};
    }
    if (const Entry* e = findEntry(s, key)) {
        if (e->hasValue && entryValue(*e) == value)
            return std::nullopt;
        const Line& line = m_lines[size_t(e->line)];
        return Edit{line.start, line.contentEnd, entryKey(*e) + u'=' + value.toString()};
    }
    return insertionInto(s, keyLine + crlf);
}

// New keys go after the section's last non-blank line; the nameless section without lines
// starts the file.
ProfileDocument::Edit ProfileDocument::insertionInto(int section, const QString& lines) const
{
    const int lastLine = m_sections[size_t(section)].lastLine;
    if (lastLine < 0)
        return Edit{m_bodyStart, m_bodyStart, lines};
    const Line& last = m_lines[size_t(lastLine)];
    const QString lineBreak = last.end == last.contentEnd ? crlf : QString();
    return Edit{last.end, last.end, lineBreak + lines};
}

bool ProfileDocument::endsWithLineBreak() const
{
    if (m_bodyEnd == m_bodyStart)
        return true;
    const char16_t last = unitAt(m_bodyEnd - unitSize());
    return last == '\r' || last == '\n';
}

QString ProfileDocument::sectionText(QStringView name, const QString& keyLines)
{
    return u'[' + name.toString() + u']' + crlf + keyLines;
}

QByteArray ProfileDocument::apply(const std::vector<Edit>& edits) const
{
    const QByteArrayView all(m_bytes);
    QByteArray result;
    qsizetype growth = 0;
    for (const Edit& edit : edits)
        growth += edit.text.size() * 4 - (edit.to - edit.from);
    result.reserve(m_bytes.size() + std::max<qsizetype>(0, growth));
    QString text; // the same, decoded, once Windows-1252 turns out to lack a character
    bool asUtf8 = false;
    qsizetype from = 0;
    for (const Edit& edit : edits) {
        const QByteArrayView kept = all.sliced(from, edit.from - from);
        QByteArray piece;
        if (!asUtf8 && !encodeAs(edit.text, m_encoding, piece)) {
            // Windows-1252 lacks a character: the whole file becomes UTF-8.
            asUtf8 = true;
            text = decodeWindows1252(result);
        }
        if (asUtf8)
            text += decodeWindows1252(kept) + edit.text;
        else
            result.append(kept).append(piece);
        from = edit.to;
    }
    if (asUtf8)
        return (text + decodeWindows1252(all.sliced(from))).toUtf8();
    result.append(all.sliced(from));
    // Removing the file's last invalid byte would make the next read take the remaining
    // Windows-1252 bytes as UTF-8 and garble them; keep their text by converting the file.
    if (m_encoding == TextEncoding::Windows1252 && isValidUtf8(result))
        return decodeWindows1252(result).toUtf8();
    return result;
}

} // namespace corvane
