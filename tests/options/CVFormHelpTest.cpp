// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The Help page as the user works it: choosing a help set, opening topics at their headings,
// searching, following links, and printing.
#include "OpenedUrls.h"
#include "OptionsWindowFixture.h"
#include "common/CommaText.h"
#include "help/HelpCtrl.h"
#include "print/PrevPrinter.h"
#include "richedit/RichEdit.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <sys/stat.h>

using namespace corvane;
using namespace corvane::test;

namespace {

// An RTF text with one paragraph per entry; heading() marks a topic's heading.
QByteArray rtf(const QList<QByteArray>& paragraphs)
{
    QByteArray out = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue255;"
                     "\\red0\\green0\\blue254;}\\f0\\fs20 ";
    for (const QByteArray& p : paragraphs)
        out += p + "\\par\n";
    return out + "}";
}
QByteArray heading(const QByteArray& text)
{
    return "{\\cf1\\b\\ul " + text + "}";
}
QList<QByteArray> filler(int count)
{
    QList<QByteArray> lines;
    for (int i = 0; i < count; ++i)
        lines << "Filler line " + QByteArray::number(i) + ".";
    return lines;
}

DialogScript::Step typeText(const QString& text)
{
    return [text](QDialog& d) {
        d.findChild<QLineEdit*>()->setText(text);
        clickButton(QStringLiteral("OK"))(d);
    };
}

class HelpPage : public OptionsWindowFixture {
protected:
    void addHelp(const QString& name, const QByteArray& text, const QByteArray& topics)
    {
        QDir(m_home.path()).mkpath(QStringLiteral("Help"));
        if (!text.isNull())
            writeBytes(
                m_home.filePath(QStringLiteral("Help/") + name + QStringLiteral(".rtf")), text);
        if (!topics.isNull())
            writeBytes(
                m_home.filePath(QStringLiteral("Help/") + name + QStringLiteral(".ini")), topics);
    }
    void openHelp()
    {
        QDir(m_home.path()).mkpath(QStringLiteral("Help"));
        open().setActivePage(TCorvaneForm::HelpPage);
        activate();
    }
    // Shortcuts reach the active window only.
    void activate()
    {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        text()->setFocus();
    }
    QListWidget* files() const { return child<QListWidget>("HFilesListBox"); }
    QTreeWidget* topics() const { return child<QTreeWidget>("HTopicsView"); }
    TRichEdit* text() const { return child<TRichEdit>("HelpTextField"); }
    int rowOf(const char* name) const
    {
        return files()->row(files()->findItems(QString::fromUtf8(name), Qt::MatchExactly).first());
    }
    void clickFile(int row)
    {
        const QRect r = files()->visualItemRect(files()->item(row));
        QTest::mouseClick(files()->viewport(), Qt::LeftButton, {}, r.center());
    }
    void clickTopic(const QString& topic)
    {
        topics()->expandAll();
        const QList<QTreeWidgetItem*> found
            = topics()->findItems(topic, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_FALSE(found.isEmpty()) << topic.toStdString();
        topics()->scrollToItem(found.first());
        const QRect r = topics()->visualItemRect(found.first());
        QTest::mouseClick(topics()->viewport(), Qt::LeftButton, {}, r.center());
    }
    QString selected() const { return text()->textCursor().selectedText(); }
    // Where the selection's line sits in the view: 0 at the very top.
    int selectionTop() const
    {
        QTextCursor c = text()->textCursor();
        c.setPosition(c.selectionStart());
        return text()->cursorRect(c).top();
    }
    void find(const QString& what, int expectedDialogs = 1)
    {
        DialogScript script({typeText(what)});
        QTest::mouseClick(child<QPushButton>("HelpFindButton"), Qt::LeftButton);
        EXPECT_EQ(script.shown(), expectedDialogs);
    }
};

TEST_F(HelpPage, ListsTheSetsAndLoadsOnlyWhenOneIsChosen)
{
    addHelp(QStringLiteral("Setup"), rtf({heading("Install"), "Run the installer."}),
        "Install\r\n\tDetails\r\nRemove\r\n");
    addHelp(QStringLiteral("notes.v2"), rtf({"x"}), "x\r\n");
    openHelp();
    QStringList names;
    for (int i = 0; i < files()->count(); ++i)
        names << files()->item(i)->text();
    names.sort();
    EXPECT_EQ(names, QStringList({"Setup", "notes.v2"}));
    EXPECT_TRUE(files()->item(0)->isSelected());
    EXPECT_EQ(topics()->topLevelItemCount(), 0);
    EXPECT_TRUE(text()->document()->isEmpty());

    clickFile(rowOf("Setup"));
    ASSERT_EQ(topics()->topLevelItemCount(), 2);
    EXPECT_EQ(topics()->topLevelItem(0)->child(0)->text(0), QStringLiteral("Details"));
    EXPECT_FALSE(topics()->topLevelItem(0)->isExpanded());
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("Install\nRun the installer."));
    EXPECT_EQ(text()->textCursor().position(), 0);
    EXPECT_TRUE(text()->hasFocus());
    EXPECT_EQ(topics()->indentation(), 19);
    EXPECT_EQ(topics()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(HelpPage, TopicFilesThatCannotBeLoadedAreReportedAndKeepTheText)
{
    addHelp(QStringLiteral("A"), rtf({heading("Good")}), "Good\r\n");
    addHelp(QStringLiteral("B"), rtf({"never shown"}), QByteArray()); // no topic file
    addHelp(
        QStringLiteral("C"), rtf({"never shown"}), "One\r\n\tTwo\r\n\t\t\tToo deep\r\nAfter\r\n");
    addHelp(QStringLiteral("D"), rtf({"gone"}), "Only\r\n\tTopics\r\n");
    openHelp();
    QFile::remove(m_home.filePath(QStringLiteral("Help/D.rtf"))); // gone since it was listed
    clickFile(rowOf("A"));
    const QString good = text()->toPlainText();

    DialogScript script;
    clickFile(rowOf("B"));
    EXPECT_EQ(topics()->topLevelItemCount(), 0);
    EXPECT_EQ(text()->toPlainText(), good);
    clickFile(rowOf("C"));
    ASSERT_EQ(topics()->topLevelItemCount(), 1);
    EXPECT_EQ(topics()->topLevelItem(0)->childCount(), 1);
    EXPECT_EQ(text()->toPlainText(), good);
    EXPECT_EQ(script.texts(),
        QStringList(
            {QStringLiteral("Cannot open file ") + m_home.filePath(QStringLiteral("Help/B.ini")),
                QStringLiteral("Invalid level (3) for item \"Too deep\"")}));

    clickFile(rowOf("D"));
    EXPECT_EQ(topics()->topLevelItemCount(), 1);
    EXPECT_EQ(text()->toPlainText(), good);
    EXPECT_EQ(script.shown(), 2); // a set without text is not an error
}

TEST_F(HelpPage, TopicOpensAtItsHeadingAtTheTopOfTheView)
{
    QList<QByteArray> body = filler(3);
    body << "See Themes below, and {\\cf1\\b Themes} in bold blue.";
    body << "{\\cf1\\b\\ul\\i Themes} in italics, {\\cf2\\b\\ul Themes} nearly blue.";
    body << filler(80) << heading("Themes") << filler(120) << heading("Start") << filler(60)
         << "themes only";
    addHelp(QStringLiteral("Help"), rtf(body), "Start\r\nThemes\r\nthemes only\r\nTHEMES\r\n");
    openHelp();
    clickFile(0);

    clickTopic(QStringLiteral("Themes"));
    EXPECT_EQ(selected(), QStringLiteral("Themes"));
    EXPECT_EQ(
        text()->textCursor().selectionStart(), text()->toPlainText().indexOf("Themes\nFiller"));
    EXPECT_EQ(selectionTop(), 0);
    EXPECT_TRUE(text()->hasFocus());

    // Opened again from further down, the view comes back up to it.
    clickTopic(QStringLiteral("Start"));
    EXPECT_EQ(selected(), QStringLiteral("Start"));
    EXPECT_EQ(selectionTop(), 0);
    clickTopic(QStringLiteral("Themes"));
    EXPECT_EQ(selected(), QStringLiteral("Themes"));
    EXPECT_GE(selectionTop(), 0);
    EXPECT_LT(selectionTop(), text()->viewport()->height());

    // No heading at all: the last occurrence is in view, with the caret at its start.
    clickTopic(QStringLiteral("themes only"));
    EXPECT_TRUE(selected().isEmpty());
    EXPECT_EQ(text()->textCursor().position(), text()->toPlainText().lastIndexOf("themes only"));
    // Only in another letter case: nothing is selected and the caret stays.
    const int caret = text()->textCursor().position();
    clickTopic(QStringLiteral("THEMES"));
    EXPECT_TRUE(selected().isEmpty());
    EXPECT_EQ(text()->textCursor().position(), caret);
}

TEST_F(HelpPage, EnterOpensTheChosenSetAndTopicAndKeepsTheWindowOpen)
{
    addHelp(QStringLiteral("Help"), rtf({"Intro", heading("Later")}), "Intro\r\nLater\r\n");
    openHelp();
    files()->setFocus();
    QTest::keyClick(files(), Qt::Key_Return);
    ASSERT_EQ(topics()->topLevelItemCount(), 2);
    topics()->setFocus();
    topics()->setCurrentItem(topics()->topLevelItem(1));
    QTest::keyClick(topics(), Qt::Key_Enter);
    EXPECT_EQ(selected(), QStringLiteral("Later"));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(HelpPage, HeadingsOnTheFirstTwoLinesAreNotScrolledTo)
{
    QList<QByteArray> body{heading("First"), heading("Second")};
    body << filler(200);
    addHelp(QStringLiteral("Help"), rtf(body), "First\r\nSecond\r\n");
    openHelp();
    clickFile(0);
    for (const char* topic : {"Second", "First"}) {
        clickTopic(QLatin1String(topic));
        EXPECT_EQ(selected(), QLatin1String(topic));
        EXPECT_EQ(text()->verticalScrollBar()->value(), 0) << topic;
    }
}

TEST_F(HelpPage, SearchGoesOnBehindTheSelectionAndNeverWraps)
{
    addHelp(QStringLiteral("Help"), rtf({"ABC one", "middle", "abc two", "end"}), "x\r\n");
    openHelp();
    clickFile(0);
    const QString all = text()->toPlainText();
    text()->setSelection(all.indexOf("middle") + 2, 0); // a bare caret: the search starts at 0
    find(QStringLiteral("abc"));
    EXPECT_EQ(text()->textCursor().selectionStart(), 0);
    find(QStringLiteral("abc"));
    EXPECT_EQ(text()->textCursor().selectionStart(), all.indexOf("abc two"));
    find(QStringLiteral("abc")); // nothing further: silent, the selection stays
    EXPECT_EQ(text()->textCursor().selectionStart(), all.indexOf("abc two"));
    EXPECT_EQ(selected(), QStringLiteral("abc"));

    // F3 repeats the last search directly; Ctrl+F asks again.
    text()->setSelection(0, 3);
    activate(); // the closed prompt took the activation with it
    {
        DialogScript none;
        QTest::keyClick(text(), Qt::Key_F3);
        EXPECT_EQ(none.shown(), 0);
    }
    EXPECT_EQ(text()->textCursor().selectionStart(), all.indexOf("abc two"));
    DialogScript script({typeText(QStringLiteral("END"))});
    activate();
    QTest::keyClick(text(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(script.shown(), 1);
    EXPECT_EQ(selected(), QStringLiteral("end"));
    // The prompt announces the repetition; cancelling it changes nothing.
    find(QString());
    EXPECT_EQ(selected(), QStringLiteral("end"));
}

TEST_F(HelpPage, EveryShippedTopicOpensAtItsHeading)
{
    const QDir shipped(QStringLiteral(CORVANE_SOURCE_DIR "/data/Help"));
    QDir(m_home.path()).mkpath(QStringLiteral("Help"));
    for (const QString& name : shipped.entryList(QDir::Files))
        writeBytes(
            m_home.filePath(QStringLiteral("Help/") + name), readBytes(shipped.filePath(name)));
    openHelp();
    ASSERT_EQ(files()->count(), 2);
    for (int set = 0; set < files()->count(); ++set) {
        clickFile(set);
        topics()->expandAll();
        int opened = 0;
        for (QTreeWidgetItemIterator it(topics()); *it; ++it, ++opened) {
            const QString topic = (*it)->text(0);
            clickTopic(topic);
            EXPECT_EQ(selected(), topic);
            EXPECT_TRUE(text()->selectionFormat().underline.value_or(false)) << topic.toStdString();
            const QScrollBar* bar = text()->verticalScrollBar();
            if (bar->value() < bar->maximum() && bar->value() > 0) {
                EXPECT_EQ(selectionTop(), 0) << topic.toStdString();
            }
        }
        EXPECT_GT(opened, 20) << files()->item(set)->text().toStdString();
    }
}

TEST_F(HelpPage, LinksInTheTextOpenWithEitherButton)
{
    addHelp(QStringLiteral("Help"), rtf({"Visit https://corvane.example/help today."}), "x\r\n");
    openHelp();
    clickFile(0);
    OpenedUrls opened;
    QTextCursor c(text()->document());
    c.setPosition(int(text()->toPlainText().indexOf("corvane")));
    const QPoint at = text()->cursorRect(c).center();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton})
        QTest::mouseClick(text()->viewport(), button, {}, at);
    EXPECT_EQ(
        opened.urls, QStringList({"https://corvane.example/help", "https://corvane.example/help"}));
}

TEST_F(HelpPage, OddFilesAreShownOrReportedAndNeverHang)
{
    QByteArray manyTopics;
    for (int i = 0; i < 100000; ++i)
        manyTopics += (i % 3 ? "\t" : "") + QByteArray("Topic ") + QByteArray::number(i) + "\r\n";
    addHelp(QStringLiteral("Many topics"), rtf({heading("Topic 99999")}), manyTopics);
    addHelp(QStringLiteral("Long.line.v1"), rtf({"x"}),
        QByteArray(1 << 20, 'w') + "\r\n\t\t" + QByteArray(1 << 20, 'z'));
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char(i * 37 % 256);
    addHelp(QStringLiteral("Binär"), binary, "Topic\r\n");
    addHelp(QStringLiteral("Cut"), rtf({heading("Cut"), "text that is cut off"}).chopped(12),
        "Cut\r\n");
    ASSERT_EQ(
        ::mkfifo(
            QFile::encodeName(m_home.filePath(QStringLiteral("Help/Pipe.rtf"))).constData(), 0600),
        0);
    addHelp(QStringLiteral("Pipe"), QByteArray(), "Topic\r\n");
    openHelp();
    ASSERT_EQ(files()->count(), 5);

    DialogScript script;
    clickFile(rowOf("Many topics"));
    int nodes = 0;
    for (QTreeWidgetItemIterator it(topics()); *it; ++it)
        ++nodes;
    EXPECT_EQ(nodes, 100000);
    clickTopic(QStringLiteral("Topic 99999"));
    EXPECT_EQ(selected(), QStringLiteral("Topic 99999"));

    clickFile(rowOf("Long.line.v1"));
    ASSERT_EQ(topics()->topLevelItemCount(), 1);
    EXPECT_EQ(topicText(topics()->topLevelItem(0)).size(), 1 << 20);
    EXPECT_LE(topics()->topLevelItem(0)->text(0).size(), 1001);
    ASSERT_EQ(script.texts().size(), 1);
    // The message names the line, but never fills the screen with it.
    EXPECT_TRUE(
        script.texts().last().startsWith(QStringLiteral("Invalid level (2) for item \"zzz")));
    EXPECT_LT(script.texts().last().size(), 500);

    for (const char* name : {"Binär", "Cut"}) {
        clickFile(rowOf(name));
        EXPECT_FALSE(text()->document()->isEmpty()) << name;
    }
    EXPECT_EQ(topics()->topLevelItem(0)->text(0), QStringLiteral("Cut"));
    clickFile(rowOf("Pipe"));
    ASSERT_EQ(script.texts().size(), 2);
    EXPECT_TRUE(script.texts().last().contains(QStringLiteral("not a regular file")));
    EXPECT_EQ(topics()->topLevelItemCount(), 1); // the topics came before the text
}

class HelpPrinting : public HelpPage {
protected:
    void SetUp() override
    {
        HelpPage::SetUp();
        m_pdf = m_home.filePath(QStringLiteral("help.pdf"));
        setHelpPrinterSetup([this](TPreviewPrinter& printer) {
            m_printer = &printer;
            printer.setPrinterProbe([] { return true; });
            printer.printer().setOutputFormat(QPrinter::PdfFormat);
            printer.printer().setOutputFileName(m_pdf);
            printer.SetOnStatus([this](QObject*, const QString&, int page, TStatusType type) {
                if (type == TStatusType::stPrinting)
                    m_printed << page + 1;
            });
        });
        QList<QByteArray> body;
        for (int page = 1; page <= 4; ++page)
            body << (page > 1 ? "\\page " : "") + QByteArray("Page text ")
                    + QByteArray::number(page);
        addHelp(QStringLiteral("Help"), rtf(body), "x\r\n");
    }
    void TearDown() override
    {
        setHelpPrinterSetup({});
        HelpPage::TearDown();
    }
    QString m_pdf;
    TPreviewPrinter* m_printer = nullptr;
    QList<int> m_printed;
};

TEST_F(HelpPrinting, RangeTwoToThreeTwicePrintsThosePagesTwice)
{
    openHelp();
    clickFile(0);
    DialogScript script({[](QDialog& d) {
        d.findChild<QRadioButton*>(QStringLiteral("printRange"))->setChecked(true);
        d.findChild<QSpinBox*>(QStringLiteral("to"))->setValue(3);
        d.findChild<QSpinBox*>(QStringLiteral("from"))->setValue(2);
        d.findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(2);
        d.accept();
    }});
    QTest::mouseClick(child<QPushButton>("HelpPrintButton"), Qt::LeftButton);
    EXPECT_EQ(script.shown(), 1);
    // Into one file the copies come one after the other, each in page order.
    EXPECT_EQ(m_printed, QList<int>({2, 3, 2, 3}));
}

TEST_F(HelpPrinting, PreviewShowsThePagesInTheLanguageOfTheScript)
{
    LangScriptPath = m_home.filePath(QStringLiteral("LScripts/German.lng"));
    openHelp();
    clickFile(0);
    int pages = 0;
    QString title;
    QString jobName;
    QStringList texts;
    QString pageWord;
    DialogScript script({[&](QDialog& d) {
        title = d.windowTitle();
        pages = m_printer->PageCount();
        jobName = m_printer->Title();
        texts = commaTextSplit(m_printer->PreviewTexts());
        pageWord = m_printer->TextOptions().PageNumText;
        d.reject();
    }});
    QTest::mouseClick(child<QPushButton>("HelpPreviewButton"), Qt::LeftButton);
    EXPECT_EQ(pages, 4);
    EXPECT_EQ(title, QStringLiteral("Druckvorschau"));
    EXPECT_EQ(jobName, QStringLiteral("Quillex"));
    ASSERT_EQ(texts.size(), 15);
    EXPECT_EQ(texts.first(), QStringLiteral("Zur ersten Seite des Dokuments"));
    EXPECT_EQ(texts.last().left(14), QStringLiteral("\"Ganze Seite\","));
    EXPECT_EQ(pageWord, QStringLiteral("Seite"));
}

TEST_F(HelpPage, ButtonPanelStaysCentredAndEveryControlIsReachedWithTab)
{
    openHelp();
    auto* panel = child<QWidget>("HelpButtonPanel");
    form->resize(form->width() + 41, form->height() + 57);
    QCoreApplication::processEvents();
    const QWidget* parent = panel->parentWidget();
    EXPECT_EQ(panel->x(), parent->width() / 2 - panel->width() / 2);
    EXPECT_EQ(panel->y(), parent->height() / 2 - panel->height() / 2);
    EXPECT_EQ(child<QWidget>("HelpRightPanel")->width(), 33);
    EXPECT_EQ(panel->size(), QSize(33, 97));
    EXPECT_EQ(child<QWidget>("HelpFilesBox")->height(), 81);
    EXPECT_EQ(child<QSplitter>("HelpSplitter")->handleWidth(), 6);

    QStringList reached;
    files()->setFocus();
    for (int i = 0; i < 8; ++i) {
        reached << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (const char* name : {"HFilesListBox", "HTopicsView", "HelpTextField", "HelpPreviewButton",
             "HelpPrintButton", "HelpFindButton"})
        EXPECT_TRUE(reached.contains(QLatin1String(name))) << name;
}

} // namespace
