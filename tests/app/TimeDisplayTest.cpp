// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The time display must look exactly like a label with the same settings, whichever way it
// draws its text.
#include "app/TimeDisplay.h"

#include <QFontDatabase>
#include <QImage>
#include <gtest/gtest.h>

using namespace corvane;

namespace {

template <class Label> void configure(Label& label)
{
    label.setGeometry(8, 32, 225, 49);
    label.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label.setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    label.setFont(font);
    label.setAutoFillBackground(true);
    QPalette pal = label.palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    pal.setColor(QPalette::WindowText, QColor(255, 255, 0));
    label.setPalette(pal);
}

QImage rendered(QLabel& label, const QString& text)
{
    label.setText(text);
    return label.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(TimeDisplay, LooksExactlyLikeALabel)
{
    TTimeDisplay display(QStringLiteral("00:00:00"));
    QLabel label;
    configure(display);
    configure(label);
    if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
        EXPECT_TRUE(display.drawsFromGlyphs());
    }
    for (const char* text : {"00:00:00", "12:34:56", "11:11:11", "99:59:59", "07:41:28",
             // Drawn as a label draws them:
             "123:00:00", "", "1:2:3", "ab:cd:ef", "00-00-00"}) {
        const QString t = QString::fromLatin1(text);
        const QImage expected = rendered(label, t);
        // Painted twice over itself: an opaque widget must not show the text before.
        rendered(display, QStringLiteral("88:88:88"));
        EXPECT_EQ(rendered(display, t), expected) << text;
    }
}

TEST(TimeDisplay, FollowsAChangeOfFontAndSize)
{
    TTimeDisplay display(QStringLiteral("00:00:00"));
    QLabel label;
    configure(display);
    configure(label);
    rendered(display, QStringLiteral("01:02:03"));
    for (QLabel* l : {static_cast<QLabel*>(&display), &label}) {
        QFont f = l->font();
        f.setPixelSize(24);
        l->setFont(f);
        l->resize(180, 60);
    }
    EXPECT_EQ(
        rendered(display, QStringLiteral("45:06:17")), rendered(label, QStringLiteral("45:06:17")));
}

} // namespace
