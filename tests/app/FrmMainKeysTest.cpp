// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The main window from the keyboard: the Display page's buttons pressed with Space and Enter,
// the page keys, Tab through every page, and what a screen reader hears there.
#include "app/FrmMain.h"

#include "ClockedMainWindow.h"
#include "FocusChain.h"
#include "app/ImageButton.h"
#include "options/CVForm.h"
#include "platform/PageControl.h"
#include "platform/Timer.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace corvane;
using namespace corvane::test;

namespace {

class MainWindowKeys : public ClockedMainWindow {
protected:
    void SetUp() override
    {
        ClockedMainWindow::SetUp();
        prepare("Entries\r\n\tTea\r\n\t\t00:00:03\r\n\t\tTea is ready\r\n\t\t\r\n\t\t3\r\n");
    }
    // Shortcuts and Tab reach the active window only.
    void start()
    {
        form = std::make_unique<TFormMain>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    template <typename W> W* child(const char* name) const
    {
        W* w = form->findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    TImageButton* button(const char* name) const { return child<TImageButton>(name); }
    TPageControl* tabs() const { return child<TPageControl>("TimerControl"); }
    TTimer* timer() const { return child<TTimer>("Timer1"); }
    QString display() const { return child<QLabel>("ZeitAnzeigePanel")->text(); }
    // Presses the key on the control with the focus on it, as the keyboard does.
    void key(const char* control, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* w = child<QWidget>(control);
        w->setFocus();
        QTest::keyClick(w, k, modifiers);
    }
    void tick(int ms)
    {
        m_now = m_now.addMSecs(ms);
        if (timer()->isActive())
            QMetaObject::invokeMethod(timer(), "timeout");
    }
    QString spoken(const char* control) const
    {
        return QAccessible::queryAccessibleInterface(child<QWidget>(control))
            ->text(QAccessible::Name);
    }
    static QString keyName(QKeyCombination key)
    {
        return QKeySequence(key).toString(QKeySequence::NativeText);
    }

    std::unique_ptr<TFormMain> form;
};

DialogScript::Step inOptionsWindow(std::function<void(TCorvaneForm&)> look)
{
    return [look](QDialog& d) {
        auto* window = dynamic_cast<TCorvaneForm*>(&d);
        ASSERT_NE(window, nullptr);
        look(*window);
        window->close();
    };
}

int optionsPageOf(TCorvaneForm& w)
{
    return w.findChild<TPageControl*>(QStringLiteral("CVControl"))->currentIndex();
}

} // namespace

TEST_F(MainWindowKeys, SpaceAndEnterRunPauseAndStopACountdownAsClicksDo)
{
    start();
    auto* startButton = button("StartButton");
    startButton->setFocus();
    // Space is down on press and up on release, as the mouse's button: the countdown starts
    // as the key is let go.
    QTest::keyPress(startButton, Qt::Key_Space);
    EXPECT_TRUE(startButton->isDown());
    EXPECT_FALSE(timer()->isActive());
    QTest::keyRelease(startButton, Qt::Key_Space);
    EXPECT_TRUE(timer()->isActive());
    tick(1000);
    EXPECT_EQ(display(), QStringLiteral("00:00:02"));

    key("PauseButton", Qt::Key_Return);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_FALSE(startButton->isDown());
    EXPECT_TRUE(button("PauseButton")->isDown());
    tick(5000); // a paused countdown keeps its time

    key("StartButton", Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(timer()->isActive());
    EXPECT_FALSE(button("PauseButton")->isDown());
    tick(1000);
    EXPECT_EQ(display(), QStringLiteral("00:00:01"));

    key("StopButton", Qt::Key_Space);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(display(), QStringLiteral("00:00:03")); // the chosen entry, ready again
    for (const char* name : {"StartButton", "PauseButton", "StopButton"})
        EXPECT_EQ(button(name)->look(), TImageButton::Look::Up) << name;
}

TEST_F(MainWindowKeys, TheAlarmIsAnAlertAndLeavesPauseDeafToItsKeys)
{
    start();
    QAccessible::Role role = QAccessible::NoRole;
    DialogScript dialogs({[&](QDialog& d) {
        role = QAccessible::queryAccessibleInterface(&d)->role();
        d.accept();
    }});
    key("StartButton", Qt::Key_Return);
    for (int n = 0; n < 40 && dialogs.shown() == 0; ++n)
        tick(100);
    ASSERT_EQ(dialogs.shown(), 1);
    EXPECT_EQ(role, QAccessible::AlertMessage);
    EXPECT_FALSE(button("PauseButton")->isGlyphEnabled());
    key("PauseButton", Qt::Key_Space);
    key("PauseButton", Qt::Key_Return);
    EXPECT_EQ(button("PauseButton")->look(), TImageButton::Look::Up);
    EXPECT_TRUE(button("StartButton")->isDown()); // ended, until Stop
    key("StopButton", Qt::Key_Return);
    EXPECT_FALSE(button("StartButton")->isDown());
}

TEST_F(MainWindowKeys, CtrlDigitsAndF1ChooseThePagesAsTheirTabsDo)
{
    start();
    QWidget* focus = child<QWidget>("TopicsCombo");
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), TFormMain::EnterPage);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), TFormMain::ListPage);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), TFormMain::DisplayPage);
    // Ctrl+Tab and Ctrl+PageUp/PageDown step through the tabs also from a chooser or a spin
    // box, which keep these keys from the page control.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), TFormMain::EnterPage);
    key("StundenZahl", Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), TFormMain::ListPage);
    EXPECT_EQ(child<QSpinBox>("StundenZahl")->value(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(
        QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs()->currentIndex(), TFormMain::DisplayPage);

    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int page;
    } windowKeys[] = {{Qt::Key_4, Qt::ControlModifier, TCorvaneForm::HelpPage},
        {Qt::Key_5, Qt::ControlModifier, TCorvaneForm::OptionsPage},
        {Qt::Key_6, Qt::ControlModifier, TCorvaneForm::AboutPage},
        {Qt::Key_F1, Qt::NoModifier, TCorvaneForm::HelpPage}};
    for (const auto& k : windowKeys) {
        int shown = -1;
        DialogScript dialogs({inOptionsWindow([&](TCorvaneForm& w) { shown = optionsPageOf(w); })});
        // The window manager gives the focus back after the options window.
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form->focusWidget() ? form->focusWidget() : form.get(), k.key, k.modifiers);
        EXPECT_EQ(dialogs.shown(), 1) << k.key;
        EXPECT_EQ(shown, k.page) << k.key;
        EXPECT_EQ(tabs()->currentIndex(), TFormMain::DisplayPage) << k.key;
    }
}

