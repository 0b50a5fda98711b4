// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileRead.h"
#include "platform/ProfileDocument.h"

#include <QString>
#include <vector>

namespace corvane {

// An initialisation file (configuration file, language script) read and written one key at a
// time with the semantics of the Windows private-profile functions: sections and keys match
// without regard to case, blanks around names and values are trimmed, one pair of enclosing
// quotes is removed, values are cut to 2047 characters, and anything absent gives the
// caller's default. Reads go through a parse cache keyed by path, size and modification
// time, so an edited file takes effect at the next lookup. A write replaces only what it
// must, keeps every other byte and the file's encoding, and lands atomically.
//
// Only a regular file of at most FileLimit::profile bytes is read; anything else (a folder,
// a pipe, a giant) reads as absent, status() says why, and it is never written over.
class ProfileFile {
public:
    explicit ProfileFile(QString path);

    const QString& path() const { return m_path; }

    QString readString(const QString& section, const QString& key, const QString& def) const;
    // The trimmed value read by parseInteger (IntegerText.h): decimal, or hexadecimal after
    // "0x"/"0X"; anything else that is not a whole number of 32 bits gives `def`.
    int readInteger(const QString& section, const QString& key, int def) const;
    // Any integer other than 0 is true.
    bool readBool(const QString& section, const QString& key, bool def) const;

    // Why the values read are the defaults: Missing for an absent file (which is no fault),
    // NotRegular, TooLarge, CannotOpen or OutOfMemory when the file is there but was not
    // read; None when it was read. The bytes are not part of the answer.
    FileRead status() const;

    // Throw CorvaneError "Unable to write to <path>" when the file cannot be written.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    // The writes in order, as one atomic replacement of the file: the bytes are exactly
    // those the writes one by one would leave, for the cost of one.
    void writeStrings(const std::vector<ProfileWrite>& writes);

private:
    QString m_path;
};

} // namespace corvane
