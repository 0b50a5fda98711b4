// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FrmMain.h"

#include "ProgramFolderFixture.h"
#include "platform/PageControl.h"

#include <QAccessible>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <memory>

using namespace corvane;
using namespace corvane::test;

namespace {

DialogScript::Step chooseLanguage(const QString& name)
{
    return [name](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        list->setCurrentItem(found.first());
        clickButton(QStringLiteral("OK"))(dialog);
    };
}

QString tabText(TFormMain& form, int index)
{
    return form.findChild<TPageControl*>(QStringLiteral("TimerControl"))->tabText(index);
}

// What a screen reader says for a tab of the page control.
QString spokenTabName(TFormMain& form, int index)
{
    QTabBar* bar = form.findChild<TPageControl*>(QStringLiteral("TimerControl"))->tabBar();
    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(bar);
    if (!tabs || index >= tabs->childCount())
        return QStringLiteral("(no tab %1)").arg(index);
    return tabs->child(index)->text(QAccessible::Name);
}

QString exitCaption(TFormMain& form)
{
    return form.findChild<QPushButton*>(QStringLiteral("ExitButton"))->text();
}

QPoint centred(const QWidget& w)
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    return {screen.width() / 2 - w.width() / 2, screen.height() / 2 - w.height() / 2};
}

const QByteArray englishOnly = "[Language]\r\nFile=English.lng\r\n";

using MainWindowStart = ProgramFolderFixture;
using MainWindowExit = ProgramFolderFixture;

} // namespace

TEST_F(MainWindowStart, FirstStartAsksForLanguageAndCancelStoresEnglish)
{
    QString prompt, okCaption;
    DialogScript dialogs({[&](QDialog& d) {
        const QList<QLabel*> labels = d.findChildren<QLabel*>();
        for (QLabel* l : labels)
            if (l->text() == QStringLiteral("Please select language:"))
                prompt = l->text();
        for (QPushButton* b : d.findChildren<QPushButton*>())
            okCaption += b->text();
        d.reject(); // closing the dialog chooses nothing
    }});
    TFormMain form;
    EXPECT_EQ(dialogs.shown(), 1);
    EXPECT_EQ(prompt, QStringLiteral("Please select language:"));
    EXPECT_EQ(okCaption, QStringLiteral("OK"));
    EXPECT_EQ(iniBytes(), englishOnly);
    EXPECT_EQ(form.pos(), centred(form));
    EXPECT_TRUE(ProgOptions.GenOptions[1]);
    EXPECT_TRUE(ProgOptions.GenOptions[2]);
    EXPECT_TRUE(ProgOptions.GenOptions[3]);
    EXPECT_FALSE(ProgOptions.GenOptions[4]);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Corvane"));
    EXPECT_EQ(DlgTexts[DlgText::Cancel], QStringLiteral("Cancel"));
}

TEST_F(MainWindowStart, ChosenLanguageTranslatesTheWindowAndTheDialogs)
{
    DialogScript dialogs({chooseLanguage(QStringLiteral("German"))});
    TFormMain form;
    EXPECT_EQ(iniBytes(), QByteArray("[Language]\r\nFile=German.lng\r\n"));
    EXPECT_EQ(tabText(form, TFormMain::DisplayPage), QStringLiteral("Anzeige"));
    EXPECT_EQ(tabText(form, TFormMain::AboutPage), QStringLiteral("Info"));
    EXPECT_EQ(exitCaption(form), QStringLiteral("Beenden"));
    EXPECT_EQ(DlgTexts[DlgText::Cancel], QStringLiteral("Abbrechen"));
    EXPECT_EQ(DlgTexts[DlgText::Confirmation], QStringLiteral("Bestätigung"));
}

