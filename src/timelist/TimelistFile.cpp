// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "timelist/TimelistFile.h"

#include "platform/CorvaneError.h"

#include <QFileInfo>
#include <QSaveFile>
#include <new>
#include <sys/stat.h>

namespace corvane {

namespace {

constexpr int maxBackups = 99;

int lineOf(QStringView text, qsizetype offset)
{
    int line = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 >= offset || text[i + 1] != u'\n')))
            ++line;
    }
    return line;
}

bool exists(const QString& path)
{
    struct stat st { };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool holds(const QString& path, const QByteArray& bytes)
{
    const FileRead read = readRegularFile(path, bytes.size());
    return read.ok() && read.bytes == bytes;
}

bool writeAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

TimelistRead parseTimelist(QByteArrayView bytes)
{
    const DecodedText decoded = decodeText(bytes);
    TreeTextRead tree = readTreeText(decoded.text);
    TimelistRead read;
    read.lines = std::move(tree.lines);
    read.error = std::move(tree.error);
    read.encoding = decoded.encoding;
    const qsizetype nul = decoded.text.indexOf(QChar(0));
    TextEncoding again = decoded.encoding;
    if (!read.error.isEmpty()) {
        read.loss = TimelistLoss::Level;
        read.lossLine = int(read.lines.size()) + 1;
    } else if (nul >= 0) {
        read.loss = TimelistLoss::Nul;
        read.lossLine = lineOf(decoded.text, nul);
    } else if (encodeText(decoded.text, again) != bytes) {
        // A cut-off UTF-16 unit, or bytes after a UTF-8 mark that are no UTF-8.
        read.loss = TimelistLoss::Undecodable;
    }
    return read;
}

TimelistFile::TimelistFile(QString path)
    : m_path(std::move(path))
{
}

TimelistFile::Load TimelistFile::load()
{
    Load result;
    result.file = readRegularFile(m_path, FileLimit::timelist);
    if (!result.file.ok()) {
        m_state = result.file.problem == ReadProblem::Missing ? State::Absent : State::Refused;
        return result;
    }
    try {
        result.read = parseTimelist(result.file.bytes);
    } catch (const std::bad_alloc&) {
        result.read = TimelistRead();
        result.file.problem = ReadProblem::OutOfMemory;
    }
    const QByteArray bytes = std::move(result.file.bytes);
    result.file.bytes = QByteArray();
    if (!result.file.ok()) {
        m_state = State::Refused;
        return result;
    }
    m_encoding = result.read.encoding;
    m_state = State::Loaded;
    if (!result.read.whole()) {
        result.backup = keepOriginal(bytes);
        if (result.backup.isEmpty())
            m_state = State::Refused; // no copy, so the unread part must stay where it is
    }
    return result;
}

QString TimelistFile::keepOriginal(const QByteArray& bytes) const
{
    for (int n = 1; n <= maxBackups; ++n) {
        const QString name = m_path + QLatin1String(".bak")
            + (n == 1 ? QString() : QLatin1Char('.') + QString::number(n));
        if (exists(name)) {
            if (holds(name, bytes))
                return QFileInfo(name).absoluteFilePath();
            continue;
        }
        return writeAtomically(name, bytes) ? QFileInfo(name).absoluteFilePath() : QString();
    }
    return {};
}

void TimelistFile::save(const std::vector<TreeLine>& lines)
{
    if (m_state == State::Refused || (m_state == State::Unread && exists(m_path)))
        return;
    TextEncoding encoding = m_encoding;
    const QString text = writeTreeText(lines);
    QByteArray bytes = encodeText(text, encoding);
    // Windows-1252 bytes that happen to form UTF-8 ("Ã¤") or begin like a byte-order mark
    // ("ÿþ") would read back as something else; such a list is written as UTF-8, and with a
    // mark when even that is not enough (a first line that begins with U+FEFF).
    for (TextEncoding fallback : {TextEncoding::Utf8, TextEncoding::Utf8Bom}) {
        if (decodeText(bytes).text == text)
            break;
        encoding = fallback;
        bytes = encodeText(text, encoding);
    }
    if (!writeAtomically(m_path, bytes))
        throw CorvaneError(QStringLiteral("Cannot create file %s"), m_path);
    m_encoding = encoding;
    m_state = State::Loaded;
}

} // namespace corvane
