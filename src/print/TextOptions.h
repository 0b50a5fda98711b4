// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrintLayout.h"

#include <QFont>
#include <QString>

namespace corvane {

// Margins, header, footer and page number of the printed pages. The fonts are values: setting
// one copies the caller's font. Margins are in the printer's Units, except while rich text is
// paginated, which reads them in inches.
struct TTextOptions {
    double MarginLeft = 1.0;
    double MarginTop = 1.0;
    double MarginRight = 1.0;
    double MarginBottom = 1.0;
    QFont HeaderFont = defaultFont(18, true, false);
    QFont FooterFont = defaultFont(10, false, true);
    QFont PageNumFont = FooterFont;
    QString Header;
    QString Footer;
    double HeaderMargin = 0.5;
    double FooterMargin = 0.75;
    TAlignment HeaderAlign = TAlignment::taCenter;
    TAlignment FooterAlign = TAlignment::taCenter;
    TPrintPageNumber PrintPageNumber = TPrintPageNumber::pnBottom;
    TAlignment PageNumAlign = TAlignment::taRightJustify;
    QString PageNumText = QStringLiteral("Page");

    static QFont defaultFont(int points, bool bold, bool italic)
    {
        QFont f(QStringLiteral("Times New Roman"), points);
        f.setBold(bold);
        f.setItalic(italic);
        return f;
    }
};

} // namespace corvane