// A new user finds a few countdowns in the language just chosen; a list that is already
// there, or a start that is not the first, is left as it is.
TEST_F(MainWindowStart, FirstStartWithoutListOffersExampleCountdowns)
{
    const QString listPath = m_home.filePath(QStringLiteral("Data/Timelist.dat"));
    {
        DialogScript dialogs({chooseLanguage(QStringLiteral("German"))});
        TFormMain form;
        const QTreeWidgetItem* root
            = form.findChild<QTreeWidget*>(QStringLiteral("StopTreeView"))->topLevelItem(0);
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(root->text(0), QStringLiteral("Einträge"));
        ASSERT_EQ(root->childCount(), 3);
        EXPECT_EQ(root->child(0)->text(0), QStringLiteral("Tee"));
        EXPECT_EQ(root->child(1)->text(0), QStringLiteral("Weiche Eier"));
        EXPECT_EQ(root->child(2)->text(0), QStringLiteral("Kurze Pause"));
        EXPECT_EQ(root->child(0)->child(0)->text(0), QStringLiteral("00:03:00"));
        EXPECT_EQ(root->child(0)->child(1)->text(0), QStringLiteral("Ihr Tee ist fertig."));
        form.saveAtSessionEnd();
    }
    EXPECT_TRUE(readBytes(listPath).contains("\tWeiche Eier\r\n\t\t00:07:00\r\n"));

    // Not the first start: a list deleted by the user stays empty.
    ASSERT_TRUE(QFile::remove(listPath));
    {
        TFormMain form;
        EXPECT_EQ(form.findChild<QTreeWidget*>(QStringLiteral("StopTreeView"))
                      ->topLevelItem(0)
                      ->childCount(),
            0);
    }

    // A first start beside an existing list keeps it byte for byte.
    QFile::remove(iniPath());
    const QByteArray own = "Entries\r\n\tMine\r\n\t\t00:00:09\r\n\t\tX\r\n\t\t\r\n\t\t9\r\n";
    writeBytes(listPath, own);
    DialogScript dialogs({chooseLanguage(QStringLiteral("English"))});
    TFormMain form;
    EXPECT_EQ(
        form.findChild<QTreeWidget*>(QStringLiteral("StopTreeView"))->topLevelItem(0)->childCount(),
        1);
    EXPECT_EQ(readBytes(listPath), own);
}

TEST_F(MainWindowStart, ScreenReadersHearTheChosenLanguage)
{
    writeIni("[Language]\r\nFile=German.lng\r\n");
    TFormMain form;
    EXPECT_EQ(spokenTabName(form, TFormMain::DisplayPage), QStringLiteral("Anzeige"));
    EXPECT_EQ(spokenTabName(form, TFormMain::AboutPage), QStringLiteral("Info"));
    // Controls without a caption speak their hint.
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("StartImage"))->accessibleName(),
        QStringLiteral("Countdown starten"));
    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("EintragsKnopf"))->accessibleName(),
        QStringLiteral("Eintrag hinzufügen"));
    EXPECT_EQ(form.findChild<QComboBox*>(QStringLiteral("TopicsCombo"))->accessibleName(),
        QStringLiteral("Countdown auswählen"));
}

TEST_F(MainWindowStart, EmptyLanguageValueAsksAgain)
{
    writeIni("[Language]\r\nFile=\r\n");
    DialogScript dialogs({rejectDialog()});
    TFormMain form;
    EXPECT_EQ(dialogs.shown(), 1);
    EXPECT_EQ(iniBytes(), englishOnly);
}

TEST_F(MainWindowStart, StoredSettingsApplyInAnyLetterCaseAndOffScreenPositionsStay)
{
    writeIni("[LANGUAGE]\r\nfile=German.lng\r\n[general]\r\nOPTION 3=0\r\noption 2 = 0\r\n"
             "LEFT=-5000\r\ntop=0x10\r\n[Messages]\r\nStart color=255\r\nEnd color=junk\r\n");
    DialogScript dialogs;
    TFormMain form;
    EXPECT_EQ(dialogs.shown(), 0);
    EXPECT_EQ(form.pos(), QPoint(-5000, 16));
    EXPECT_FALSE(ProgOptions.GenOptions[3]);
    EXPECT_FALSE(ProgOptions.GenOptions[2]);
    EXPECT_EQ(ProgOptions.LangFile, QStringLiteral("German.lng"));
    EXPECT_EQ(DlgStartColor, 255);
    EXPECT_EQ(DlgEndColor, 16711935); // not a number: the default
    EXPECT_EQ(exitCaption(form), QStringLiteral("Beenden"));
}

TEST_F(MainWindowStart, AlwaysOnTopFollowsTheOption)
{
    writeIni(englishOnly);
    {
        TFormMain form;
        EXPECT_TRUE(form.isTopmost());
    }
    writeIni(englishOnly + "[General]\r\nOption 2=0\r\n");
    TFormMain form;
    EXPECT_FALSE(form.isTopmost());
}

TEST_F(MainWindowStart, AllSixPagesFitTheDesignedWidth)
{
    writeIni(englishOnly);
    TFormMain form;
    form.show();
    auto* pages = form.findChild<TPageControl*>(QStringLiteral("TimerControl"));
    ASSERT_EQ(pages->count(), 6);
    for (int i = 0; i < pages->count(); ++i) {
        const QRect r = pages->tabBar()->tabRect(i);
        EXPECT_TRUE(pages->tabBar()->rect().contains(r)) << i;
        EXPECT_FALSE(pages->tabIcon(i).isNull());
    }
    EXPECT_EQ(pages->tabText(TFormMain::HelpPage), QStringLiteral("Help"));
    EXPECT_EQ(pages->currentIndex(), TFormMain::DisplayPage);
}

