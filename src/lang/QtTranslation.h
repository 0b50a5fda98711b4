// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace corvane {

// The locale code of the language a script is named after: "German.lng" gives "de", any
// letter case; a name that is no language gives "".
QString scriptLocale(const QString& langFile);

// Makes Qt's own dialogs (colours, files, printing) speak the script's language too, when
// this system has Qt's translations for it; else they stay English. Replaces the last one.
void useQtTranslation(const QString& langFile);

} // namespace corvane
