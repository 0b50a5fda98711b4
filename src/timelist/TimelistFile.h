// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TextCodec.h"
#include "timelist/TreeText.h"

namespace corvane {

// The countdown list on disk (Data/Timelist.dat): tree text in the encoding the file came in
// (Windows-1252 from the Windows program, UTF-8 when edited here), written back the same way.
class TimelistFile {
public:
    explicit TimelistFile(QString path);

    const QString& path() const { return m_path; }

    // Reads the whole file. Throws CorvaneError "Cannot open file <path>" when it cannot be
    // read; a level error comes back in the result with the lines before it.
    TreeTextRead load();

    // Writes the lines atomically, so a crash or a full disk never leaves half a list. When
    // the last load stopped at a level error, the original file is first kept beside it as
    // <path>.bak, so the part that was not read is never lost. Throws CorvaneError
    // "Cannot create file <path>" when the file cannot be written.
    void save(const std::vector<TreeLine>& lines);

private:
    QString m_path;
    TextEncoding m_encoding = TextEncoding::Utf8;
    bool m_keepOriginal = false;
};

} // namespace corvane