TEST_F(MainWindowExit, NoKeepsTheWindowAndChangesNothingOnDisk)
{
    writeIni(englishOnly);
    TFormMain form;
    form.show();
    DialogScript dialogs({clickButton(QStringLiteral("No"))});
    EXPECT_FALSE(form.close());
    EXPECT_EQ(dialogs.texts(), QStringList{"Do you really want to exit the program?"});
    EXPECT_EQ(iniBytes(), englishOnly);
    EXPECT_FALSE(form.suspendTopmost());
}

TEST_F(MainWindowExit, ClosingTheQuestionWindowCountsAsNo)
{
    writeIni(englishOnly);
    TFormMain form;
    DialogScript dialogs({rejectDialog()});
    EXPECT_FALSE(form.close());
    EXPECT_EQ(iniBytes(), englishOnly);
}

TEST_F(MainWindowExit, YesWritesEveryKeyInItsOrder)
{
    writeIni(englishOnly);
    TFormMain form;
    form.move(12, 34);
    DialogScript dialogs({clickButton(QStringLiteral("Yes"))});
    EXPECT_TRUE(form.close());
    EXPECT_EQ(iniBytes(),
        englishOnly
            + "[General]\r\nOption 1=1\r\nOption 2=1\r\nOption 3=1\r\nOption 4=0\r\n"
              "Theme=Standard\r\nLeft=12\r\nTop=34\r\n"
              "[ProgFont]\r\nName=MS Sans Serif\r\nColor=0\r\n"
              "[Messages]\r\nStart color=65535\r\nEnd color=16711935\r\n");
}

TEST_F(MainWindowExit, WithoutTheQuestionClosingSavesAtOnce)
{
    writeIni(englishOnly + "[General]\r\nOption 3=0\r\n");
    TFormMain form;
    DialogScript dialogs;
    EXPECT_TRUE(form.close());
    EXPECT_EQ(dialogs.shown(), 0);
    EXPECT_TRUE(iniBytes().contains("[General]\r\nOption 3=0\r\nOption 1=1\r\n"));
}

namespace {
class MissingDataFolder : public ProgramFolderFixture {
    bool withDataFolder() const override { return false; }
};
} // namespace

TEST_F(MissingDataFolder, WriteErrorsAreShownAndTheWindowStaysOpen)
{
    const QString unable = QStringLiteral("Unable to write to ") + iniPath();
    std::unique_ptr<TFormMain> form;
    {
        DialogScript dialogs({rejectDialog(), acceptDialog()});
        form = std::make_unique<TFormMain>();
        EXPECT_EQ(dialogs.texts().value(1), unable);
    }
    form->show();
    DialogScript dialogs({clickButton(QStringLiteral("Yes")), acceptDialog()});
    EXPECT_FALSE(form->close());
    EXPECT_EQ(dialogs.shown(), 2);
    // The list is saved first; its failure stops the close before the settings.
    EXPECT_EQ(dialogs.texts().value(1),
        QStringLiteral("Cannot create file ")
            + m_home.filePath(QStringLiteral("Data/Timelist.dat")));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(QFile::exists(iniPath()));
}

namespace {
QByteArray garbage(int size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    for (char& c : bytes) {
        seed = seed * 1664525u + 1013904223u; // a fixed sequence, so the test is repeatable
        c = char(seed >> 24);
    }
    return bytes;
}
using BadInput = ProgramFolderFixture;
} // namespace

TEST_F(BadInput, GarbageConfigurationStartsWithDefaultsAndKeepsItsBytes)
{
    const QByteArray junk = garbage(200'000, 7) + "\r\n" + QByteArray(1'000'000, 'x') + "\r\n";
    writeIni(junk);
    DialogScript dialogs({rejectDialog()});
    TFormMain form;
    EXPECT_EQ(dialogs.shown(), 1); // no readable language: the first-start choice
    EXPECT_TRUE(iniBytes().startsWith(junk));
    EXPECT_TRUE(iniBytes().endsWith("[Language]\r\nFile=English.lng\r\n"));
    EXPECT_TRUE(ProgOptions.GenOptions[3]);
}

TEST_F(BadInput, GarbageLanguageScriptLeavesTheWindowInEnglish)
{
    writeBytes(m_home.filePath(QStringLiteral("LScripts/German.lng")),
        garbage(100'000, 3) + QByteArray(100'000, '\n') + "[FormMain\0]\r\nCaption=x");
    writeIni("[Language]\r\nFile=German.lng\r\n");
    TFormMain form;
    EXPECT_EQ(exitCaption(form), QStringLiteral("Exit"));
    EXPECT_EQ(DlgTexts[DlgText::Yes], QStringLiteral("Yes"));
}
