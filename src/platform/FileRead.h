// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace corvane {

// The largest file of each kind that Corvane reads. Real ones are far smaller: a list of a
// thousand countdowns is about 150 KB, a language script 20 KB, a minute of CD-quality
// sound 10 MB. Anything above is refused rather than read into memory whole.
namespace FileLimit {
constexpr qint64 timelist = 16 * 1024 * 1024;
constexpr qint64 profile = 16 * 1024 * 1024; // settings and language scripts
constexpr qint64 sound = 64 * 1024 * 1024;
// A picked bitmap is kept byte for byte and stored as hexadecimal text, twice its size: five
// of the largest fit in one theme file, so any theme Corvane writes it can read again.
constexpr qint64 bitmap = 3 * 1024 * 1024;
constexpr qint64 theme = 32 * 1024 * 1024;
constexpr qint64 help = 64 * 1024 * 1024;
constexpr qint64 text = 4 * 1024 * 1024; // the About page's donation texts
} // namespace FileLimit

// What stood in the way of reading a file whole.
enum class ReadProblem {
    None,
    Missing, // nothing of that name
    NotRegular, // a folder, a pipe, a device, a socket
    TooLarge, // over the limit given
    CannotOpen, // no permission, or another error of the system
    OutOfMemory, // the bytes did not fit into memory
};

struct FileRead {
    QByteArray bytes;
    ReadProblem problem = ReadProblem::None;
    qint64 size = 0; // as the file system told it, also when too large

    bool ok() const { return problem == ReadProblem::None; }
};

// Reads a whole regular file of at most maxBytes. Never blocks on a pipe or device (they are
// opened without waiting and refused), never reads more than maxBytes + 1 bytes whatever the
// file claims or grows to, and never throws.
FileRead readRegularFile(const QString& path, qint64 maxBytes);

// The same refusals, a file over maxBytes included, but reads only the first headBytes; size is
// still the whole file's, so a caller can tell whether it saw all of it.
FileRead readRegularFileHead(const QString& path, qint64 headBytes, qint64 maxBytes);

// The English sentence for a problem, with %1 for the file's path, %2 for its size and %3
// for the limit (both in MB). It is the key under which language scripts translate it
// ("Messages" section); empty for None.
QString readProblemFormat(ReadProblem problem);

// The sentence filled in for this file: format is readProblemFormat's, or its translation.
QString readProblemText(
    const QString& format, const QString& path, const FileRead& read, qint64 maxBytes);

} // namespace corvane
