// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProfileIndex.h"

#include <algorithm>

namespace corvane {

QStringView trimmedProfileText(QStringView s)
{
    qsizetype begin = 0, end = s.size();
    while (begin < end && isProfileBlank(s[begin].unicode()))
        ++begin;
    while (end > begin && isProfileBlank(s[end - 1].unicode()))
        --end;
    return s.sliced(begin, end - begin);
}

QStringView withoutLeadingProfileBlanks(QStringView s)
{
    qsizetype begin = 0;
    while (begin < s.size() && isProfileBlank(s[begin].unicode()))
        ++begin;
    return s.sliced(begin);
}

QString foldedProfileName(QStringView s)
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

quint64 profileNameHash(QStringView folded)
{
    ProfileNameHasher hasher;
    for (QChar c : folded)
        hasher.add(c.unicode());
    return hasher.value();
}

void ProfileIndex::reserve(size_t count)
{
    size_t size = 16;
    while (size < count * 2 + 2)
        size *= 2;
    if (size > m_slots.size() && m_count == 0)
        m_slots.assign(size, Slot{});
}

void ProfileIndex::insert(quint64 hash, int id)
{
    // At most half full, so a probe ends soon.
    if ((m_count + 1) * 2 > m_slots.size()) {
        std::vector<Slot> old(std::max<size_t>(16, m_slots.size() * 2));
        old.swap(m_slots);
        m_count = 0;
        for (const Slot& s : old) {
            if (s.id >= 0)
                insert(s.hash, s.id);
        }
    }
    const size_t mask = m_slots.size() - 1;
    size_t i = size_t(hash) & mask;
    while (m_slots[i].id >= 0)
        i = (i + 1) & mask;
    m_slots[i] = Slot{hash, id};
    ++m_count;
}

} // namespace corvane
