// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ProgOptions.h"
#include "platform/ProfileFile.h"

#include <QPoint>

namespace corvane {

// Data\CORVANE.INI: the keys of the shared settings and the window position. Only these
// keys are read or written, so the file keeps whatever else it holds.
class ConfigFile {
public:
    explicit ConfigFile(const QString& path)
        : m_ini(path)
    {
    }

    static QString defaultPath(); // <program folder>/Data/CORVANE.INI

    const QString& path() const { return m_ini.path(); }
    // Why the settings read are the defaults although the file is there (see ProfileFile).
    FileRead status() const { return m_ini.status(); }

    // "Language" / "File"; empty when absent, which asks for the first-start choice.
    QString storedLanguage() const;
    void storeLanguage(const QString& file);

    // Everything but the language: options 1-4, font, message colours, theme. The language
    // file reads with its own default ("English.lng").
    TOptionsRec readOptions() const;
    QPoint readPosition(const QPoint& defaultPos) const;

    // In the order the keys are first created in a new file, as one atomic write.
    void writeOptions(const TOptionsRec& options, const QPoint& position);

private:
    ProfileFile m_ini;
};

} // namespace corvane