TEST_F(MainWindowKeys, TabReachesEveryControlOfEveryPage)
{
    start();
    for (TFormMain::Page page :
        {TFormMain::DisplayPage, TFormMain::EnterPage, TFormMain::ListPage}) {
        form->setActivePage(page);
        EXPECT_EQ(passedByTab(form.get()), QStringList()) << page;
        const QList<QWidget*> controls = workingControls(form.get());
        tabs()->tabBar()->setFocus();
        const QList<QWidget*> reached = tabWalk(int(controls.size()) + 4);
        for (QWidget* control : controls)
            EXPECT_TRUE(reachedByTab(control, reached))
                << page << ' ' << control->objectName().toStdString();
    }
    // On the Display page Tab goes from the chooser through the time to the three buttons.
    form->setActivePage(TFormMain::DisplayPage);
    child<QWidget>("TopicsCombo")->setFocus();
    QStringList order;
    for (QWidget* w : tabWalk(5))
        order << w->objectName();
    EXPECT_EQ(order,
        QStringList(
            {"TopicsCombo", "ZeitAnzeigePanel", "StartButton", "PauseButton", "StopButton"}));
}

TEST_F(MainWindowKeys, TheTimeDisplaySaysTheTimeLeftAsItGetsTheFocus)
{
    start();
    auto* time = child<QLabel>("ZeitAnzeigePanel");
    key("StartButton", Qt::Key_Return);
    tick(1000);
    time->setFocus();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(time);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Time left"));
    EXPECT_EQ(a->text(QAccessible::Description), QStringLiteral("00:00:02"));
    // Only a new focus tells the reader again, so it does not talk every second.
    tick(1000);
    EXPECT_EQ(a->text(QAccessible::Description), QStringLiteral("00:00:02"));
    button("StartButton")->setFocus();
    time->setFocus();
    EXPECT_EQ(a->text(QAccessible::Description), QStringLiteral("00:00:01"));
}

