// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/TransProg.h"

#include "TestSupport.h"
#include "platform/PageControl.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace corvane;

namespace {

// A window with one control of every kind a script can address.
class SampleForm : public QWidget {
public:
    SampleForm()
    {
        setObjectName(QStringLiteral("SampleForm"));
        setWindowTitle(QStringLiteral("Designed title"));
        pages = add<TPageControl>("Pages");
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("FirstSheet"));
        pages->addTab(page, QStringLiteral("First"));
        label = add<QLabel>("Label1", page);
        label->setText(QStringLiteral("Label"));
        button = add<QPushButton>("Button1");
        button->setText(QStringLiteral("Press"));
        button->setToolTip(QStringLiteral("Designed tip"));
        checks = add<QListWidget>("GenOptCheckBox");
        for (int i = 0; i < 4; ++i) {
            auto* item = new QListWidgetItem(QStringLiteral("Option %1").arg(i + 1), checks);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(i % 2 ? Qt::Checked : Qt::Unchecked);
        }
        // Plain items: Qt makes them user-checkable, yet they carry no marks.
        list = add<QListWidget>("LngListBox");
        list->addItems(
            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
        emptyChecks = add<QListWidget>("EmptyCheckBox");
        emptyChecks->setProperty(CheckListBoxProperty, true);
        combo = add<QComboBox>("Combo1");
        combo->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        combo->setCurrentIndex(2);
        view = add<QTreeWidget>("View1");
        view->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Size")});
        memo = add<QPlainTextEdit>("Memo1");
        memo->setPlainText(QStringLiteral("designed"));
    }

    template <typename W> W* add(const char* name, QWidget* parent = nullptr)
    {
        auto* w = new W(parent ? parent : this);
        w->setObjectName(QLatin1String(name));
        return w;
    }

    TPageControl* pages;
    QLabel* label;
    QPushButton* button;
    QListWidget* checks;
    QListWidget* list;
    QListWidget* emptyChecks;
    QComboBox* combo;
    QTreeWidget* view;
    QPlainTextEdit* memo;
};

class TranslateFormTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    void TearDown() override { LangScriptPath.clear(); }

    void useScript(const QByteArray& text)
    {
        LangScriptPath = m_dir.filePath(QStringLiteral("Test%1.lng").arg(++m_count));
        test::writeBytes(LangScriptPath, text);
    }

    QTemporaryDir m_dir;
    int m_count = 0;
};

} // namespace

TEST_F(TranslateFormTest, ReplacesEveryKindOfText)
{
    SampleForm form;
    useScript("[sampleform]\r\n"
              "CAPTION=Übersetzt\r\n"
              "FirstSheet.Caption=Erste\r\n"
              "label1.caption=Hallo, Welt\r\n"
              "Button1.Hint=Tipp, mit Komma\r\n"
              "Combo1.Items=eins,zwei,drei\r\n"
              "View1.Columns.Captions=Name,Größe\r\n"
              "Memo1.Lines=Zeile 1,Zeile 2\r\n");
    TranslateForm(&form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Übersetzt"));
    EXPECT_EQ(form.pages->tabText(0), QStringLiteral("Erste"));
    EXPECT_EQ(form.label->text(), QStringLiteral("Hallo, Welt")); // captions are not split
    EXPECT_EQ(form.button->toolTip(), QStringLiteral("Tipp, mit Komma"));
    EXPECT_EQ(form.button->text(), QStringLiteral("Press"));
    EXPECT_EQ(form.combo->count(), 3);
    EXPECT_EQ(form.combo->currentText(), QStringLiteral("drei")); // the choice is kept
    EXPECT_EQ(form.view->headerItem()->text(1), QStringLiteral("Größe"));
    EXPECT_EQ(form.memo->toPlainText(), QStringLiteral("Zeile 1\nZeile 2"));
}

TEST_F(TranslateFormTest, CheckListTakesTextsOnlyAndKeepsItsMarks)
{
    SampleForm form;
    useScript("[SampleForm]\r\nGenOptCheckBox.Items=A,B,C,D,E\r\n");
    TranslateForm(&form);
    ASSERT_EQ(form.checks->count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form.checks->item(i)->text(), QString(QLatin1Char(char('A' + i))));
        EXPECT_EQ(form.checks->item(i)->checkState(), i % 2 ? Qt::Checked : Qt::Unchecked);
    }
    useScript("[SampleForm]\r\nGenOptCheckBox.Items=X,Y\r\n"); // short: renames what it can
    TranslateForm(&form);
    EXPECT_EQ(form.checks->item(1)->text(), QStringLiteral("Y"));
    EXPECT_EQ(form.checks->item(2)->text(), QStringLiteral("C"));
}

