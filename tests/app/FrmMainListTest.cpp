// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The Enter and List pages, driven through their object names as a user would.
#include "app/FrmMain.h"

#include "ProgramFolderFixture.h"
#include "app/ImageButton.h"
#include "platform/PageControl.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <memory>

using namespace corvane;
using namespace corvane::test;

namespace {

const QByteArray twoEntries
    = "Entries\r\n"
      "\tTea\r\n\t\t00:03:00\r\n\t\tTea is ready\r\n\t\t\r\n\t\t180\r\n"
      "\tPizza\r\n\t\t00:12:00\r\n\t\tPizza!\r\n\t\t/snd/a.wav\r\n\t\t720\r\n";

class ListPages : public ProgramFolderFixture {
protected:
    void SetUp() override
    {
        ProgramFolderFixture::SetUp();
        writeIni("[Language]\r\nFile=English.lng\r\n[General]\r\nOption 3=0\r\n");
    }

    void start(const QByteArray& list = twoEntries)
    {
        if (!list.isNull())
            writeBytes(listPath(), list);
        form = std::make_unique<TFormMain>();
    }

    QString listPath() const { return m_home.filePath(QStringLiteral("Data/Timelist.dat")); }
    template <typename W> W* find(const char* name) const
    {
        W* w = form->findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QTreeWidget* tree() const { return find<QTreeWidget>("StopTreeView"); }
    QTreeWidgetItem* entry(int i) const { return tree()->topLevelItem(0)->child(i); }
    QStringList titles() const
    {
        QStringList out;
        for (int i = 0; i < tree()->topLevelItem(0)->childCount(); ++i)
            out << entry(i)->text(0);
        return out;
    }
    QStringList chooser() const
    {
        QStringList out;
        auto* combo = find<QComboBox>("TopicsCombo");
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    }
    void edit(const QString& title, int h, int m, int s, const QString& message)
    {
        find<QLineEdit>("USchriftEdit")->setText(title);
        find<QSpinBox>("StundenZahl")->setValue(h);
        find<QSpinBox>("Minutenzahl")->setValue(m);
        find<QSpinBox>("Sekundenzahl")->setValue(s);
        find<QLineEdit>("TextZeile")->setText(message);
    }
    QString editorTitle() const { return find<QLineEdit>("USchriftEdit")->text(); }
    QString editorTime() const
    {
        return QStringLiteral("%1:%2:%3")
            .arg(find<QSpinBox>("StundenZahl")->value())
            .arg(find<QSpinBox>("Minutenzahl")->value())
            .arg(find<QSpinBox>("Sekundenzahl")->value());
    }
    void choose(QTreeWidgetItem* item) { tree()->setCurrentItem(item); }
    void click(const char* button) { find<QPushButton>(button)->click(); }
    TImageButton* imageButton(const char* name) const { return find<TImageButton>(name); }

    std::unique_ptr<TFormMain> form;
};

} // namespace

TEST_F(ListPages, LoadFillsTreeChooserAndEditor)
{
    start();
    EXPECT_EQ(titles(), (QStringList{"Tea", "Pizza"}));
    EXPECT_EQ(chooser(), titles());
    EXPECT_EQ(editorTitle(), QStringLiteral("Tea"));
    EXPECT_EQ(editorTime(), QStringLiteral("0:3:0"));
    EXPECT_EQ(find<QLabel>("ZeitAnzeigePanel")->text(), QStringLiteral("00:03:00"));
    EXPECT_EQ(imageButton("StartButton")->look(), TImageButton::Look::Up);
    EXPECT_TRUE(find<QPushButton>("RenameButton")->isEnabled());
}

TEST_F(ListPages, RootTextIsTranslatedAfterALoadOnly)
{
    writeIni("[Language]\r\nFile=German.lng\r\n");
    start(QByteArray());
    EXPECT_EQ(tree()->topLevelItem(0)->text(0), QStringLiteral("Entries"));
    form.reset();
    start();
    EXPECT_EQ(tree()->topLevelItem(0)->text(0), QStringLiteral("Einträge"));
}

TEST_F(ListPages, EmptyListFileStillHasItsRoot)
{
    start("");
    ASSERT_EQ(tree()->topLevelItemCount(), 1);
    edit("Tea", 0, 3, 0, "Ready");
    click("EintragsKnopf");
    EXPECT_EQ(titles(), QStringList{"Tea"});
}

TEST_F(ListPages, AddButtonNeedsTitleMessageAndTime)
{
    start(QByteArray());
    auto* add = find<QPushButton>("EintragsKnopf");
    EXPECT_FALSE(add->isEnabled());
    edit("Eggs", 0, 0, 0, "Done");
    EXPECT_FALSE(add->isEnabled());
    edit("Eggs", 0, 0, 1, "");
    EXPECT_FALSE(add->isEnabled());
    edit("", 0, 0, 1, "Done");
    EXPECT_FALSE(add->isEnabled());
    edit("Eggs", 0, 0, 1, "Done");
    EXPECT_TRUE(add->isEnabled());
}

TEST_F(ListPages, AddedEntryComesFirstAndIsSavedAtExit)
{
    start();
    edit("  Eggs", 27, 0, 5, "\tEggs are done");
    click("EintragsKnopf");
    EXPECT_EQ(titles(), (QStringList{"Eggs", "Tea", "Pizza"}));
    EXPECT_EQ(chooser().value(0), QStringLiteral("Eggs"));
    EXPECT_EQ(editorTime(), QStringLiteral("27:0:5"));
    ASSERT_TRUE(form->close());
    EXPECT_TRUE(readBytes(listPath())
                    .startsWith("Entries\r\n\tEggs\r\n\t\t27:00:05\r\n"
                                "\t\tEggs are done\r\n\t\t\r\n\t\t97205\r\n\tTea\r\n"));
}

TEST_F(ListPages, AddingAnExistingTitleAsksToReplace)
{
    start();
    {
        DialogScript dialogs({clickButton(QStringLiteral("No"))});
        edit("TEA", 0, 1, 0, "x");
        click("EintragsKnopf");
        EXPECT_EQ(dialogs.texts().value(0),
            QStringLiteral("An entry of this name already exists. Do you want to replace it?"));
        EXPECT_EQ(titles(), (QStringList{"Tea", "Pizza"}));
    }
    DialogScript dialogs({clickButton(QStringLiteral("Yes"))});
    edit("pizza", 0, 1, 0, "x"); // not the first entry
    click("EintragsKnopf");
    EXPECT_EQ(titles(), (QStringList{"pizza", "Tea"}));
    EXPECT_EQ(entry(0)->child(3)->text(0), QStringLiteral("60"));
}

TEST_F(ListPages, ReplacingTheChosenEntryAddsWhatTheEditorHolds)
{
    start();
    choose(entry(1)); // Pizza is chosen, so its removal moves the selection
    DialogScript dialogs({clickButton(QStringLiteral("Yes"))});
    edit("PIZZA", 0, 15, 0, "Pizza is hot");
    click("EintragsKnopf");
    EXPECT_EQ(titles(), (QStringList{"PIZZA", "Tea"}));
    EXPECT_EQ(entry(0)->child(1)->text(0), QStringLiteral("Pizza is hot"));
    EXPECT_EQ(editorTitle(), QStringLiteral("PIZZA"));
}

TEST_F(ListPages, NonAsciiCaseMakesDifferentTitles)
{
    start("Entries\r\n\t\xc3\x84pfel\r\n\t\t00:00:01\r\n\t\tm\r\n\t\t\r\n\t\t1\r\n");
    DialogScript dialogs;
    edit(QStringLiteral("äpfel"), 0, 0, 1, "m");
    click("EintragsKnopf");
    EXPECT_EQ(dialogs.shown(), 0);
    EXPECT_EQ(titles(), (QStringList{"äpfel", "Äpfel"}));
}

TEST_F(ListPages, RenameRefusesAnyExistingTitleAndIgnoresAnEmptyAnswer)
{
    start();
    choose(entry(1)); // Pizza
    {
        DialogScript dialogs({[](QDialog& d) {
                                  d.findChild<QLineEdit*>()->setText(QStringLiteral("tea"));
                                  clickButton(QStringLiteral("OK"))(d);
                              },
            acceptDialog()});
        click("RenameButton");
        EXPECT_EQ(dialogs.texts().value(1),
            QStringLiteral("Sorry, an entry with this name already exists."));
    }
    {
        DialogScript dialogs({rejectDialog()});
        click("RenameButton");
    }
    EXPECT_EQ(titles(), (QStringList{"Tea", "Pizza"}));
    DialogScript dialogs({[](QDialog& d) {
        d.findChild<QLineEdit*>()->setText(QStringLiteral("Calzone"));
        clickButton(QStringLiteral("OK"))(d);
    }});
    click("RenameButton");
    EXPECT_EQ(titles(), (QStringList{"Tea", "Calzone"}));
    EXPECT_EQ(editorTitle(), QStringLiteral("Tea")); // the chooser's first entry is chosen
}

TEST_F(ListPages, DeletingTheOnlyEntryEmptiesTheChooserAndKeepsTheTitle)
{
    start("Entries\r\n\tTea\r\n\t\t00:03:00\r\n\t\tReady\r\n\t\t/a.wav\r\n\t\t180\r\n");
    choose(entry(0));
    DialogScript dialogs({clickButton(QStringLiteral("Yes"))});
    click("DeleteButton");
    EXPECT_TRUE(titles().isEmpty());
    EXPECT_TRUE(chooser().isEmpty());
    EXPECT_EQ(editorTitle(), QStringLiteral("Tea"));
    EXPECT_EQ(editorTime(), QStringLiteral("0:0:0"));
    EXPECT_EQ(find<QLineEdit>("Klangzeile")->text(), QString());
}

TEST_F(ListPages, RootOrFieldNodeDisablesTheEntryButtons)
{
    start();
    for (QTreeWidgetItem* node : {tree()->topLevelItem(0), entry(0)->child(1)}) {
        choose(entry(1));
        choose(node);
        EXPECT_FALSE(find<QPushButton>("RenameButton")->isEnabled());
        EXPECT_FALSE(find<QPushButton>("DeleteButton")->isEnabled());
        EXPECT_FALSE(imageButton("PauseButton")->isGlyphEnabled());
        EXPECT_EQ(imageButton("StartButton")->look(), TImageButton::Look::Flat);
        EXPECT_EQ(editorTitle(), QStringLiteral("Pizza"));
    }
}

TEST_F(ListPages, DoubleClickShowsTheDisplayPage)
{
    start();
    auto* pages = find<TPageControl>("TimerControl");
    form->setActivePage(TFormMain::ListPage);
    choose(entry(1)); // a double click first makes the entry current
    Q_EMIT tree()->itemDoubleClicked(entry(1), 0);
    EXPECT_EQ(pages->currentIndex(), int(TFormMain::DisplayPage));
    EXPECT_EQ(editorTitle(), QStringLiteral("Pizza"));
    EXPECT_EQ(find<QComboBox>("TopicsCombo")->currentIndex(), 1);
}

TEST_F(ListPages, BrokenEntriesReportAndLeaveTheEditorAlone)
{
    start("Entries\r\n\tTea\r\n\t\t00:03:00\r\n\t\tReady\r\n\t\t\r\n\t\t180\r\n"
          "\tShort\r\n\t\t00:00:01\r\n"
          "\tBad\r\n\t\t00:00:01\r\n\t\tm\r\n\t\t\r\n\t\t12abc\r\n"
          "\tHex\r\n\t\t00:00:16\r\n\t\tm\r\n\t\t\r\n\t\t0x10\r\n");
    DialogScript dialogs({acceptDialog(), acceptDialog(), acceptDialog()});
    choose(entry(1));
    choose(entry(2));
    choose(entry(3)); // seconds are decimal only
    EXPECT_EQ(dialogs.texts(),
        (QStringList{"List index out of bounds (3)", "'12abc' is not a valid integer value",
            "'0x10' is not a valid integer value"}));
    EXPECT_EQ(editorTitle(), QStringLiteral("Tea"));
    EXPECT_EQ(editorTime(), QStringLiteral("0:3:0"));
}

namespace {
void clickAt(QWidget* viewport, QPoint at)
{
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
}
} // namespace

TEST_F(ListPages, AClickOnABrokenEntryReportsItOnce)
{
    start("Entries\r\n\tTea\r\n\t\t00:03:00\r\n\t\tReady\r\n\t\t\r\n\t\t180\r\n"
          "\tShort\r\n\t\t00:00:01\r\n");
    form->show();
    form->setActivePage(TFormMain::ListPage);
    const QPoint at = tree()->visualItemRect(entry(1)).center();
    DialogScript dialogs({acceptDialog(), acceptDialog()});
    clickAt(tree()->viewport(), at);
    EXPECT_EQ(tree()->currentItem(), entry(1));
    EXPECT_EQ(dialogs.shown(), 1);
    clickAt(tree()->viewport(), at); // clicking the chosen entry again chooses it again
    EXPECT_EQ(dialogs.shown(), 2);
}

TEST_F(ListPages, LevelErrorKeepsWhatWasReadAndTheWholeFile)
{
    const QByteArray broken = "Entries\r\n\tTea\r\n\t\t00:03:00\r\n\t\tReady\r\n\t\t\r\n\t\t180\r\n"
                              "\tLost\r\n\t\t\t\tdeep\r\n";
    std::unique_ptr<DialogScript> dialogs(new DialogScript({acceptDialog()}));
    start(broken);
    const QString backup = QFileInfo(listPath() + QStringLiteral(".bak")).absoluteFilePath();
    EXPECT_EQ(dialogs->texts().value(0),
        QStringLiteral("Invalid level (4) for item \"deep\"\n\nThe original file is kept as ")
            + backup + u'.');
    dialogs.reset();
    EXPECT_EQ(titles(), (QStringList{"Tea", "Lost"}));
    ASSERT_TRUE(form->close());
    EXPECT_EQ(readBytes(listPath() + QStringLiteral(".bak")), broken);
}

TEST_F(ListPages, ChoosingInTheChooserWhileRunningOnlyMovesTheSelection)
{
    start();
    imageButton("StartButton")->setLook(TImageButton::Look::Down); // a countdown runs
    auto* combo = find<QComboBox>("TopicsCombo");
    combo->setCurrentIndex(1);
    Q_EMIT combo->activated(1);
    EXPECT_EQ(tree()->currentItem(), entry(1));
    EXPECT_EQ(editorTitle(), QStringLiteral("Tea"));
    EXPECT_EQ(imageButton("StartButton")->look(), TImageButton::Look::Down);
}
