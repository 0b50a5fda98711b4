// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/QtTranslation.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <gtest/gtest.h>

using namespace corvane;

TEST(QtTranslation, ScriptNamesGiveTheirLanguagesCode)
{
    EXPECT_EQ(scriptLocale(QStringLiteral("German.lng")), QStringLiteral("de"));
    EXPECT_EQ(scriptLocale(QStringLiteral("ENGLISH.LNG")), QStringLiteral("en"));
    EXPECT_EQ(scriptLocale(QStringLiteral("French")), QStringLiteral("fr"));
    EXPECT_EQ(scriptLocale(QStringLiteral("Pirate.lng")), QString());
    EXPECT_EQ(scriptLocale(QString()), QString());
}

TEST(QtTranslation, QtsDialogsFollowTheScriptAndBackToEnglish)
{
    const auto colorTitle
        = [] { return QCoreApplication::translate("QColorDialog", "Select Color"); };
    if (!QFile::exists(
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QLatin1String("/qtbase_de.qm")))
        GTEST_SKIP() << "Qt's German translation is not installed";
    useQtTranslation(QStringLiteral("German.lng"));
    EXPECT_NE(colorTitle(), QStringLiteral("Select Color"));
    useQtTranslation(QStringLiteral("English.lng"));
    EXPECT_EQ(colorTitle(), QStringLiteral("Select Color"));
    useQtTranslation(QStringLiteral("Pirate.lng")); // no such language: English, no error
    EXPECT_EQ(colorTitle(), QStringLiteral("Select Color"));
}
