// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The main window's Help, Options and About tabs and the options window they open.
#include "app/FrmMain.h"

#include "ProgramFolderFixture.h"
#include "app/ImageButton.h"
#include "options/CVForm.h"
#include "options/ColorSwatch.h"
#include "platform/PageControl.h"

#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <memory>

using namespace corvane;
using namespace corvane::test;

namespace {

class OptionsTabs : public ProgramFolderFixture {
protected:
    void SetUp() override
    {
        ProgramFolderFixture::SetUp();
        writeIni("[Language]\r\nFile=English.lng\r\n[General]\r\nOption 3=0\r\n");
        writeBytes(m_home.filePath(QStringLiteral("Data/Timelist.dat")),
            "Entries\r\n\tTea\r\n\t\t00:03:00\r\n\t\tTea is ready\r\n\t\t\r\n\t\t180\r\n");
    }
    void TearDown() override
    {
        form.reset();
        ProgramFolderFixture::TearDown();
    }
    void start() { form = std::make_unique<TFormMain>(); }
    TPageControl* tabs() const
    {
        return form->findChild<TPageControl*>(QStringLiteral("TimerControl"));
    }
    // Chooses the tab as the user does; the window it opens is answered by the step.
    void choose(TFormMain::Page page) { tabs()->setCurrentIndex(page); }
    void pressStart()
    {
        auto* start = form->findChild<TImageButton*>(QStringLiteral("StartButton"));
        Q_EMIT start->mouseDown();
        Q_EMIT start->mouseUp();
    }
    QString exitCaption() const
    {
        return form->findChild<QPushButton*>(QStringLiteral("ExitButton"))->text();
    }

    std::unique_ptr<TFormMain> form;
};

// A step for the options window: looks at it, changes what `change` changes, closes it.
DialogScript::Step inOptionsWindow(std::function<void(TCorvaneForm&)> change)
{
    return [change](QDialog& d) {
        auto* window = dynamic_cast<TCorvaneForm*>(&d);
        ASSERT_NE(window, nullptr) << d.objectName().toStdString();
        change(*window);
        window->close();
    };
}

void chooseLanguage(TCorvaneForm& w, const char* file)
{
    auto* list = w.findChild<QListWidget*>(QStringLiteral("LngListBox"));
    list->setCurrentItem(list->findItems(QLatin1String(file), Qt::MatchExactly).value(0));
}

TPageControl* pagesOf(TCorvaneForm& w)
{
    return w.findChild<TPageControl*>(QStringLiteral("CVControl"));
}

} // namespace

TEST_F(OptionsTabs, ClosingFromTheOptionsTabSavesAndReappliesTheSettings)
{
    start();
    int shownPage = -1;
    bool suspended = false;
    DialogScript dialogs({inOptionsWindow([&](TCorvaneForm& w) {
        shownPage = pagesOf(w)->currentIndex();
        suspended = form->suspendTopmost();
        chooseLanguage(w, "German.lng");
    })});
    choose(TFormMain::OptionsPage);
    EXPECT_EQ(dialogs.shown(), 1);
    EXPECT_EQ(shownPage, TCorvaneForm::OptionsPage);
    EXPECT_TRUE(suspended);
    EXPECT_FALSE(form->suspendTopmost());
    EXPECT_TRUE(iniBytes().contains("File=German.lng"));
    EXPECT_EQ(exitCaption(), QStringLiteral("Beenden"));
    EXPECT_EQ(tabs()->currentIndex(), TFormMain::DisplayPage);
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::none_of(windows.begin(), windows.end(),
        [](QWidget* w) { return dynamic_cast<TCorvaneForm*>(w) != nullptr; }));
}

TEST_F(OptionsTabs, ClosingFromHelpOrAboutKeepsChangesInMemoryOnly)
{
    start();
    const QByteArray before = iniBytes();
    for (TFormMain::Page page : {TFormMain::HelpPage, TFormMain::AboutPage}) {
        int shownPage = -1;
        DialogScript dialogs({inOptionsWindow([&](TCorvaneForm& w) {
            shownPage = pagesOf(w)->currentIndex();
            chooseLanguage(w, "German.lng");
        })});
        choose(page);
        EXPECT_EQ(shownPage,
            page == TFormMain::HelpPage ? TCorvaneForm::HelpPage : TCorvaneForm::AboutPage);
    }
    EXPECT_EQ(iniBytes(), before);
    EXPECT_EQ(exitCaption(), QStringLiteral("Exit")); // re-translated only by the next load
    EXPECT_EQ(ProgOptions.LangFile, QStringLiteral("German.lng"));
    EXPECT_EQ(tabs()->currentIndex(), TFormMain::DisplayPage);
}

TEST_F(OptionsTabs, NoOptionsWhileACountdownRuns)
{
    start();
    pressStart();
    ASSERT_TRUE(form->countdownRunning());
    {
        DialogScript dialogs;
        choose(TFormMain::OptionsPage);
        EXPECT_EQ(dialogs.shown(), 0);
        EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("OptionStartPanel"))->text(),
            QStringLiteral("No access while countdown runs!"));
    }
    bool optionsVisible = true;
    int shownPage = -1;
    DialogScript dialogs({inOptionsWindow([&](TCorvaneForm& w) {
        optionsVisible = pagesOf(w)->isTabVisible(TCorvaneForm::OptionsPage);
        shownPage = pagesOf(w)->currentIndex();
    })});
    choose(TFormMain::HelpPage);
    EXPECT_FALSE(optionsVisible);
    EXPECT_EQ(shownPage, TCorvaneForm::HelpPage);
}

TEST_F(OptionsTabs, ANewMessageColourReachesTheNextDialogAndSurvivesARestart)
{
    start();
    DialogScript dialogs(
        {inOptionsWindow([](TCorvaneForm& w) {
             Q_EMIT w.findChild<TColorSwatch*>(QStringLiteral("MStartColor"))->colorRequested();
         }),
            [](QDialog& d) {
                qobject_cast<QColorDialog*>(&d)->setCurrentColor(QColor(0, 128, 0));
                d.accept();
            }});
    choose(TFormMain::OptionsPage);
    EXPECT_EQ(dialogs.shown(), 2);
    EXPECT_EQ(DlgStartColor, rgbColor(0, 128, 0));
    EXPECT_TRUE(iniBytes().contains("Start color=32768")) << iniBytes().toStdString();

    form.reset();
    DlgStartColor = defaultMsgStartColor;
    start();
    EXPECT_EQ(DlgStartColor, rgbColor(0, 128, 0));
}
