// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "timelist/TimelistFile.h"

#include "platform/CorvaneError.h"

#include <QFile>
#include <QSaveFile>

namespace corvane {

TimelistFile::TimelistFile(QString path)
    : m_path(std::move(path))
{
}

TreeTextRead TimelistFile::load()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        throw CorvaneError(QStringLiteral("Cannot open file %s"), m_path);
    const DecodedText decoded = decodeText(file.readAll());
    m_encoding = decoded.encoding;
    TreeTextRead read = readTreeText(decoded.text);
    m_keepOriginal = !read.error.isEmpty();
    return read;
}

void TimelistFile::save(const std::vector<TreeLine>& lines)
{
    if (m_keepOriginal) {
        const QString backup = m_path + QLatin1String(".bak");
        QFile::remove(backup);
        if (!QFile::copy(m_path, backup))
            throw CorvaneError(QStringLiteral("Cannot create file %s"), backup);
        m_keepOriginal = false;
    }
    TextEncoding encoding = m_encoding;
    const QByteArray bytes = encodeText(writeTreeText(lines), encoding);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw CorvaneError(QStringLiteral("Cannot create file %s"), m_path);
    m_encoding = encoding;
}

} // namespace corvane
