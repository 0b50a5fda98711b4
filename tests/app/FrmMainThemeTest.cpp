// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The main window's look under a theme: applied at start-up and after the options window.
#include "app/FrmMain.h"

#include "BmpBytes.h"
#include "ProgramFolderFixture.h"
#include "options/CVForm.h"
#include "options/ThemeFile.h"
#include "platform/PageControl.h"

#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <memory>

using namespace corvane;
using namespace corvane::test;

namespace {

TBitmapPicture picture(QColor color)
{
    return bitmapFromBmp(bmpBytes(QSize(8, 6), color));
}

class ThemedWindow : public ProgramFolderFixture {
protected:
    void SetUp() override
    {
        ProgramFolderFixture::SetUp();
        writeBytes(m_home.filePath(QStringLiteral("Data/Timelist.dat")),
            "Entries\r\n\tTea\r\n\t\t00:03:00\r\n\t\tTea is ready\r\n\t\t\r\n\t\t180\r\n");
    }
    void TearDown() override
    {
        form.reset();
        ProgramFolderFixture::TearDown();
    }
    void settings(const char* theme)
    {
        writeIni(QByteArray("[Language]\r\nFile=English.lng\r\n[General]\r\nOption 3=0\r\nTheme=")
            + theme + "\r\n");
    }
    QString themePath(const QString& name) const
    {
        return m_home.filePath(QStringLiteral("Data/") + themeFileName(name));
    }
    void addTheme(const QString& name, QColor color)
    {
        TThemeData theme;
        for (TBitmapPicture& p : theme.pictures)
            p = picture(color);
        theme.fontName = QStringLiteral("DejaVu Serif");
        theme.fontColor = 0xFFFFFF;
        theme.backColor = 0x000080; // maroon
        writeThemeFile(themePath(name), theme);
    }
    void start() { form = std::make_unique<TFormMain>(); }
    QLabel* label(const char* name) const { return form->findChild<QLabel*>(QLatin1String(name)); }
    QColor pixel(const char* name) const
    {
        return label(name)->pixmap().toImage().pixelColor(0, 0);
    }

    std::unique_ptr<TFormMain> form;
};

} // namespace

TEST_F(ThemedWindow, StartUpAppliesTheCurrentThemeEverywhereOnTheDisplayPage)
{
    addTheme(QStringLiteral("Night"), Qt::darkCyan);
    settings("Night");
    DialogScript dialogs;
    start();
    EXPECT_EQ(dialogs.shown(), 0);
    for (const char* name :
        {"MainImage", "StartBgImage", "PauseBgImage", "StopBgImage", "ProgBarImage"})
        EXPECT_EQ(pixel(name), QColor(Qt::darkCyan)) << name;
    // One colour throughout: the symbols' lower-left colour is everywhere, so none is drawn.
    EXPECT_EQ(label("StartImage")->pixmap().toImage().pixelColor(3, 3).alpha(), 0);
    QLabel* time = label("ZeitAnzeigePanel");
    EXPECT_EQ(time->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(time->font().pixelSize(), 40);
    EXPECT_EQ(time->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(time->palette().color(QPalette::Window), QColor(128, 0, 0));
}

TEST_F(ThemedWindow, WithoutItsFileTheWindowKeepsTheDesignedLookAndSaysNothing)
{
    settings("Standard");
    DialogScript dialogs;
    start();
    EXPECT_EQ(dialogs.shown(), 0);
    EXPECT_EQ(label("ZeitAnzeigePanel")->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(label("MainImage")->pixmap().size(), QSize(176, 177));
}

TEST_F(ThemedWindow, ABrokenThemeIsAppliedUpToItsFaultAndReportedOnceAndTheListStillLoads)
{
    addTheme(QStringLiteral("Night"), Qt::darkCyan);
    QList<QByteArray> lines = readBytes(themePath(QStringLiteral("Night"))).split('\n');
    lines[7] = "black\r"; // the background colour
    writeBytes(themePath(QStringLiteral("Night")), lines.join('\n'));
    settings("Night");
    {
        DialogScript dialogs({acceptDialog()});
        start();
        EXPECT_EQ(dialogs.texts(),
            QStringList{QStringLiteral("Line 8 of the theme file %1 is not a whole number.")
                            .arg(themePath(QStringLiteral("Night")))});
    }
    EXPECT_EQ(pixel("MainImage"), QColor(Qt::darkCyan));
    EXPECT_EQ(label("ZeitAnzeigePanel")->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(label("ZeitAnzeigePanel")->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("TopicsCombo"))->count(), 1);

    DialogScript again; // the options window and the settings read after it: no second word
    form->LoadSettings();
    form->SaveSettings();
    EXPECT_EQ(again.shown(), 0);
}

TEST_F(ThemedWindow, AThemeChosenInTheOptionsWindowShowsOnceItCloses)
{
    addTheme(QStringLiteral("Night"), Qt::darkCyan);
    settings("Standard");
    start();
    DialogScript dialogs({[](QDialog& d) {
        auto* list = d.findChild<QListWidget*>(QStringLiteral("ThemesListBox"));
        QListWidgetItem* item = list->item(0);
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        d.close();
    }});
    form->findChild<TPageControl*>(QStringLiteral("TimerControl"))
        ->setCurrentIndex(TFormMain::OptionsPage);
    EXPECT_EQ(dialogs.shown(), 1);
    EXPECT_EQ(ProgOptions.Theme, QStringLiteral("Night"));
    EXPECT_TRUE(iniBytes().contains("Theme=Night"));
    EXPECT_EQ(pixel("MainImage"), QColor(Qt::darkCyan));
}
