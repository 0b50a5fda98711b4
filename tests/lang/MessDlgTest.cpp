// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/MessDlg.h"

#include "FocusChain.h"
#include "TestSupport.h"
#include "lang/GradientRows.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>
#include <gtest/gtest.h>

using namespace corvane;
using corvane::test::DialogScript;

namespace {

class MessDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DlgTexts.fill(QString());
        DlgStartColor = 65535;
        DlgEndColor = 16711935;
    }
};

QStringList visibleButtonTexts(QDialog& d)
{
    QStringList texts;
    for (QAbstractButton* b : d.findChildren<QAbstractButton*>()) {
        if (b->isVisible())
            texts << b->text();
    }
    texts.sort();
    return texts;
}

void pressKey(QDialog& d, int key)
{
    QWidget* target = d.focusWidget() ? d.focusWidget() : &d;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

DialogScript::Step key(int k)
{
    return [k](QDialog& d) { pressKey(d, k); };
}

DialogScript::Step closeBox()
{
    return [](QDialog& d) { d.close(); };
}

struct KindCase {
    const char* name;
    QString kind, title;
    QMessageBox::Icon icon;
    QString expectedTitle;
    QStringList buttons;
};

const KindCase kindCases[] = {
    {"Confirmation", "C", "", QMessageBox::Question, "Confirmation", {"No", "Yes"}},
    {"LowerCaseConfirmation", "confirm", "", QMessageBox::Question, "Confirmation", {"No", "Yes"}},
    {"Information", "I", "", QMessageBox::Information, "Information", {"OK"}},
    {"Warning", "w", "", QMessageBox::Warning, "Warning", {"OK"}},
    {"Other", "x", "", QMessageBox::Information, "Information", {"OK"}},
    {"EmptyKind", "", "", QMessageBox::Information, "Information", {"OK"}},
    {"GivenTitle", "I", "Timer Alarm", QMessageBox::Information, "Timer Alarm", {"OK"}},
};

class MsgDialogKind : public MessDlgTest, public ::testing::WithParamInterface<KindCase> { };

TEST_P(MsgDialogKind, IconTitleAndButtons)
{
    const KindCase& c = GetParam();
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool onTop = false, plainText = false;
    DialogScript script({[&](QDialog& d) {
        icon = qobject_cast<QMessageBox*>(&d)->icon();
        // Markup in a countdown's message is shown as typed.
        plainText = d.findChild<QLabel*>("qt_msgbox_label")->textFormat() == Qt::PlainText;
        buttons = visibleButtonTexts(d);
        onTop = d.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        pressKey(d, Qt::Key_Return);
    }});
    EXPECT_TRUE(MsgDialog("<b>The text</b>", c.title, c.kind));
    EXPECT_EQ(script.titles(), QStringList{c.expectedTitle});
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(buttons, c.buttons);
    EXPECT_TRUE(onTop);
    EXPECT_TRUE(plainText);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MsgDialogKind, ::testing::ValuesIn(kindCases),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(MessDlgTest, CaptionsComeFromDlgTextsAndEmptyOnesFallBackToEnglish)
{
    DlgTexts[DlgText::Yes] = "Ja";
    DlgTexts[DlgText::No] = "Nein";
    DlgTexts[DlgText::Confirmation] = "Bestätigung";
    QStringList buttons;
    DialogScript script({[&](QDialog& d) {
                             buttons = visibleButtonTexts(d);
                             d.reject();
                         },
        corvane::test::clickButton("OK")});
    MsgDialog("Sicher?", "", "C");
    MsgDialog("Note", "", "I");
    EXPECT_EQ(buttons, (QStringList{"Ja", "Nein"}));
    EXPECT_EQ(script.titles(), (QStringList{"Bestätigung", "Information"}));
    EXPECT_EQ(DlgTexts[DlgText::OK], "OK");
}

// A short message must not make the box too narrow for its title beside a window manager's
// icon and buttons; a long title does not make it wider than half the screen.
TEST_F(MessDlgTest, AShortMessageLeavesRoomForTheTitle)
{
    QList<int> widths;
    QList<int> titleWidths;
    const auto measure = [&](QDialog& d) {
        QFont bold = d.font();
        bold.setBold(true);
        widths << d.width();
        titleWidths << QFontMetrics(bold).horizontalAdvance(d.windowTitle());
        d.accept();
    };
    DialogScript script({measure, measure});
    MsgDialog("Tea", "Corvane Alarm", "I");
    MsgDialog("Tea", QString(400, u'W'), "I");
    ASSERT_EQ(widths.size(), 2);
    EXPECT_GE(widths[0], titleWidths[0] + 120);
    EXPECT_LT(widths[1], titleWidths[1]);
}

struct AnswerCase {
    const char* name;
    QString kind;
    std::function<void(QDialog&)> step;
    bool expected;
};

const AnswerCase answerCases[] = {
    {"ConfirmEnterIsYes", "C", key(Qt::Key_Return), true},
    {"ConfirmYesButton", "C", corvane::test::clickButton("Yes"), true},
    {"ConfirmEscapeIsNo", "C", key(Qt::Key_Escape), false},
    {"ConfirmNoButton", "C", corvane::test::clickButton("No"), false},
    {"ConfirmCloseBoxIsNo", "C", closeBox(), false},
    {"InformationEnter", "I", key(Qt::Key_Enter), true},
    {"InformationEscapePressesOk", "I", key(Qt::Key_Escape), true},
    {"InformationCloseBoxIsCancel", "I", closeBox(), false},
};

class MsgDialogAnswer : public MessDlgTest, public ::testing::WithParamInterface<AnswerCase> { };

TEST_P(MsgDialogAnswer, Result)
{
    DialogScript script({GetParam().step});
    EXPECT_EQ(MsgDialog("Question", "", GetParam().kind), GetParam().expected);
    EXPECT_EQ(script.shown(), 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, MsgDialogAnswer, ::testing::ValuesIn(answerCases),
    [](const auto& p) { return std::string(p.param.name); });

DialogScript::Step typeThen(const QString& text, DialogScript::Step then)
{
    return [text, then](QDialog& d) {
        d.findChild<QLineEdit*>("InputEdit")->setText(text);
        then(d);
    };
}

TEST_F(MessDlgTest, InputDialogAnswers)
{
    DialogScript script({typeThen("abc", key(Qt::Key_Return)),
        typeThen("abc", corvane::test::clickButton("OK")), typeThen("abc", key(Qt::Key_Escape)),
        typeThen("abc", corvane::test::clickButton("Cancel")), typeThen("abc", closeBox())});
    EXPECT_EQ(InputDialog("Name:"), "abc");
    EXPECT_EQ(InputDialog("Name:"), "abc");
    EXPECT_EQ(InputDialog("Name:"), "");
    EXPECT_EQ(InputDialog("Name:"), "");
    EXPECT_EQ(InputDialog("Name:"), "");
    EXPECT_EQ(script.titles(), QStringList(5, "Input"));
}

DialogScript::Step pickThen(int row, DialogScript::Step then)
{
    return [row, then](QDialog& d) {
        if (row >= 0)
            d.findChild<QListWidget*>("SelectListBox")->setCurrentRow(row);
        then(d);
    };
}

TEST_F(MessDlgTest, SelectDialogAnswers)
{
    const QString choices = "English,\"Deutsch (Schweiz)\",Fran\u00e7ais";
    DialogScript script({pickThen(-1, key(Qt::Key_Return)), pickThen(1, key(Qt::Key_Escape)),
        pickThen(2, corvane::test::clickButton("OK")), pickThen(1, closeBox())});
    EXPECT_EQ(SelectDialog("Please select language:", choices), "English");
    EXPECT_EQ(SelectDialog("Please select language:", choices), "Deutsch (Schweiz)");
    EXPECT_EQ(SelectDialog("Please select language:", choices), "Fran\u00e7ais");
    // Closing the window is Cancel: the user did not choose, even with an entry selected.
    EXPECT_EQ(SelectDialog("Please select language:", choices), "");
}

TEST_F(MessDlgTest, SelectDialogWithNoChoicesReturnsEmpty)
{
    int count = -1;
    DialogScript script({[&](QDialog& d) {
        count = d.findChild<QListWidget*>("SelectListBox")->count();
        pressKey(d, Qt::Key_Return);
    }});
    EXPECT_EQ(SelectDialog("Please select language:", ""), "");
    EXPECT_EQ(count, 0);
}

struct Placement {
    QRect label, field, dialog;
    QList<QRect> buttons;
    bool wrapped = false;
    int labelHint = 0;
    QWidget* focus = nullptr;
    QWidget* fieldWidget = nullptr;
};

template <typename Field> DialogScript::Step measure(Placement& p, const char* fieldName)
{
    return [&p, fieldName](QDialog& d) {
        const auto* label = d.findChild<QLabel*>("qt_msgbox_label");
        auto* field = d.findChild<Field*>(fieldName);
        p.label = QRect(label->mapTo(&d, QPoint()), label->size());
        p.wrapped = label->wordWrap();
        p.field = QRect(field->mapTo(&d, QPoint()), field->size());
        p.dialog = d.geometry();
        p.focus = d.focusWidget();
        p.fieldWidget = field;
        for (QAbstractButton* b : d.findChildren<QAbstractButton*>())
            p.buttons << QRect(b->mapTo(&d, QPoint()), b->size());
        d.reject();
    };
}

TEST_F(MessDlgTest, InputDialogGeometryWithShortAndLongPrompt)
{
    Placement shortP, longP;
    DialogScript script(
        {measure<QLineEdit>(shortP, "InputEdit"), measure<QLineEdit>(longP, "InputEdit")});
    InputDialog("Name:");
    InputDialog("Please enter a rather long text that cannot possibly fit on one line of a "
                "dialog three hundred pixels wide:");
    for (const Placement* p : {&shortP, &longP}) {
        EXPECT_EQ(p->dialog.width(), 300);
        EXPECT_EQ(p->field.x(), 10);
        EXPECT_EQ(p->label.x(), 10);
        EXPECT_EQ(p->field.width(), 270);
        EXPECT_EQ(p->field.y(), p->label.y() + p->label.height() + 20);
        EXPECT_EQ(p->dialog.height(), p->field.y() + 100);
        EXPECT_LE(p->label.right(), 300);
        EXPECT_EQ(p->focus, p->fieldWidget);
        ASSERT_EQ(p->buttons.size(), 2);
        for (const QRect& b : p->buttons) {
            EXPECT_EQ(b.y(), p->field.y() + p->field.height() + 20);
            EXPECT_LE(b.y() + b.height(), p->dialog.height());
        }
    }
    EXPECT_FALSE(shortP.wrapped);
    EXPECT_LT(shortP.label.width(), 270);
    EXPECT_TRUE(longP.wrapped);
    EXPECT_EQ(longP.label.width(), 270);
    EXPECT_GT(longP.label.height(), 2 * shortP.label.height());
    EXPECT_GT(longP.field.y(), shortP.field.y());
}

TEST_F(MessDlgTest, SelectDialogGeometry)
{
    Placement p;
    DialogScript script({measure<QListWidget>(p, "SelectListBox")});
    SelectDialog("Please select language:", "a,b");
    EXPECT_EQ(p.field, QRect(10, p.label.y() + p.label.height() + 20, 270, 80));
    ASSERT_EQ(p.buttons.size(), 1);
    const QRect ok = p.buttons[0];
    EXPECT_EQ(ok.topLeft(), QPoint(150 - ok.width() / 2 - 5, p.field.y() + 100));
    EXPECT_EQ(p.dialog.size(), QSize(300, p.field.y() + 160));
    EXPECT_NE(p.focus, p.fieldWidget);
}

TEST_F(MessDlgTest, GradientLiesBehindEverythingAndDialogIsCentred)
{
    QImage picture;
    bool lowest = false, labelOpaque = false, centred = false;
    DialogScript script({[&](QDialog& d) {
        const auto* gradient = d.findChild<QLabel*>("GradientPicture");
        picture = gradient->pixmap().toImage();
        lowest = gradient->geometry() == d.rect()
            && d.children().indexOf(const_cast<QLabel*>(gradient)) == 0;
        labelOpaque = d.findChild<QLabel*>("qt_msgbox_label")->autoFillBackground();
        const QRect screen = d.screen()->availableGeometry();
        centred = (d.frameGeometry().center() - screen.center()).manhattanLength() <= 2;
        d.accept();
    }});
    MsgDialog("Gradient", "", "I");
    ASSERT_FALSE(picture.isNull());
    const int h = picture.height();
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(255, 255, 0));
    const RgbTriple last = gradientRow({255, 255, 0}, {255, 0, 255}, h, h - 1);
    EXPECT_EQ(
        picture.pixelColor(picture.width() - 1, h - 1), QColor(last.red, last.green, last.blue));
    EXPECT_TRUE(lowest);
    EXPECT_TRUE(labelOpaque);
    EXPECT_TRUE(centred);
}

TEST(FillGradient, ResolvesSystemColoursAndFillsEveryRow)
{
    QLabel picture;
    picture.resize(7, 4);
    const QColor face = QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
    FillGradient(&picture, TColor(0x8000000F), rgbColor(0, 0, 0));
    const QImage image = picture.pixmap().toImage();
    ASSERT_EQ(image.size(), QSize(7, 4));
    const RgbTriple start{face.red(), face.green(), face.blue()};
    for (int y = 0; y < 4; ++y) {
        const RgbTriple c = gradientRow(start, {0, 0, 0}, 4, y);
        EXPECT_EQ(image.pixelColor(0, y), QColor(c.red, c.green, c.blue)) << y;
        EXPECT_EQ(image.pixelColor(6, y), image.pixelColor(0, y)) << y;
    }
}

} // namespace

TEST_F(MessDlgTest, TabReachesEveryPartOfEveryDialogAndAMessageIsAnAlert)
{
    QList<QStringList> parts;
    QList<QAccessible::Role> roles;
    const auto look = [&](QDialog& d) {
        EXPECT_EQ(corvane::test::passedByTab(&d), QStringList()) << d.windowTitle().toStdString();
        QStringList names;
        for (QWidget* w : corvane::test::workingControls(&d))
            names << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                : w->objectName());
        parts << names;
        roles << QAccessible::queryAccessibleInterface(&d)->role();
        d.reject();
    };
    DialogScript dialogs({look, look, look});
    MsgDialog(QStringLiteral("Sure?"), QString(), DlgKind::Confirmation);
    InputDialog(QStringLiteral("Name:"));
    SelectDialog(QStringLiteral("Language:"), QStringLiteral("English,German"));
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(parts[0].count(QStringLiteral("QPushButton")), 2); // Yes and No
    EXPECT_TRUE(parts[1].contains(QStringLiteral("InputEdit")));
    EXPECT_EQ(parts[1].count(QStringLiteral("QPushButton")), 2); // OK and Cancel
    EXPECT_TRUE(parts[2].contains(QStringLiteral("SelectListBox")));
    // A screen reader announces a message as an alert when it shows.
    EXPECT_EQ(roles[0], QAccessible::AlertMessage);
}
