// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProfileDocument.h"

namespace corvane {

namespace {
constexpr qsizetype maxValueUnits = 2047;
const QString crlf = QStringLiteral("\r\n");

// The profile functions' blanks; Unicode spaces such as U+00A0 are ordinary characters.
bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || (u >= '\t' && u <= '\r') || u == 0x1A;
}

QStringView trimmed(QStringView s)
{
    qsizetype begin = 0, end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.sliced(begin, end - begin);
}

QStringView withoutLeadingBlanks(QStringView s)
{
    qsizetype begin = 0;
    while (begin < s.size() && isBlank(s[begin]))
        ++begin;
    return s.sliced(begin);
}

// Simple case folding code point by code point, as QString::compare does without case.
QString folded(QStringView s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            const char32_t cp = QChar::toCaseFolded(QChar::surrogateToUcs4(c, s[i + 1]));
            out.append(QChar::highSurrogate(cp)).append(QChar::lowSurrogate(cp));
            ++i;
        } else {
            out.append(c.toCaseFolded());
        }
    }
    return out;
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

// CR and LF never occur inside a multi-byte UTF-8 sequence, so lines split on code units
// alike in every encoding.
ProfileDocument::Line ProfileDocument::nextLine(qsizetype start) const
{
    const qsizetype unit = unitSize();
    Line line{start, start, start};
    while (line.contentEnd < m_bodyEnd) {
        const char16_t u = unitAt(line.contentEnd);
        if (u == '\r' || u == '\n')
            break;
        line.contentEnd += unit;
    }
    line.end = line.contentEnd;
    if (line.end < m_bodyEnd) {
        const bool crlf = unitAt(line.end) == '\r' && line.end + unit < m_bodyEnd
            && unitAt(line.end + unit) == '\n';
        line.end += crlf ? 2 * unit : unit;
    }
    return line;
}

void ProfileDocument::parse()
{
    m_encoding = detectEncoding(m_bytes);
    m_bodyStart = byteOrderMarkSize(m_encoding);
    const qsizetype unit = unitSize();
    m_bodyEnd = m_bodyStart + (m_bytes.size() - m_bodyStart) / unit * unit;
    m_sections.emplace_back();
    m_sectionIndex.insert(QString(), 0);
    Section* current = &m_sections.front();
    for (qsizetype pos = m_bodyStart; pos < m_bodyEnd;) {
        m_lines.push_back(nextLine(pos));
        pos = m_lines.back().end;
        parseLine(int(m_lines.size() - 1), current);
    }
}

// `current` is null while inside a repeated section, whose lines no lookup ever sees.
void ProfileDocument::parseLine(int index, Section*& current)
{
    const Line& line = m_lines[size_t(index)];
    const QString text = decodeAs(
        QByteArrayView(m_bytes).sliced(line.start, line.contentEnd - line.start), m_encoding);
    const QStringView content = trimmed(text);
    if (content.isEmpty())
        return;
    const qsizetype close = content.lastIndexOf(u']');
    if (content.front() == u'[' && close > 0) {
        const QString name = folded(trimmed(content.sliced(1, close - 1)));
        current = nullptr;
        if (m_sectionIndex.contains(name))
            return;
        m_sectionIndex.insert(name, int(m_sections.size()));
        current = &m_sections.emplace_back();
        current->lastLine = index;
        return;
    }
    if (!current)
        return;
    current->lastLine = index;
    const qsizetype eq = content.indexOf(u'=');
    Entry entry;
    entry.key = trimmed(eq < 0 ? content : content.first(eq)).toString();
    entry.hasValue = eq >= 0;
    if (entry.hasValue)
        entry.value = trimmed(content.sliced(eq + 1)).toString();
    entry.line = index;
    const QString key = folded(entry.key);
    if (!current->entries.contains(key))
        current->entries.insert(key, std::move(entry));
}

const ProfileDocument::Section* ProfileDocument::findSection(QStringView name) const
{
    const auto it = m_sectionIndex.constFind(folded(trimmed(name)));
    return it == m_sectionIndex.cend() ? nullptr : &m_sections[size_t(*it)];
}

std::optional<QString> ProfileDocument::value(QStringView section, QStringView key) const
{
    const Section* s = findSection(section);
    if (!s)
        return std::nullopt;
    const auto it = s->entries.constFind(folded(trimmed(key)));
    if (it == s->entries.cend() || !it->hasValue)
        return std::nullopt;
    return readValue(it->value);
}

QByteArray ProfileDocument::withValue(QStringView section, QStringView key, QStringView value) const
{
    const std::optional<Edit> edit
        = planEdit(trimmed(section), trimmed(key), withoutLeadingBlanks(value));
    return edit ? apply(*edit) : m_bytes;
}

std::optional<ProfileDocument::Edit> ProfileDocument::planEdit(
    QStringView section, QStringView key, QStringView value) const
{
    const QString keyLine = key.toString() + u'=' + value.toString();
    const Section* s = findSection(section);
    if (!s)
        return appendSection(section, keyLine);
    const auto it = s->entries.constFind(folded(key));
    if (it != s->entries.cend()) {
        if (it->hasValue && it->value == value)
            return std::nullopt;
        const Line& line = m_lines[size_t(it->line)];
        return Edit{line.start, line.contentEnd, it->key + u'=' + value.toString()};
    }
    // The nameless section without lines starts the file.
    if (s->lastLine < 0)
        return Edit{m_bodyStart, m_bodyStart, keyLine + crlf};
    const Line& last = m_lines[size_t(s->lastLine)];
    const QString lineBreak = last.end == last.contentEnd ? crlf : QString();
    return Edit{last.end, last.end, lineBreak + keyLine + crlf};
}

ProfileDocument::Edit ProfileDocument::appendSection(
    QStringView section, const QString& keyLine) const
{
    QString text;
    if (m_bodyEnd > m_bodyStart) {
        const char16_t lastUnit = unitAt(m_bodyEnd - unitSize());
        if (lastUnit != '\r' && lastUnit != '\n')
            text = crlf;
    }
    text += u'[' + section.toString() + u']' + crlf + keyLine + crlf;
    return Edit{m_bodyEnd, m_bodyEnd, text};
}

QByteArray ProfileDocument::apply(const Edit& edit) const
{
    const QByteArrayView before = QByteArrayView(m_bytes).first(edit.from);
    const QByteArrayView after = QByteArrayView(m_bytes).sliced(edit.to);
    QByteArray piece;
    if (!encodeAs(edit.text, m_encoding, piece)) {
        // Windows-1252 lacks a character: the whole file becomes UTF-8.
        return (decodeWindows1252(before) + edit.text + decodeWindows1252(after)).toUtf8();
    }
    QByteArray result = before.toByteArray() + piece + after.toByteArray();
    // Removing the file's last invalid byte would make the next read take the remaining
    // Windows-1252 bytes as UTF-8 and garble them; keep their text by converting the file.
    if (m_encoding == TextEncoding::Windows1252 && isValidUtf8(result))
        return decodeWindows1252(result).toUtf8();
    return result;
}

} // namespace corvane
