// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the About page's links lead. The language item is the selected entry of the
// options window's language list, or empty when none is selected.
namespace corvane {

// The project's own addresses, shown on the About page.
inline constexpr char projectHomepage[] = "https://corvane.org";
inline constexpr char projectMailAddress[] = "contact@corvane.org";
// The payment account that receives donations.
inline constexpr char donationAccount[] = "donate@corvane.org";

// "Spenden.rtf" for the item spelt exactly "German.lng", else "Donation.rtf".
QString donationTextFile(const QString& languageItem);

// The payment service's donation page: its German host for any spelling of "German.lng",
// else its international one.
QString donationPageAddress(const QString& languageItem);

// What a click on the e-mail label opens.
QString mailtoAddress(const QString& shownAddress);

} // namespace corvane
