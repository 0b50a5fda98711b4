// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Several writes planned on one parse. Writing a dozen settings one by one into a file of
// megabytes would parse and copy it a dozen times; here each write is recorded against the
// parse (a changed line, keys added to a section, new sections at the end), and the bytes
// are put together once. The result is byte for byte what the writes one by one give, which
// holds as long as no write changes how the file splits into lines, sections and keys; any
// other batch is written one by one.
#include "platform/ProfileDocument.h"
#include "platform/ProfileIndex.h"

#include <algorithm>
#include <map>

namespace corvane {

namespace {
const QString crlf = QStringLiteral("\r\n");

QString trimmedText(QStringView s)
{
    return trimmedProfileText(s).toString();
}

// What the file makes of a value once written: its trailing blanks are not read back.
QString asReadBack(const QString& value)
{
    return trimmedText(value);
}

bool hasLoneSurrogate(const QString& s)
{
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            ++i;
        else if (s[i].isSurrogate())
            return true;
    }
    return false;
}

// A write that cannot change the file's shape: nothing that starts a line or a header,
// nothing that ends a key early, nothing that could become a byte-order mark, and no name
// that the file cannot spell (a lone surrogate comes back as another character, so the next
// write of that name would not find it).
bool keepsShape(const ProfileWrite& w)
{
    for (const QString* s : {&w.section, &w.key, &w.value}) {
        if (s->contains(u'\r') || s->contains(u'\n'))
            return false;
    }
    if (hasLoneSurrogate(w.section) || hasLoneSurrogate(w.key))
        return false;
    const QString key = trimmedText(w.key);
    return !key.contains(u'=') && !key.startsWith(u'[') && !key.startsWith(u'\xFEFF')
        && !key.startsWith(u'\xFFFE');
}

struct PendingKey {
    QString key; // as first written
    QString folded;
    QString value;
};

// Keys added in one place, in the order they were first written.
struct PendingKeys {
    std::vector<PendingKey> keys;

    // False when the key already holds that value.
    bool set(const QString& key, const QString& value)
    {
        const QString folded = foldedProfileName(key);
        for (PendingKey& k : keys) {
            if (k.folded != folded)
                continue;
            if (asReadBack(k.value) == value)
                return false;
            k.value = value;
            return true;
        }
        keys.push_back({key, folded, value});
        return true;
    }

    QString text() const
    {
        QString out;
        for (const PendingKey& k : keys)
            out += k.key + u'=' + k.value + crlf;
        return out;
    }
};

struct NewSection {
    QString name; // as first written
    QString folded;
    PendingKeys keys;
};
} // namespace

class ProfileDocument::Batch {
public:
    explicit Batch(const ProfileDocument& doc)
        : m_doc(doc)
    {
    }

    void add(const ProfileWrite& w)
    {
        const QString section = trimmedText(w.section), key = trimmedText(w.key);
        const QString value = withoutLeadingProfileBlanks(w.value).toString();
        const int s = m_doc.findSection(section);
        if (s < 0) {
            newSection(section).keys.set(key, value);
            return;
        }
        if (const Entry* e = m_doc.findEntry(s, key)) {
            const int index = int(e - m_doc.m_entries.data());
            const auto changed = m_changed.find(index);
            if (changed != m_changed.end()) {
                if (asReadBack(changed->second) != value)
                    changed->second = value;
            } else if (!e->hasValue || m_doc.entryValue(*e) != value) {
                m_changed.emplace(index, value);
            }
            return;
        }
        m_added[s].set(key, value);
    }

    QByteArray result() const
    {
        std::vector<Edit> edits;
        for (const auto& [index, value] : m_changed) {
            const Entry& e = m_doc.m_entries[size_t(index)];
            const Line& line = m_doc.m_lines[size_t(e.line)];
            edits.push_back(Edit{line.start, line.contentEnd, m_doc.entryKey(e) + u'=' + value});
        }
        bool endsWithAddition = false;
        for (const auto& [section, keys] : m_added) {
            edits.push_back(m_doc.insertionInto(section, keys.text()));
            endsWithAddition = endsWithAddition || edits.back().from == m_doc.m_bodyEnd;
        }
        if (!m_newSections.empty()) {
            // A key added to the file's last line already brought the line break.
            QString text = endsWithAddition || m_doc.endsWithLineBreak() ? QString() : crlf;
            for (const NewSection& n : m_newSections)
                text += sectionText(n.name, n.keys.text());
            edits.push_back(Edit{m_doc.m_bodyEnd, m_doc.m_bodyEnd, text});
        }
        // In file order, an insertion before a replacement that starts where it stands; stable,
        // so the new sections stay behind what was added at the file's end.
        std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
            return a.from != b.from ? a.from < b.from : a.to < b.to;
        });
        return edits.empty() ? m_doc.m_bytes : m_doc.apply(edits);
    }

private:
    NewSection& newSection(const QString& name)
    {
        const QString folded = foldedProfileName(name);
        for (NewSection& n : m_newSections) {
            if (n.folded == folded)
                return n;
        }
        return m_newSections.emplace_back(NewSection{name, folded, {}});
    }

    const ProfileDocument& m_doc;
    std::map<int, QString> m_changed; // entry index -> new value
    std::map<int, PendingKeys> m_added; // section index -> its new keys
    std::vector<NewSection> m_newSections;
};

QByteArray ProfileDocument::withValues(const std::vector<ProfileWrite>& writes) const
{
    // Windows-1252 files may turn into UTF-8 part-way through, which changes every later
    // write; so may a write that reshapes the file.
    const bool planned = m_encoding != TextEncoding::Windows1252
        && std::all_of(writes.begin(), writes.end(), keepsShape);
    if (planned) {
        Batch batch(*this);
        for (const ProfileWrite& w : writes)
            batch.add(w);
        return batch.result();
    }
    QByteArray bytes = m_bytes;
    for (size_t i = 0; i < writes.size(); ++i) {
        const ProfileWrite& w = writes[i];
        bytes = i == 0 ? withValue(w.section, w.key, w.value)
                       : ProfileDocument(bytes).withValue(w.section, w.key, w.value);
    }
    return bytes;
}

} // namespace corvane
