// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProfileFile.h"

#include "platform/CorvaneError.h"
#include "platform/ProfileDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace corvane {

namespace {
using Document = std::shared_ptr<const ProfileDocument>;

// What tells an edited file from the one parsed: an atomic replacement changes the inode,
// an edit in place the size or a timestamp (nanoseconds, so edits within one second count).
struct FileStamp {
    qint64 size = 0;
    qint64 mtimeNs = 0;
    qint64 ctimeNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    bool operator==(const FileStamp&) const = default;
};

qint64 nanoseconds(const timespec& t)
{
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// Nothing for a missing file, and for anything but a regular file, which could block a read.
std::optional<FileStamp> stampOf(const QString& path)
{
    struct stat st { };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileStamp{qint64(st.st_size), nanoseconds(st.st_mtim), nanoseconds(st.st_ctim),
        quint64(st.st_ino), quint64(st.st_dev)};
}

// A few recently read files, most recent first. Language scripts are looked up key by key
// while a window is translated, so one parse serves hundreds of lookups.
class ParseCache {
public:
    static ParseCache& instance()
    {
        static ParseCache cache;
        return cache;
    }

    Document find(const QString& path, const FileStamp& stamp)
    {
        std::lock_guard lock(m_mutex);
        for (size_t i = 0; i < m_slots.size(); ++i) {
            if (m_slots[i].path != path)
                continue;
            if (m_slots[i].stamp != stamp)
                return nullptr;
            std::rotate(m_slots.begin(), m_slots.begin() + qsizetype(i),
                m_slots.begin() + qsizetype(i) + 1);
            return m_slots.front().doc;
        }
        return nullptr;
    }

    void store(const QString& path, const FileStamp& stamp, Document doc)
    {
        std::lock_guard lock(m_mutex);
        removeLocked(path);
        if (stamp.size > maxCachedSize)
            return;
        m_slots.insert(m_slots.begin(), Slot{path, stamp, std::move(doc)});
        if (m_slots.size() > maxSlots)
            m_slots.pop_back();
    }

    void forget(const QString& path)
    {
        std::lock_guard lock(m_mutex);
        removeLocked(path);
    }

private:
    static constexpr size_t maxSlots = 8;
    static constexpr qint64 maxCachedSize = 4 * 1024 * 1024;

    struct Slot {
        QString path;
        FileStamp stamp;
        Document doc;
    };

    void removeLocked(const QString& path)
    {
        std::erase_if(m_slots, [&](const Slot& s) { return s.path == path; });
    }

    std::mutex m_mutex;
    std::vector<Slot> m_slots;
};

std::optional<QByteArray> readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Null when the file is absent or unreadable: every lookup then gives its default.
Document load(const QString& path)
{
    const std::optional<FileStamp> stamp = stampOf(path);
    if (!stamp)
        return nullptr;
    ParseCache& cache = ParseCache::instance();
    if (Document doc = cache.find(path, *stamp))
        return doc;
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return nullptr;
    auto doc = std::make_shared<const ProfileDocument>(*bytes);
    cache.store(path, *stamp, doc);
    return doc;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if ((u | 0x20) >= 'a' && (u | 0x20) <= 'f')
        return (u | 0x20) - 'a' + 10;
    return -1;
}

std::optional<int> parseHex(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    quint32 value = 0;
    for (QChar c : digits) {
        const int d = hexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + quint32(d);
    }
    return int(value);
}

std::optional<int> parseDecimal(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    const QStringView digits = (negative || text.startsWith(u'+')) ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > 10)
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    value = negative ? -value : value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

// Hexadecimal takes all 32 bits, so colour values such as 0x80000005 read as the negative
// integers they are stored as.
std::optional<int> parseInteger(QStringView text)
{
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return parseHex(text.sliced(2));
    return parseDecimal(text);
}

// The bytes a write starts from: none for a missing file, and nothing at all when something
// other than a readable regular file (a folder, a pipe) stands in its place.
std::optional<QByteArray> bytesBeforeWrite(const QString& path)
{
    if (!QFileInfo::exists(path))
        return QByteArray();
    return stampOf(path) ? readBytes(path) : std::nullopt;
}

// The cached parse serves a write when the file still holds the bytes it was parsed from.
Document documentFor(const QString& path, const QByteArray& bytes)
{
    if (const std::optional<FileStamp> stamp = stampOf(path)) {
        Document cached = ParseCache::instance().find(path, *stamp);
        if (cached && cached->bytes() == bytes)
            return cached;
    }
    return std::make_shared<const ProfileDocument>(bytes);
}

void saveAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw CorvaneError(
            QStringLiteral("Unable to write to %s"), QFileInfo(path).absoluteFilePath());
}
} // namespace

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path))
{
}

QString ProfileFile::readString(
    const QString& section, const QString& key, const QString& def) const
{
    if (const Document doc = load(m_path)) {
        if (std::optional<QString> value = doc->value(section, key))
            return *std::move(value);
    }
    return profileDefault(def);
}

int ProfileFile::readInteger(const QString& section, const QString& key, int def) const
{
    return parseInteger(readString(section, key, QString())).value_or(def);
}

bool ProfileFile::readBool(const QString& section, const QString& key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void ProfileFile::writeString(const QString& section, const QString& key, const QString& value)
{
    const std::optional<QByteArray> old = bytesBeforeWrite(m_path);
    if (!old)
        throw CorvaneError(
            QStringLiteral("Unable to write to %s"), QFileInfo(m_path).absoluteFilePath());
    const Document doc = documentFor(m_path, *old);
    const QByteArray next = doc->withValue(section, key, value);
    if (next == *old)
        return;
    ParseCache::instance().forget(m_path);
    saveAtomically(m_path, next);
}

void ProfileFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void ProfileFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace corvane
