// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileRead.h"
#include "platform/TextCodec.h"
#include "timelist/TreeText.h"

namespace corvane {

// Why writing back what was read would lose part of a list file.
enum class TimelistLoss {
    None, // the reading took the whole file
    Nul, // a NUL character ends the text; what follows it was not read
    Level, // a line too deep stopped the reading
    Undecodable, // bytes that the file's encoding cannot hold were read as placeholders
};

struct TimelistRead {
    std::vector<TreeLine> lines; // everything read
    QString error; // the level error as the reader words it; empty otherwise
    TimelistLoss loss = TimelistLoss::None;
    int lossLine = 0; // the line, counted from 1, at which a NUL or level error stopped it
    TextEncoding encoding = TextEncoding::Utf8;

    bool whole() const { return loss == TimelistLoss::None; }
};

// The bytes of a list file as the reader takes them (tree text in its encoding), and whether
// that was all of them. No file access.
TimelistRead parseTimelist(QByteArrayView bytes);

// The countdown list on disk (Data/Timelist.dat): tree text in the encoding the file came in
// (Windows-1252 from the Windows program, UTF-8 when edited here), written back the same way.
//
// Nothing of the user's list is ever lost to a save: a file that was not read whole is kept
// beside it first (<path>.bak, or .bak.2, .bak.3, ... when an earlier, different copy is
// there), and a file that was not read at all (a pipe, a device, a folder, a giant, one that
// cannot be opened) is never written over.
class TimelistFile {
public:
    explicit TimelistFile(QString path);

    const QString& path() const { return m_path; }

    struct Load {
        TimelistRead read;
        FileRead file; // what stood in the way of reading the file (its bytes are dropped)
        QString backup; // where the original was kept when it was not read whole
    };

    // Reads the whole file, never more than FileLimit::timelist bytes and never from
    // anything but a regular file; never throws. When the reading did not take the whole
    // file, its bytes are kept at once (Load::backup; empty when no copy could be made).
    Load load();

    // Writes the lines atomically, so a crash or a full disk never leaves half a list.
    // Writes nothing over a file that was not read, or not read whole and not kept; a
    // missing file is created. Throws CorvaneError "Cannot create file <path>" when the
    // file cannot be written.
    void save(const std::vector<TreeLine>& lines);

    // Keeps `bytes` beside the list under the first backup name that is free or already
    // holds exactly them; the name used, or empty when none could be written.
    QString keepOriginal(const QByteArray& bytes) const;

private:
    enum class State { Unread, Loaded, Absent, Refused };

    QString m_path;
    TextEncoding m_encoding = TextEncoding::Utf8;
    State m_state = State::Unread;
};

} // namespace corvane
