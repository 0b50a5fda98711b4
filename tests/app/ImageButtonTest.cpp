// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// An image button pressed by keys and by a screen reader gives the mouse's signals, no more.
#include "app/ImageButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCoreApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

using namespace corvane;

namespace {

// The button's signals as letters: D for mouseDown, U for mouseUp.
class KeyedButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        button.setPressableByKeys(true);
        QObject::connect(&button, &TImageButton::mouseDown, [this] { log += u'D'; });
        QObject::connect(&button, &TImageButton::mouseUp, [this] { log += u'U'; });
    }
    // Whether the button took the key.
    bool send(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
        bool autoRepeat = false)
    {
        QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
        QCoreApplication::sendEvent(&button, &event);
        return event.isAccepted();
    }
    bool press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false)
    {
        return send(QEvent::KeyPress, key, modifiers, repeat);
    }
    bool release(int key, bool repeat = false)
    {
        return send(QEvent::KeyRelease, key, Qt::NoModifier, repeat);
    }
    QAccessibleInterface* accessible() { return QAccessible::queryAccessibleInterface(&button); }

    TImageButton button{QStringLiteral("Start"), nullptr};
    QString log;
};

} // namespace

TEST_F(KeyedButton, SpaceGoesDownOnPressAndUpOnReleaseHowEverLongItIsHeld)
{
    EXPECT_TRUE(press(Qt::Key_Space));
    EXPECT_EQ(log, QStringLiteral("D"));
    // A held key repeats as presses and releases marked as repeats.
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(release(Qt::Key_Space, true));
        EXPECT_TRUE(press(Qt::Key_Space, Qt::NoModifier, true));
    }
    EXPECT_EQ(log, QStringLiteral("D"));
    // Enter while Space is held adds no press of its own.
    press(Qt::Key_Return);
    EXPECT_TRUE(release(Qt::Key_Space));
    EXPECT_EQ(log, QStringLiteral("DU"));
    release(Qt::Key_Space); // a stray release presses nothing
    EXPECT_EQ(log, QStringLiteral("DU"));
}

TEST_F(KeyedButton, EnterAndReturnPressAtOnceAndModifiedKeysAreLeftToOthers)
{
    EXPECT_TRUE(press(Qt::Key_Return));
    EXPECT_TRUE(press(Qt::Key_Enter, Qt::KeypadModifier));
    EXPECT_EQ(log, QStringLiteral("DUDU"));
    EXPECT_TRUE(press(Qt::Key_Return, Qt::NoModifier, true));
    EXPECT_EQ(log, QStringLiteral("DUDU"));
    // Ctrl+Tab and Ctrl+Return belong to the page control and the window.
    EXPECT_FALSE(press(Qt::Key_Space, Qt::ShiftModifier));
    EXPECT_FALSE(press(Qt::Key_Return, Qt::ControlModifier));
    EXPECT_FALSE(press(Qt::Key_Tab, Qt::ControlModifier));
    EXPECT_EQ(log, QStringLiteral("DUDU"));
}

TEST_F(KeyedButton, ADisabledGlyphIgnoresKeysAndScreenReadersAsItIgnoresTheMouse)
{
    press(Qt::Key_Space);
    button.setGlyphEnabled(false); // the alarm came while Space was held
    release(Qt::Key_Space);
    press(Qt::Key_Return);
    press(Qt::Key_Space);
    release(Qt::Key_Space);
    accessible()->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(log, QStringLiteral("D"));
    EXPECT_TRUE(accessible()->state().disabled);
    EXPECT_FALSE(accessible()->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
}

TEST_F(KeyedButton, TheFocusLeavingWithSpaceHeldLetsGoAsAMouseButtonIsLetGo)
{
    press(Qt::Key_Space);
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(&button, &out);
    EXPECT_EQ(log, QStringLiteral("DU"));
    release(Qt::Key_Space); // lands elsewhere in truth; here it must not press again
    EXPECT_EQ(log, QStringLiteral("DU"));
}

TEST_F(KeyedButton, AScreenReaderSeesAPushButtonPressedWhileTheBevelIsDown)
{
    QAccessibleInterface* a = accessible();
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_TRUE(a->state().focusable);
    EXPECT_FALSE(a->state().pressed);
    button.setLook(TImageButton::Look::Down);
    EXPECT_TRUE(a->state().pressed);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(log, QStringLiteral("DU"));
    EXPECT_FALSE(a->actionInterface()
                     ->keyBindingsForAction(QAccessibleActionInterface::pressAction())
                     .isEmpty());
}

TEST(PictureOnlyButton, TakesNoFocusAndIsNoPushButton)
{
    // The theme preview's buttons only show the pictures.
    TImageButton preview(QStringLiteral("Stop"), nullptr);
    EXPECT_EQ(preview.focusPolicy(), Qt::NoFocus);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&preview);
    EXPECT_NE(a->role(), QAccessible::Button);
    EXPECT_FALSE(
        a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}
