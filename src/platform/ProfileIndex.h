// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace corvane {

// The profile functions' blanks; Unicode spaces such as U+00A0 are ordinary characters.
constexpr bool isProfileBlank(char16_t u)
{
    return u == ' ' || (u >= '\t' && u <= '\r') || u == 0x1A;
}

// Without blanks around it, and without the leading ones only.
QStringView trimmedProfileText(QStringView s);
QStringView withoutLeadingProfileBlanks(QStringView s);

// Simple case folding code point by code point, as QString::compare does without case: the
// form in which profile section and key names are compared.
QString foldedProfileName(QStringView name);

// FNV-1a over UTF-16 units, fed one unit at a time so a parser can fold as it goes.
class ProfileNameHasher {
public:
    void add(char16_t unit)
    {
        m_hash ^= unit;
        m_hash *= 0x100000001b3ULL;
    }
    quint64 value() const { return m_hash; }

private:
    quint64 m_hash = 0xcbf29ce484222325ULL;
};

// The hash of a name that is already folded.
quint64 profileNameHash(QStringView folded);

// The sections and keys of a parsed profile file by the hash of their folded names: an open
// addressing table of indexes into the document's own lists, so a file of a hundred thousand
// keys costs no string per key. Equal hashes are told apart by the caller's `same`.
class ProfileIndex {
public:
    void addSection(quint64 hash, int section) { insert(hash, section); }
    void addEntry(quint64 keyHash, int section, int entry) { insert(mix(keyHash, section), entry); }

    template <typename Same> int findSection(quint64 hash, Same same) const
    {
        return find(hash, same);
    }
    template <typename Same> int findEntry(quint64 keyHash, int section, Same same) const
    {
        return find(mix(keyHash, section), same);
    }

private:
    // Sections and keys share one table; a key's hash is moved away by its section.
    static quint64 mix(quint64 hash, int section)
    {
        quint64 h = hash ^ (quint64(section) + 1) * 0x9e3779b97f4a7c15ULL;
        h ^= h >> 31;
        return h * 0xbf58476d1ce4e5b9ULL;
    }

    template <typename Same> int find(quint64 hash, Same same) const
    {
        if (m_slots.empty())
            return -1;
        const size_t mask = m_slots.size() - 1;
        for (size_t i = size_t(hash) & mask; m_slots[i].id >= 0; i = (i + 1) & mask) {
            if (m_slots[i].hash == hash && same(m_slots[i].id))
                return m_slots[i].id;
        }
        return -1;
    }

    void insert(quint64 hash, int id);

public:
    // Room for this many names without growing.
    void reserve(size_t count);

private:
    struct Slot {
        quint64 hash = 0;
        int id = -1;
    };
    std::vector<Slot> m_slots;
    size_t m_count = 0;
};

} // namespace corvane
