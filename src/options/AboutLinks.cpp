// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "options/AboutLinks.h"

namespace corvane {

namespace {
const QString german = QStringLiteral("German.lng");

// Upper case of the ASCII letters only, as the host choice has always compared.
QString asciiUpper(QString text)
{
    for (QChar& c : text) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return text;
}
} // namespace

QString donationTextFile(const QString& languageItem)
{
    // The text needs the item exactly as the German script ships; the host below takes any
    // spelling. They differ on purpose: the text file must exist under its own name.
    return languageItem == german ? QStringLiteral("Spenden.rtf") : QStringLiteral("Donation.rtf");
}

QString donationPageAddress(const QString& languageItem)
{
    const QString host = asciiUpper(languageItem) == QLatin1String("GERMAN.LNG")
        ? QStringLiteral("www.paypal.de")
        : QStringLiteral("www.paypal.com");
    QString account = QLatin1String(donationAccount);
    account.replace(QLatin1Char('@'), QLatin1String("%40"));
    return QLatin1String("https://") + host + QLatin1String("/xclick/business=") + account
        + QLatin1String("&item_name=Corvane+Donation&no_note=1&tax=0&currency_code=USD");
}

QString mailtoAddress(const QString& shownAddress)
{
    return QLatin1String("mailto:") + shownAddress;
}

} // namespace corvane
