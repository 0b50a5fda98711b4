// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProfileFile.h"

#include "platform/CorvaneError.h"
#include "platform/FileRead.h"
#include "platform/IntegerText.h"
#include "platform/ProfileDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <memory>
#include <mutex>
#include <new>
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
        m_slots.insert(m_slots.begin(), Slot{path, stamp, std::move(doc)});
        // The newest parse always stays, however large; older ones go when there are many
        // or when together they hold more than a few real files would.
        qint64 total = 0;
        for (size_t i = 0; i < m_slots.size(); ++i) {
            total += m_slots[i].stamp.size;
            if (i > 0 && (i >= maxSlots || total > maxCachedBytes)) {
                m_slots.resize(i);
                break;
            }
        }
    }

    void forget(const QString& path)
    {
        std::lock_guard lock(m_mutex);
        removeLocked(path);
    }

private:
    static constexpr size_t maxSlots = 8;
    static constexpr qint64 maxCachedBytes = 32 * 1024 * 1024;

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

struct Loaded {
    Document doc; // null when the file is absent or could not be read
    FileRead read; // what stood in the way, without the bytes
};

Loaded load(const QString& path)
{
    const std::optional<FileStamp> stamp = stampOf(path);
    ParseCache& cache = ParseCache::instance();
    if (stamp) {
        if (Document doc = cache.find(path, *stamp))
            return {doc, {}};
    }
    FileRead read = readRegularFile(path, FileLimit::profile);
    if (!read.ok())
        return {nullptr, std::move(read)};
    std::shared_ptr<const ProfileDocument> doc;
    try {
        doc = std::make_shared<const ProfileDocument>(std::move(read.bytes));
    } catch (const std::bad_alloc&) {
        read.bytes = QByteArray();
        read.problem = ReadProblem::OutOfMemory;
        return {nullptr, std::move(read)};
    }
    read.bytes = QByteArray();
    if (stamp)
        cache.store(path, *stamp, doc);
    return {doc, std::move(read)};
}

// The parse a write starts from: an empty one for a missing file, the cached one when the
// file is still the one parsed, and nothing at all when something other
// than a readable regular file of sane size (a folder, a pipe, a giant) stands in its place:
// a file that was not read whole is never written over.
Document documentBeforeWrite(const QString& path)
{
    // The parse a read left, while the file is still the one parsed: a settings file of
    // megabytes is then neither read nor parsed again at exit.
    if (const std::optional<FileStamp> stamp = stampOf(path)) {
        if (Document cached = ParseCache::instance().find(path, *stamp))
            return cached;
    }
    FileRead read = readRegularFile(path, FileLimit::profile);
    if (read.problem == ReadProblem::Missing)
        return std::make_shared<const ProfileDocument>();
    if (!read.ok())
        return nullptr;
    return std::make_shared<const ProfileDocument>(std::move(read.bytes));
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
    if (const Document doc = load(m_path).doc) {
        if (std::optional<QString> value = doc->value(section, key))
            return *std::move(value);
    }
    return profileDefault(def);
}

FileRead ProfileFile::status() const
{
    return load(m_path).read;
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
    writeStrings({{section, key, value}});
}

void ProfileFile::writeStrings(const std::vector<ProfileWrite>& writes)
{
    const Document doc = documentBeforeWrite(m_path);
    if (!doc)
        throw CorvaneError(
            QStringLiteral("Unable to write to %s"), QFileInfo(m_path).absoluteFilePath());
    const QByteArray next = doc->withValues(writes);
    if (next == doc->bytes())
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