QStringList texts(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

TEST_F(TranslateFormTest, PlainListBoxGetsExactlyTheEntries)
{
    const struct {
        const char* value;
        QStringList entries;
    } cases[] = {
        {"eins,,drei,vier", {"eins", "", "drei", "vier"}},
        {",zwei", {"", "zwei"}},
        {"eins,zwei,", {"eins", "zwei"}},
        {"1,2,3,4,5,6", {"1", "2", "3", "4", "5", "6"}},
        {",", {""}},
    };
    for (const auto& c : cases) {
        SampleForm form;
        useScript(QByteArray("[SampleForm]\r\nLngListBox.Items=") + c.value + "\r\n");
        TranslateForm(&form);
        EXPECT_EQ(texts(form.list), c.entries) << c.value;
        EXPECT_FALSE(form.list->item(0)->data(Qt::CheckStateRole).isValid()) << c.value;
    }
}

TEST_F(TranslateFormTest, PlainListBoxKeepsItsRowOrTakesTheLastOne)
{
    SampleForm form;
    form.list->setCurrentRow(1);
    useScript("[SampleForm]\r\nLngListBox.Items=A,B,C,D,E\r\n");
    TranslateForm(&form);
    EXPECT_EQ(form.list->currentRow(), 1);
    EXPECT_EQ(form.list->selectedItems(), QList<QListWidgetItem*>{form.list->item(1)});

    form.list->setCurrentRow(4);
    useScript("[SampleForm]\r\nLngListBox.Items=X,Y\r\n");
    TranslateForm(&form);
    EXPECT_EQ(form.list->currentRow(), 1);
    EXPECT_EQ(form.list->currentItem()->text(), QStringLiteral("Y"));
    EXPECT_TRUE(form.list->currentItem()->isSelected());

    form.list->setCurrentRow(-1);
    useScript("[SampleForm]\r\nLngListBox.Items=P,Q,R\r\n");
    TranslateForm(&form);
    EXPECT_EQ(form.list->currentRow(), -1);
}

TEST_F(TranslateFormTest, MarkedCheckListBoxStaysACheckListBoxWhileEmpty)
{
    SampleForm form;
    useScript("[SampleForm]\r\nEmptyCheckBox.Items=A,B\r\n");
    TranslateForm(&form);
    EXPECT_EQ(form.emptyChecks->count(), 0);

    // Items without marks yet: still renamed only, never replaced.
    form.emptyChecks->addItems(
        {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
    useScript("[SampleForm]\r\nEmptyCheckBox.Items=Eins,Zwei\r\n");
    TranslateForm(&form);
    EXPECT_EQ(texts(form.emptyChecks), (QStringList{"Eins", "Zwei", "three"}));
}

TEST_F(TranslateFormTest, EmptyCaptionEmptiesTheTitleButNoControl)
{
    SampleForm form;
    useScript("[SampleForm]\r\nCaption=\r\nLabel1.Caption=\r\nButton1.Hint=\"\"\r\n");
    TranslateForm(&form);
    EXPECT_EQ(form.windowTitle(), QString());
    EXPECT_EQ(form.label->text(), QStringLiteral("Label"));
    EXPECT_EQ(form.button->toolTip(), QStringLiteral("Designed tip"));
}

TEST_F(TranslateFormTest, MissingScriptOrKeyLeavesTheTextsOfTheLastTranslation)
{
    SampleForm form;
    useScript("[SampleForm]\r\nCaption=Titel\r\nLabel1.Caption=Erste Sprache\r\n");
    TranslateForm(&form);
    useScript("[SampleForm]\r\nCaption=Title\r\n");
    TranslateForm(&form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Title"));
    EXPECT_EQ(form.label->text(), QStringLiteral("Erste Sprache"));
    LangScriptPath = m_dir.filePath(QStringLiteral("absent.lng"));
    TranslateForm(&form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Title"));
}
