// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The shipped donation texts, read as the About page reads them.
#include "richedit/RichTextFile.h"
#include "richedit/RichTextLinks.h"

#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace corvane;

TEST(DonationText, BothLanguagesReadWithTheirParagraphsAndTheDonationLink)
{
    const struct {
        const char* file;
        QStringList starts; // how the heading and each paragraph begin
    } cases[] = {
        {"Donation.rtf",
            {QStringLiteral("Support Corvane"), QStringLiteral("Corvane is free software."),
                QStringLiteral("A donation keeps it going."), QStringLiteral("To donate,"),
                QStringLiteral("Thank you")}},
        {"Spenden.rtf",
            {QStringLiteral("Unterstützen Sie Corvane"),
                QStringLiteral("Corvane ist freie Software."),
                QStringLiteral("Eine Spende hält das Projekt am Leben."),
                QStringLiteral("Um zu spenden,"), QStringLiteral("Vielen Dank für Ihre")}},
    };
    const QString donate = QStringLiteral("https://corvane.org/donate");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        QTextDocument document;
        loadRichText(document,
            readRichTextFile(
                QStringLiteral(CORVANE_SOURCE_DIR "/data/Texts/") + QLatin1String(c.file)));
        const QString text = documentText(document);
        const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), c.starts.size()) << text.toStdString();
        for (int i = 0; i < lines.size(); ++i)
            EXPECT_TRUE(lines[i].startsWith(c.starts[i])) << lines[i].toStdString();
        // Nothing of the file's markup or a lost character shows through.
        EXPECT_FALSE(
            text.contains(QLatin1Char('\\')) || text.contains(QChar::ReplacementCharacter));

        // The one address in the text, and it becomes a link once the view marks addresses.
        const QList<WebAddress> found = findWebAddresses(text);
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(found[0].target, donate);
        markWebAddresses(document, Qt::blue);
        QTextCursor cursor(&document);
        cursor.setPosition(int(document.toPlainText().indexOf(donate) + 1));
        EXPECT_EQ(cursor.charFormat().anchorHref(), donate);
    }
}
