// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/QtTranslation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace corvane {

QString scriptLocale(const QString& langFile)
{
    const QString name = QFileInfo(langFile).completeBaseName();
    if (name.isEmpty())
        return {};
    for (int l = QLocale::AnyLanguage + 1; l <= QLocale::LastLanguage; ++l) {
        const auto language = QLocale::Language(l);
        if (QLocale::languageToString(language).compare(name, Qt::CaseInsensitive) == 0)
            return QLocale(language).name().section(u'_', 0, 0);
    }
    return {};
}

void useQtTranslation(const QString& langFile)
{
    static std::unique_ptr<QTranslator> current;
    if (current) {
        QCoreApplication::removeTranslator(current.get());
        current.reset();
    }
    const QString code = scriptLocale(langFile);
    if (code.isEmpty() || code == QLatin1String("en"))
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(
            QLatin1String("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        current = std::move(translator);
    }
}

} // namespace corvane
