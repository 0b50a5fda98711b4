// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileRead.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace {

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Reads until the end or until `limit` bytes are in, retrying interrupted calls.
bool readAll(int fd, QByteArray& out, qint64 limit)
{
    qint64 done = 0;
    while (done < limit) {
        const ssize_t n = ::read(fd, out.data() + done, size_t(limit - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        done += n;
    }
    out.truncate(qsizetype(done));
    return true;
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1);
}

} // namespace

FileRead readRegularFile(const QString& path, qint64 maxBytes)
{
    // One byte more than the limit tells a file that grew past it since the look.
    return readRegularFileHead(path, maxBytes + 1, maxBytes);
}

FileRead readRegularFileHead(const QString& path, qint64 headBytes, qint64 maxBytes)
{
    FileRead result;
    // Without waiting: opening a pipe for reading would otherwise block until a writer comes.
    const Descriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        result.problem
            = errno == ENOENT || errno == ENOTDIR ? ReadProblem::Missing : ReadProblem::CannotOpen;
        return result;
    }
    // The descriptor's own type, so nothing can be swapped in between a look and the read.
    struct stat st { };
    if (::fstat(fd.get(), &st) != 0) {
        result.problem = ReadProblem::CannotOpen;
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.problem = ReadProblem::NotRegular;
        return result;
    }
    result.size = qint64(st.st_size);
    if (result.size > maxBytes) {
        result.problem = ReadProblem::TooLarge;
        return result;
    }
    try {
        // One byte more than the size tells a file that grew since the look.
        result.bytes.resize(qsizetype(std::min(headBytes, result.size + 1)));
    } catch (const std::bad_alloc&) {
        result.bytes = QByteArray();
        result.problem = ReadProblem::OutOfMemory;
        return result;
    }
    const qint64 want = result.bytes.size();
    if (!readAll(fd.get(), result.bytes, want)) {
        result.bytes = QByteArray();
        result.problem = ReadProblem::CannotOpen;
        return result;
    }
    if (result.bytes.size() > maxBytes) {
        result.bytes = QByteArray();
        result.size = std::max(result.size, maxBytes + 1);
        result.problem = ReadProblem::TooLarge;
    }
    return result;
}

QString readProblemFormat(ReadProblem problem)
{
    switch (problem) {
    case ReadProblem::None:
        return {};
    case ReadProblem::Missing:
        return QStringLiteral("%1 does not exist.");
    case ReadProblem::NotRegular:
        return QStringLiteral("%1 is not a regular file, so Corvane does not read it.");
    case ReadProblem::TooLarge:
        return QStringLiteral("%1 is too large (%2 MB); Corvane reads such files up to %3 MB.");
    case ReadProblem::CannotOpen:
        return QStringLiteral("%1 cannot be opened for reading.");
    case ReadProblem::OutOfMemory:
        return QStringLiteral("There is not enough memory to read %1.");
    }
    return {};
}

QString readProblemText(
    const QString& format, const QString& path, const FileRead& read, qint64 maxBytes)
{
    if (read.ok())
        return {};
    // One pass, so a "%2" in the path stays as it is; a sentence may leave out the sizes.
    const QString values[3]
        = {QFileInfo(path).absoluteFilePath(), megabytes(read.size), megabytes(maxBytes)};
    QString text;
    text.reserve(format.size() + values[0].size());
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar next = i + 1 < format.size() ? format[i + 1] : QChar();
        if (format[i] == u'%' && next >= u'1' && next <= u'3') {
            text += values[next.unicode() - u'1'];
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}

} // namespace corvane
