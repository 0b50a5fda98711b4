// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The options window on its own: what it shows, what each control changes, and when.
#include "options/CVForm.h"

#include "OpenedUrls.h"
#include "OptionsWindowFixture.h"
#include "common/FilesOp.h"
#include "options/ColorSwatch.h"
#include "options/LinkLabel.h"
#include "platform/PageControl.h"
#include "richedit/RichEdit.h"

#include <QColorDialog>
#include <QFontComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace corvane;
using namespace corvane::test;

namespace {

class OptionsWindow : public OptionsWindowFixture {
protected:
    QListWidget* options() const { return child<QListWidget>("GenOptCheckBox"); }
    QListWidget* languages() const { return child<QListWidget>("LngListBox"); }
    void clickItem(QListWidget* list, int row, bool onTickBox)
    {
        QRect r = list->visualItemRect(list->item(row));
        const QPoint at = onTickBox ? QPoint(r.left() + 8, r.center().y()) : r.center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    QString selectedLanguage() const
    {
        const QListWidgetItem* item = languages()->currentItem();
        return item && item->isSelected() ? item->text() : QString();
    }
    void addFile(const QString& relative, const QByteArray& bytes = "x")
    {
        writeBytes(m_home.filePath(relative), bytes);
    }
};

DialogScript::Step pickColor(QColor color)
{
    return [color](QDialog& d) {
        auto* dialog = qobject_cast<QColorDialog*>(&d);
        ASSERT_NE(dialog, nullptr);
        dialog->setCurrentColor(color);
        dialog->accept();
    };
}

} // namespace

TEST_F(OptionsWindow, ShowsTheSettingsAndTakesTheTicksOverHoweverItCloses)
{
    ProgOptions.GenOptions = {false, false, true, false, false};
    ProgOptions.LangFile = QStringLiteral("german.LNG"); // the item differs only in case
    TCorvaneForm& w = open();
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(options()->item(row)->checkState() == Qt::Checked, row == 1) << row;
    EXPECT_EQ(selectedLanguage(), QStringLiteral("German.lng"));
    EXPECT_EQ(languages()->count(), 2);

    options()->item(0)->setCheckState(Qt::Checked);
    options()->item(1)->setCheckState(Qt::Unchecked);
    w.close(); // the close box keeps every change, as OK does
    EXPECT_EQ(ProgOptions.GenOptions, (std::array<bool, 5>{false, true, false, false, false}));

    ProgOptions.GenOptions = {false, true, true, true, false};
    open();
    options()->item(2)->setCheckState(Qt::Unchecked);
    child<QPushButton>("OKButton")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(ProgOptions.GenOptions[TOptionsRec::ExitDialog]);
}

TEST_F(OptionsWindow, AnyClickInTheGeneralOptionsReappliesTheAutostartTick)
{
    QTemporaryDir user;
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", user.path().toLocal8Bit());
    setAutostartExecutable(m_home.filePath(QStringLiteral("corvane")));
    const QString marker = m_home.filePath(QStringLiteral("corvane.desktop"));
    const QString copy = user.filePath(QStringLiteral("autostart/corvane.desktop"));
    ProgOptions.GenOptions[TOptionsRec::Autostart] = true;
    open();
    EXPECT_FALSE(QFile::exists(marker)); // opening the window makes nothing

    clickItem(options(), TOptionsRec::ExitDialog - 1, false); // not the autostart item
    EXPECT_TRUE(QFile::exists(marker));
    EXPECT_TRUE(QFile::exists(copy));
    EXPECT_EQ(options()->item(2)->checkState(), Qt::Checked); // a click on the text ticks nothing

    QFile::remove(copy); // the marker stays, so ticking does not bring the copy back
    clickItem(options(), TOptionsRec::TrayProgress - 1, true);
    EXPECT_FALSE(QFile::exists(copy));
    clickItem(options(), TOptionsRec::Autostart - 1, true); // unticked: both go
    EXPECT_FALSE(QFile::exists(marker));
    options()->setCurrentRow(TOptionsRec::Autostart - 1);
    QTest::keyClick(options(), Qt::Key_Space); // ticked again from the keyboard
    EXPECT_TRUE(QFile::exists(copy));

    setAutostartExecutable(QString());
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

TEST_F(OptionsWindow, LanguageListCopesWithOddFolders)
{
    ProgOptions.LangFile = QStringLiteral("Klingon.lng"); // not in the folder
    open();
    EXPECT_EQ(selectedLanguage(), QString());
    form.reset();

    QDir(m_home.filePath(QStringLiteral("LScripts"))).removeRecursively();
    open();
    EXPECT_EQ(languages()->count(), 0);
    form.reset();

    QDir(m_home.path()).mkpath(QStringLiteral("LScripts"));
    for (int i = 0; i < 1000; ++i)
        addFile(QStringLiteral("LScripts/Lang%1.lng").arg(i));
    open();
    EXPECT_EQ(languages()->count(), 1000);
}

TEST_F(OptionsWindow, ChoosingALanguageTranslatesThisWindowAtOnce)
{
    open();
    languages()->setCurrentItem(languages()->findItems(QStringLiteral("German.lng"), {}).first());
    EXPECT_EQ(ProgOptions.LangFile, QStringLiteral("German.lng"));
    EXPECT_EQ(LangScriptPath, m_home.filePath(QStringLiteral("LScripts/German.lng")));
    EXPECT_EQ(child<TPageControl>("CVControl")->tabText(TCorvaneForm::OptionsPage),
        QStringLiteral("Optionen"));
    EXPECT_EQ(options()->item(1)->text(), QStringLiteral("Immer im Vordergrund"));
    EXPECT_EQ(child<QListWidget>("GenOptCheckBox")->accessibleName(),
        QStringLiteral("Allgemeine Optionen"));
    // The renaming of the items is not a click: the ticks stay and nothing else runs.
    EXPECT_EQ(options()->item(1)->checkState(), Qt::Checked);
}

TEST_F(OptionsWindow, ColoursChangeOnlyWhenTheDialogIsConfirmed)
{
    open();
    {
        DialogScript dialogs({pickColor(Qt::red)});
        Q_EMIT child<TColorSwatch>("MStartColor")->colorRequested();
    }
    EXPECT_EQ(ProgOptions.MsgStartColor, rgbColor(255, 0, 0));
    EXPECT_EQ(DlgStartColor, rgbColor(255, 0, 0));
    EXPECT_EQ(DlgEndColor, defaultMsgEndColor);
    {
        DialogScript dialogs({rejectDialog()});
        Q_EMIT child<TColorSwatch>("MEndColor")->colorRequested();
    }
    EXPECT_EQ(ProgOptions.MsgEndColor, defaultMsgEndColor);
    {
        DialogScript dialogs({pickColor(Qt::blue)});
        QTest::keyClick(child<TColorSwatch>("shpPFontColor"), Qt::Key_Space);
        EXPECT_EQ(dialogs.shown(), 1);
    }
    EXPECT_EQ(ProgOptions.ProgFont.Color, rgbColor(0, 0, 255));
    EXPECT_EQ(form->palette().color(QPalette::WindowText), QColor(Qt::blue));
}

TEST_F(OptionsWindow, SwatchesAreNamedByTheirHint)
{
    LangScriptPath = m_home.filePath(QStringLiteral("LScripts/German.lng"));
    open();
    auto* swatch = child<TColorSwatch>("MEndColor");
    EXPECT_EQ(swatch->accessibleName(), QStringLiteral("Zum Ändern klicken"));
    EXPECT_EQ(swatch->focusPolicy(), Qt::StrongFocus);
}

TEST_F(OptionsWindow, FontNameIsKeptUntilTheUserChoosesOne)
{
    ProgOptions.ProgFont.Name = QString(10000, u'W'); // no such font
    open();
    form->close();
    EXPECT_EQ(ProgOptions.ProgFont.Name.size(), 10000);

    open();
    auto* combo = child<QFontComboBox>("ProgFontCombo");
    combo->setCurrentIndex(combo->findText(QStringLiteral("DejaVu Sans")));
    Q_EMIT combo->activated(combo->currentIndex());
    EXPECT_EQ(ProgOptions.ProgFont.Name, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(form->font().family(), QStringLiteral("DejaVu Sans"));
}

TEST_F(OptionsWindow, DonationTextAndHostFollowTheLanguageItem)
{
    addFile(QStringLiteral("Texts/Donation.rtf"), "{\\rtf1 Please donate.}");
    addFile(QStringLiteral("Texts/Spenden.rtf"), "{\\rtf1 Bitte spenden.}");
    const QString german = m_home.filePath(QStringLiteral("LScripts/German.lng"));
    const struct {
        const char* script; // the German script's file name in the folder
        const char* language; // LangFile
        const char* text;
        const char* host;
    } cases[] = {{"German.lng", "german.lng", "Bitte spenden.", "www.paypal.de"},
        {"GERMAN.LNG", "German.lng", "Please donate.", "www.paypal.de"},
        {"German.lng", "English.lng", "Please donate.", "www.paypal.com"},
        {"German.lng", "Klingon.lng", "Please donate.", "www.paypal.com"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script + std::string(" ") + c.language);
        const QString script
            = m_home.filePath(QStringLiteral("LScripts/") + QLatin1String(c.script));
        ASSERT_TRUE(script == german || QFile::rename(german, script));
        ProgOptions.LangFile = QLatin1String(c.language);
        OpenedUrls opened;
        open();
        EXPECT_EQ(child<TRichEdit>("DonationsEdit")->toPlainText(), QLatin1String(c.text));
        child<QPushButton>("PayPalBtn")->click();
        ASSERT_EQ(opened.urls.size(), 1);
        EXPECT_TRUE(opened.urls[0].startsWith(QLatin1String("https://") + QLatin1String(c.host)
            + QLatin1String("/xclick/business=donate%40corvane.org&item_name=Corvane+Donation")))
            << opened.urls[0].toStdString();
        form.reset();
        ASSERT_TRUE(script == german || QFile::rename(script, german));
    }
}

TEST_F(OptionsWindow, LinksOpenWhatTheLabelsShow)
{
    writeBytes(m_home.filePath(QStringLiteral("LScripts/Custom.lng")),
        "[CorvaneForm]\r\nHomepageLabel.Caption=https://example.org/corvane\r\n");
    LangScriptPath = m_home.filePath(QStringLiteral("LScripts/Custom.lng"));
    addFile(QStringLiteral("Texts/Donation.rtf"), "{\\rtf1 See https://corvane.org/donate now.}");
    OpenedUrls opened;
    open();
    child<TLinkLabel>("HomepageLabel")->click();
    QTest::keyClick(child<TLinkLabel>("eMailLabel"), Qt::Key_Return);
    Q_EMIT child<TRichEdit>("DonationsEdit")->linkClicked(QStringLiteral("www.corvane.org"));
    EXPECT_EQ(opened.urls,
        (QStringList{QStringLiteral("https://example.org/corvane"),
            QStringLiteral("mailto:contact@corvane.org"),
            QStringLiteral("http://www.corvane.org")}));
}

TEST_F(OptionsWindow, BrokenOrHugeDonationTextsStillOpenTheWindow)
{
    addFile(QStringLiteral("Texts/Donation.rtf"), "{\\rtf1 {\\b unclosed \\'zz \\u99999999");
    open();
    EXPECT_TRUE(form->isVisible());
    form.reset();

    addFile(QStringLiteral("Texts/Donation.rtf"), QByteArray(50 * 1024 * 1024, 'a'));
    open();
    EXPECT_TRUE(
        child<TRichEdit>("DonationsEdit")->toPlainText().contains(QLatin1String("too large")))
        << child<TRichEdit>("DonationsEdit")->toPlainText().toStdString();
}

TEST_F(OptionsWindow, ScriptWithoutTheWindowsSectionLeavesEnglish)
{
    writeBytes(
        m_home.filePath(QStringLiteral("LScripts/Old.lng")), "[FormMain]\r\nCaption=Alt\r\n");
    LangScriptPath = m_home.filePath(QStringLiteral("LScripts/Old.lng"));
    open();
    EXPECT_EQ(child<QPushButton>("OKButton")->text(), QStringLiteral("OK"));
    EXPECT_EQ(options()->item(3)->text(), QStringLiteral("Autostart program"));
}

TEST_F(OptionsWindow, CentresItsPanelsInTheirParents)
{
    open();
    QWidget* box = child<QWidget>("ProgOptBox");
    form->resize(form->width() + 101, form->height() + 51);
    QApplication::processEvents();
    const QWidget* page = box->parentWidget();
    EXPECT_EQ(box->x(), page->width() / 2 - box->width() / 2);
    EXPECT_EQ(box->y(), page->height() / 2 - box->height() / 2);
}
