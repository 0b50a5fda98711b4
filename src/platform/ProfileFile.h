// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace corvane {

// An initialisation file (configuration file, language script) read and written one key at a
// time with the semantics of the Windows private-profile functions: sections and keys match
// without regard to case, blanks around names and values are trimmed, one pair of enclosing
// quotes is removed, values are cut to 2047 characters, and anything absent gives the
// caller's default. Reads go through a parse cache keyed by path, size and modification
// time, so an edited file takes effect at the next lookup. A write replaces only what it
// must, keeps every other byte and the file's encoding, and lands atomically.
class ProfileFile {
public:
    explicit ProfileFile(QString path);

    const QString& path() const { return m_path; }

    QString readString(const QString& section, const QString& key, const QString& def) const;
    // Decimal, or hexadecimal after "0x"/"0X"; anything else that is not a whole number of
    // 32 bits gives `def`.
    int readInteger(const QString& section, const QString& key, int def) const;
    // Any integer other than 0 is true.
    bool readBool(const QString& section, const QString& key, bool def) const;

    // Throw CorvaneError "Unable to write to <path>" when the file cannot be written.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);

private:
    QString m_path;
};

} // namespace corvane
