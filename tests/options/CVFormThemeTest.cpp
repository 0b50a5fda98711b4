// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The theme editor: saving, replacing, renaming, deleting and choosing themes, and what the
// preview shows.
#include "options/CVForm.h"

#include "BmpBytes.h"
#include "OptionsWindowFixture.h"
#include "app/ImageButton.h"
#include "common/Global.h"
#include "options/ColorSwatch.h"
#include "options/ThemeFile.h"
#include "platform/RadioGroup.h"

#include <QBuffer>
#include <QColorDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace corvane;
using namespace corvane::test;

namespace {

DialogScript::Step typeName(const QString& name)
{
    return [name](QDialog& d) {
        d.findChild<QLineEdit*>()->setText(name);
        clickButton(QStringLiteral("OK"))(d);
    };
}

DialogScript::Step pickFile(const QString& path)
{
    return [path](QDialog& d) {
        auto* dialog = qobject_cast<QFileDialog*>(&d);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Bitmap files (*.bmp)")});
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept(); // as the Open button does
    };
}

DialogScript::Step pickColor(QColor color)
{
    return [color](QDialog& d) {
        auto* dialog = qobject_cast<QColorDialog*>(&d);
        ASSERT_NE(dialog, nullptr);
        dialog->setCurrentColor(color);
        dialog->accept();
    };
}

class ThemeEditor : public OptionsWindowFixture {
protected:
    QListWidget* list() const { return child<QListWidget>("ThemesListBox"); }
    QStringList entries() const
    {
        QStringList texts;
        for (int row = 0; row < list()->count(); ++row)
            texts << list()->item(row)->text();
        return texts;
    }
    QString selected() const
    {
        const QList<QListWidgetItem*> items = list()->selectedItems();
        return items.isEmpty() ? QString() : items.constFirst()->text();
    }
    void clickEntry(const QString& text)
    {
        QListWidgetItem* item = list()->findItems(text, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << text.toStdString();
        QTest::mouseClick(
            list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(item).center());
    }
    void click(const char* button) { child<QPushButton>(button)->click(); }
    QString themePath(const QString& name) const
    {
        return m_home.filePath(QStringLiteral("Data/") + themeFileName(name));
    }
    bool hasTheme(const QString& name) const { return QFile::exists(themePath(name)); }
    // A theme file of one colour: its background is `color`, and so is everything else.
    void addTheme(const QString& name, QColor color, const QString& font = QStringLiteral("Serif"))
    {
        TThemeData theme;
        for (TBitmapPicture& picture : theme.pictures)
            picture = bitmapFromBmp(bmpBytes(QSize(8, 6), color));
        theme.fontName = font;
        theme.fontColor = 255; // red
        theme.backColor = 65280; // green
        writeThemeFile(themePath(name), theme);
    }
    QImage shown(const char* label) const { return child<QLabel>(label)->pixmap().toImage(); }
    QColor backgroundPixel() const { return shown("MainImage").pixelColor(0, 0); }
};

} // namespace

TEST_F(ThemeEditor, ASavedThemeIsSelectedButBecomesCurrentOnlyWhenClicked)
{
    ProgOptions.Theme = QStringLiteral("Standard");
    open();
    EXPECT_FALSE(child<QPushButton>("ThemeRenameButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("ThemeDeleteButton")->isEnabled());
    EXPECT_EQ(child<TRadioGroup>("ChangeElementBox")->itemIndex(), 0);
    {
        DialogScript dialogs({typeName(QStringLiteral("Dark"))});
        click("AddThemeButton");
    }
    // The designed look, saved: its pictures as bitmaps, its font and colours.
    const QByteArray bytes = readBytes(m_home.filePath(QStringLiteral("Data/Theme4461726B.thm")));
    EXPECT_TRUE(bytes.startsWith("424D"));
    EXPECT_TRUE(bytes.endsWith("\r\nArial\r\n65535\r\n8388608\r\n"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Dark")});
    EXPECT_EQ(selected(), QStringLiteral("Dark"));
    EXPECT_TRUE(child<QPushButton>("ThemeRenameButton")->isEnabled());
    EXPECT_EQ(ProgOptions.Theme, QStringLiteral("Standard"));
    clickEntry(QStringLiteral("Dark")); // the entry already selected
    EXPECT_EQ(ProgOptions.Theme, QStringLiteral("Dark"));

    DialogScript cancelled({rejectDialog()});
    click("AddThemeButton");
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Dark")});
}

TEST_F(ThemeEditor, NamesThatDifferInCaseAskToReplaceAndOnlyYesReplaces)
{
    addTheme(QStringLiteral("Dark"), Qt::blue);
    addTheme(QStringLiteral("C:\\Themes\\Blue"), Qt::blue);
    open();
    EXPECT_EQ(entries(), (QStringList{"C:\\Themes\\Blue", "Dark"}));
    const QByteArray dark = readBytes(themePath(QStringLiteral("Dark")));
    {
        DialogScript dialogs({typeName(QStringLiteral("dark")), clickButton(QStringLiteral("No"))});
        click("AddThemeButton");
        EXPECT_EQ(dialogs.texts().value(1),
            QStringLiteral("An entry of this name already exists. Do you want to replace it?"));
    }
    EXPECT_FALSE(hasTheme(QStringLiteral("dark")));
    EXPECT_EQ(readBytes(themePath(QStringLiteral("Dark"))), dark);
    EXPECT_EQ(entries(), (QStringList{"C:\\Themes\\Blue", "Dark"}));
    {
        DialogScript dialogs(
            {typeName(QStringLiteral("dark")), clickButton(QStringLiteral("Yes"))});
        click("AddThemeButton");
    }
    EXPECT_FALSE(hasTheme(QStringLiteral("Dark")));
    EXPECT_TRUE(hasTheme(QStringLiteral("dark")));
    EXPECT_EQ(entries(), (QStringList{"C:\\Themes\\Blue", "dark"}));
    EXPECT_EQ(selected(), QStringLiteral("dark"));
}

TEST_F(ThemeEditor, EveryMatchIsAskedAndARefusalDeletesNothing)
{
    for (const char* name : {"alpha", "ALPHA", "Beta", "Gamma"})
        addTheme(QLatin1String(name), Qt::red);
    open();
    {
        // Yes for the first match, No for the second: nothing is saved, nothing is lost.
        DialogScript dialogs({typeName(QStringLiteral("Alpha")), clickButton(QStringLiteral("Yes")),
            clickButton(QStringLiteral("No"))});
        click("AddThemeButton");
        EXPECT_EQ(dialogs.shown(), 3);
    }
    for (const char* name : {"alpha", "ALPHA"})
        EXPECT_TRUE(hasTheme(QLatin1String(name))) << name;
    EXPECT_FALSE(hasTheme(QStringLiteral("Alpha")));
    {
        DialogScript dialogs({typeName(QStringLiteral("Alpha")), clickButton(QStringLiteral("Yes")),
            clickButton(QStringLiteral("Yes"))});
        click("AddThemeButton");
        EXPECT_EQ(dialogs.shown(), 3);
    }
    EXPECT_EQ(entries(), (QStringList{"Alpha", "Beta", "Gamma"}));
    EXPECT_FALSE(hasTheme(QStringLiteral("alpha")));
    EXPECT_FALSE(hasTheme(QStringLiteral("ALPHA")));
}

TEST_F(ThemeEditor, OpeningLoadsTheCurrentThemeAndAClickChoosesAnother)
{
    addTheme(QStringLiteral("Red"), Qt::red, QStringLiteral("DejaVu Serif"));
    addTheme(QStringLiteral("Blue"), Qt::blue);
    ProgOptions.Theme = QStringLiteral("RED"); // matched regardless of case
    open();
    EXPECT_EQ(selected(), QStringLiteral("Red"));
    EXPECT_EQ(ProgOptions.Theme, QStringLiteral("Red"));
    EXPECT_EQ(backgroundPixel(), QColor(Qt::red));
    auto* time = child<QLabel>("ZeitAnzeigePanel");
    EXPECT_EQ(time->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(time->font().pixelSize(), 40); // size and weight stay as designed
    EXPECT_TRUE(time->font().bold());
    EXPECT_EQ(time->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(time->palette().color(QPalette::Window), QColor(Qt::green));
    EXPECT_EQ(child<TColorSwatch>("shpTimeFontColor")->color(), 255);
    EXPECT_EQ(child<TColorSwatch>("TimeDisplayColor")->color(), 65280);

    clickEntry(QStringLiteral("Blue"));
    EXPECT_EQ(ProgOptions.Theme, QStringLiteral("Blue"));
    EXPECT_EQ(backgroundPixel(), QColor(Qt::blue));
    // The background stands behind all three buttons too.
    for (const char* name : {"StartBgImage", "PauseBgImage", "StopBgImage"})
        EXPECT_EQ(shown(name).pixelColor(0, 0), QColor(Qt::blue)) << name;
}

TEST_F(ThemeEditor, ANewNameForTheCurrentThemeLeavesTheSettingsAlone)
{
    addTheme(QStringLiteral("Dark"), Qt::darkBlue);
    ProgOptions.Theme = QStringLiteral("Dark");
    open();
    const QByteArray before = readBytes(themePath(QStringLiteral("Dark")));
    {
        DialogScript dialogs({typeName(QStringLiteral("Night"))});
        click("ThemeRenameButton");
    }
    EXPECT_FALSE(hasTheme(QStringLiteral("Dark")));
    EXPECT_EQ(readBytes(themePath(QStringLiteral("Night"))), before); // as loaded, unchanged
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Night")});
    EXPECT_EQ(selected(), QStringLiteral("Night"));
    EXPECT_EQ(ProgOptions.Theme, QStringLiteral("Dark"));
}

TEST_F(ThemeEditor, ARenameThatCannotWriteKeepsTheOldTheme)
{
    addTheme(QStringLiteral("Dark"), Qt::darkBlue);
    ASSERT_TRUE(QDir().mkpath(themePath(QStringLiteral("Night")))); // a folder in the way
    open();
    clickEntry(QStringLiteral("Dark"));
    DialogScript dialogs({typeName(QStringLiteral("Night")), acceptDialog()});
    click("ThemeRenameButton");
    EXPECT_TRUE(dialogs.texts().value(1).startsWith(QStringLiteral("Unable to write to ")));
    EXPECT_TRUE(hasTheme(QStringLiteral("Dark")));
}

TEST_F(ThemeEditor, ADeletedThemeStaysListedAndItsClickOnlyChoosesTheName)
{
    addTheme(QStringLiteral("Red"), Qt::red);
    addTheme(QStringLiteral("Blue"), Qt::blue);
    open();
    clickEntry(QStringLiteral("Red"));
    {
        DialogScript dialogs({clickButton(QStringLiteral("No"))});
        click("ThemeDeleteButton");
        EXPECT_EQ(dialogs.texts().value(0), QStringLiteral("Are you sure?"));
    }
    EXPECT_TRUE(hasTheme(QStringLiteral("Red")));
    {
        DialogScript dialogs({clickButton(QStringLiteral("Yes"))});
        click("ThemeDeleteButton");
    }
    EXPECT_FALSE(hasTheme(QStringLiteral("Red")));
    EXPECT_EQ(entries(), (QStringList{"Blue", "Red"}));
    clickEntry(QStringLiteral("Blue"));
    clickEntry(QStringLiteral("Red"));
    EXPECT_EQ(ProgOptions.Theme, QStringLiteral("Red"));
    EXPECT_EQ(backgroundPixel(), QColor(Qt::blue)); // the preview stays as it was
}

TEST_F(ThemeEditor, APickedBackgroundGoesEverywhereAndIsSavedByteForByte)
{
    const QString picked = m_home.filePath(QStringLiteral("photo.bmp"));
    writeBytes(picked, bmpBytes(QSize(30, 20), Qt::magenta));
    const QString notBitmap = m_home.filePath(QStringLiteral("text.bmp"));
    writeBytes(notBitmap, "hello");
    open();
    {
        DialogScript dialogs({pickFile(picked)});
        click("PicOpenButton");
    }
    for (const char* name : {"MainImage", "StartBgImage", "PauseBgImage", "StopBgImage"})
        EXPECT_EQ(shown(name).pixelColor(0, 0), QColor(Qt::magenta)) << name;
    {
        DialogScript dialogs({pickFile(notBitmap), acceptDialog()});
        click("PicOpenButton");
        EXPECT_EQ(dialogs.texts().value(1), QStringLiteral("Bitmap image is not valid"));
    }
    EXPECT_EQ(backgroundPixel(), QColor(Qt::magenta)); // kept
    {
        DialogScript dialogs({typeName(QStringLiteral("Photo"))});
        click("AddThemeButton");
    }
    const QByteArray firstLine = readBytes(themePath(QStringLiteral("Photo"))).split('\r').value(0);
    EXPECT_EQ(HexToStr(QString::fromLatin1(firstLine)), readBytes(picked));
}

TEST_F(ThemeEditor, PickedSymbolsAndTheTimeDisplayColoursChangeOnlyTheirElement)
{
    const QString picked = m_home.filePath(QStringLiteral("stop.bmp"));
    QImage symbol(20, 22, QImage::Format_RGB888);
    symbol.fill(Qt::white);
    symbol.setPixelColor(10, 10, Qt::black);
    symbol.save(picked, "BMP");
    open();
    child<TRadioGroup>("ChangeElementBox")->setItemIndex(4); // "Stop button picture"
    {
        DialogScript dialogs({pickFile(picked)});
        click("PicOpenButton");
    }
    const QImage stop = shown("StopImage");
    EXPECT_EQ(stop.pixelColor(0, 21).alpha(), 0); // the lower-left colour is not drawn
    EXPECT_EQ(stop.pixelColor(10, 10), QColor(Qt::black));
    EXPECT_EQ(shown("StartImage").size(), QSize(20, 22)); // untouched, still designed
    EXPECT_NE(backgroundPixel(), QColor(Qt::white));

    {
        DialogScript dialogs({pickColor(Qt::black)});
        child<TColorSwatch>("TimeDisplayColor")->click();
    }
    {
        DialogScript dialogs({pickColor(Qt::white)});
        child<TColorSwatch>("shpTimeFontColor")->click();
    }
    auto* time = child<QLabel>("ZeitAnzeigePanel");
    EXPECT_EQ(time->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(time->palette().color(QPalette::WindowText), QColor(Qt::white));
    {
        DialogScript dialogs({typeName(QStringLiteral("Mono"))});
        click("AddThemeButton");
    }
    const ThemeRead read = readThemeFile(themePath(QStringLiteral("Mono")));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.theme.fontColor, 0xFFFFFF);
    EXPECT_EQ(read.theme.backColor, 0);
    EXPECT_EQ(bmpFileBytes(read.theme.picture(ThemePicture::Stop)), readBytes(picked));
}

TEST_F(ThemeEditor, ABrokenCurrentThemeIsReportedAndTheWindowStillOpens)
{
    addTheme(QStringLiteral("Blue"), Qt::blue);
    const QList<QByteArray> lines = readBytes(themePath(QStringLiteral("Blue"))).split('\n');
    writeBytes(themePath(QStringLiteral("Cut")), lines.mid(0, 3).join('\n')); // 2 whole lines
    ProgOptions.Theme = QStringLiteral("Cut");
    DialogScript dialogs({acceptDialog()});
    open();
    EXPECT_EQ(dialogs.texts().value(0),
        QStringLiteral("The theme file %1 ends after line 3; a theme has eight lines.")
            .arg(themePath(QStringLiteral("Cut"))));
    EXPECT_EQ(backgroundPixel(), QColor(Qt::blue)); // what the lines before gave stays
    EXPECT_EQ(ProgOptions.Theme, QStringLiteral("Cut"));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ThemeEditor, FilesNamedLikeThemesButNotThemesAreListedAsTheyDecode)
{
    for (const char* file : {"Theme4G.thm", "Theme414.thm", "notes.txt", "x.thm"})
        writeBytes(m_home.filePath(QStringLiteral("Data/") + QLatin1String(file)), "junk");
    open();
    EXPECT_EQ(entries(), (QStringList{"", "", "A"}));
    clickEntry(QStringLiteral("A"));
    EXPECT_EQ(ProgOptions.Theme, QStringLiteral("A")); // its file is Theme41.thm: none
}

TEST_F(ThemeEditor, AThousandFilesInDataAreListedAndNoneIsWrittenTo)
{
    const QString data = m_home.filePath(QStringLiteral("Data"));
    for (int n = 0; n < 1000; ++n) {
        const QString name = n % 100 == 0 ? themeFileName(QStringLiteral("T%1").arg(n / 100))
            : n % 100 == 1                ? QStringLiteral("Theme%1.THM").arg(n) // no hexadecimal
                                          : QStringLiteral("file%1.dat").arg(n);
        writeBytes(data + u'/' + name, "not a theme");
    }
    ASSERT_TRUE(QDir(data).mkdir(themeFileName(QStringLiteral("Folder"))));
    ProgOptions.Theme = QStringLiteral("T3");
    const QFileInfoList before = QDir(data).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot);
    {
        DialogScript dialogs({acceptDialog()});
        open();
        EXPECT_EQ(dialogs.shown(), 1); // T3 holds no bitmap
        form->close();
    }
    const QStringList listed = entries();
    EXPECT_EQ(listed.size(), 10 + 10 + 1);
    for (int n = 0; n < 10; ++n)
        EXPECT_TRUE(listed.contains(QStringLiteral("T%1").arg(n))) << n;
    EXPECT_TRUE(listed.contains(QStringLiteral("Folder")));
    const QFileInfoList after = QDir(data).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot);
    ASSERT_EQ(after.size(), before.size());
    for (qsizetype i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].fileName(), before[i].fileName());
        EXPECT_EQ(after[i].lastModified(), before[i].lastModified());
    }
}
