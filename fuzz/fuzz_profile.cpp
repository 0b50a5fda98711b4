// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Profile files: parse arbitrary bytes, look keys up, write one value, and check that the
// written file reads back the value written, that a second identical write changes nothing,
// that a key elsewhere keeps its value, and that a batch of writes equals them one by one.
#include "platform/ProfileDocument.h"
#include "platform/TextCodec.h"

#include <cstdint>
#include <cstdlib>

using namespace corvane;

namespace {
bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || (u >= '\t' && u <= '\r') || u == 0x1A;
}

QString trimBlanks(QString s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s.remove(0, 1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

// What a reader should get back after `value` was written.
QString expectedRead(const QString& value)
{
    QString s = trimBlanks(value);
    if (const qsizetype nul = s.indexOf(QChar(0)); nul >= 0)
        s = trimBlanks(s.left(nul));
    if (s.size() >= 2 && (s.front() == u'"' || s.front() == u'\'') && s.back() == s.front())
        s = s.mid(1, s.size() - 2);
    if (s.size() > 2047)
        s.truncate(s[2046].isHighSurrogate() ? 2046 : 2047);
    return s;
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

// A write can only round-trip names and values that fit on one line and cannot be taken
// for something else: a key with "=" or starting a header, text a file cannot carry.
bool roundTripHolds(const QString& section, const QString& key, const QString& value)
{
    for (const QString* s : {&section, &key, &value}) {
        if (s->contains(u'\r') || s->contains(u'\n') || hasLoneSurrogate(*s))
            return false;
    }
    const QString k = trimBlanks(key);
    return !k.contains(u'=') && !k.startsWith(u'[');
}

bool startsWithMark(const QByteArray& b)
{
    return b.startsWith("\xFF\xFE") || b.startsWith("\xFE\xFF") || b.startsWith("\xEF\xBB\xBF");
}

bool sameName(const QString& a, const QString& b)
{
    return QString::compare(trimBlanks(a), trimBlanks(b), Qt::CaseInsensitive) == 0;
}

QString takeField(const uint8_t*& data, size_t& size)
{
    if (size == 0)
        return {};
    size_t n = std::min<size_t>(data[0] % 24, size - 1);
    const QString text = decodeText(QByteArrayView(data + 1, qsizetype(n))).text;
    data += n + 1;
    size -= n + 1;
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString section = takeField(data, size);
    const QString key = takeField(data, size);
    const QString value = takeField(data, size);
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));

    const ProfileDocument doc(file);
    const QString probeSection = QStringLiteral("A"), probeKey = QStringLiteral("K");
    const std::optional<QString> probeBefore = doc.value(probeSection, probeKey);
    (void)doc.value(QString(), key);
    (void)profileDefault(value);

    const QByteArray next = doc.withValue(section, key, value);

    // Several writes planned on one parse give the bytes of the writes one by one.
    const std::vector<ProfileWrite> writes = {{section, key, value}, {section, probeKey, value},
        {probeSection, key, QString()}, {section, key, key}, {value, probeKey, section}};
    QByteArray oneByOne = file;
    for (const ProfileWrite& w : writes)
        oneByOne = ProfileDocument(oneByOne).withValue(w.section, w.key, w.value);
    if (doc.withValues(writes) != oneByOne)
        std::abort();

    if (!roundTripHolds(section, key, value) || (!startsWithMark(file) && startsWithMark(next)))
        return 0;
    const ProfileDocument reread(next);
    if (reread.value(section, key) != expectedRead(value))
        std::abort();
    if (reread.withValue(section, key, value) != next)
        std::abort();
    const bool probeWritten = sameName(section, probeSection) && sameName(key, probeKey);
    if (!probeWritten && reread.value(probeSection, probeKey) != probeBefore)
        std::abort();
    return 0;
}