TEST_F(MainWindowKeys, ScreenReadersAndHintsFollowASwitchOfLanguage)
{
    start();
    EXPECT_EQ(spoken("StartButton"), QStringLiteral("Start countdown"));
    EXPECT_EQ(spoken("StundenZahl"), QStringLiteral("Hours"));
    // In the language of the run: Qt's own translation names the keys.
    const auto pressKeys = [] {
        return QLatin1String(" (") + keyName(Qt::Key_Space) + ", " + keyName(Qt::Key_Return) + ')';
    };
    // Switched to German and back: the hints carry the keys once, the names never.
    for (const char* language : {"German.lng", "English.lng"}) {
        DialogScript dialogs({inOptionsWindow([&](TCorvaneForm& w) {
            auto* list = w.findChild<QListWidget*>(QStringLiteral("LngListBox"));
            list->setCurrentItem(
                list->findItems(QLatin1String(language), Qt::MatchExactly).value(0));
        })});
        tabs()->setCurrentIndex(TFormMain::OptionsPage);
        ASSERT_EQ(dialogs.shown(), 1);
    }
    EXPECT_EQ(
        child<QLabel>("StartImage")->toolTip(), QStringLiteral("Start countdown") + pressKeys());
    // The root is written to the list file, so it keeps the language it was loaded in.
    EXPECT_EQ(
        child<QTreeWidget>("StopTreeView")->topLevelItem(0)->text(0), QStringLiteral("Entries"));

    DialogScript german({inOptionsWindow([](TCorvaneForm& w) {
        auto* list = w.findChild<QListWidget*>(QStringLiteral("LngListBox"));
        list->setCurrentItem(
            list->findItems(QStringLiteral("German.lng"), Qt::MatchExactly).value(0));
    })});
    tabs()->setCurrentIndex(TFormMain::OptionsPage);
    const struct {
        const char* control;
        const char* name;
    } names[] = {{"StartButton", "Countdown starten"}, {"PauseButton", "Countdown anhalten"},
        {"StopButton", "Countdown beenden"}, {"StartImage", "Countdown starten"},
        {"ZeitAnzeigePanel", "Verbleibende Zeit"}, {"StundenZahl", "Stunden"},
        {"Minutenzahl", "Minuten"}, {"Sekundenzahl", "Sekunden"}, {"USchriftEdit", "Titel"},
        {"TextZeile", "Meldung"}, {"Klangzeile", "Klangdatei"}, {"StopTreeView", "Countdowns"},
        {"EintragsKnopf", "Eintrag hinzufügen"}};
    for (const auto& n : names)
        EXPECT_EQ(spoken(n.control), QString::fromUtf8(n.name)) << n.control;
    EXPECT_EQ(
        child<QLabel>("StartImage")->toolTip(), QStringLiteral("Countdown starten") + pressKeys());
    EXPECT_EQ(tabs()->tabToolTip(TFormMain::DisplayPage),
        QStringLiteral("Anzeige (") + keyName(Qt::CTRL | Qt::Key_1) + ')');
    EXPECT_EQ(tabs()->tabToolTip(TFormMain::HelpPage),
        QStringLiteral("Hilfe (") + keyName(Qt::CTRL | Qt::Key_4) + ", " + keyName(Qt::Key_F1)
            + ')');
}
