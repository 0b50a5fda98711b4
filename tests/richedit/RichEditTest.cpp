// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfTestSupport.h"

#include "platform/CorvaneError.h"
#include "richedit/RichEdit.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace corvane::test {
namespace {

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button)
{
    QMouseEvent e(type, at, target->mapToGlobal(at), button,
        type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

QPoint pointOf(TRichEdit& edit, int position)
{
    QTextCursor c(edit.document());
    c.setPosition(position);
    return edit.cursorRect(c).center() + QPoint(2, 0);
}

class RichEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        edit.resize(500, 300);
        edit.show();
    }
    TRichEdit edit;
};

TEST_F(RichEditTest, LoadsFileAndReportsUnreadableOnes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.rtf"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"({\rtf1 First\par Second line\par})");
    f.close();
    edit.loadFromFile(path);
    EXPECT_EQ(edit.lines(), (QStringList{"First", "Second line"}));
    EXPECT_EQ(edit.textLength(), 17);
    // A pipe would block a plain read for ever.
    const QString pipe = dir.filePath(QStringLiteral("pipe.rtf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& bad : {dir.filePath(QStringLiteral("missing.rtf")), pipe, dir.path()}) {
        try {
            edit.loadFromFile(bad);
            ADD_FAILURE() << "no error for " << bad.toStdString();
        } catch (const CorvaneError& e) {
            EXPECT_EQ(e.text(), QStringLiteral("Cannot open file ") + bad);
        }
    }
    EXPECT_EQ(edit.lines().size(), 2) << "old text kept";
}

TEST_F(RichEditTest, FindAndSelectWithFormat)
{
    edit.loadFromBytes(
        R"({\rtf1{\colortbl;\red0\green0\blue255;}Topic then {\cf1\b\ul Topic}\par})");
    const int first = edit.findText(QStringLiteral("Topic"), 0, edit.textLength(), true);
    const int second = edit.findText(QStringLiteral("Topic"), first + 1, edit.textLength(), true);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 11);
    EXPECT_EQ(edit.findText(QStringLiteral("topic"), 0, -1, true), -1);
    edit.setSelection(second, 5);
    EXPECT_EQ(edit.selectionStart(), 11);
    EXPECT_EQ(edit.selectionLength(), 5);
    const FormatSummary f = edit.selectionFormat();
    EXPECT_EQ(f.colour, QColor(0, 0, 255));
    EXPECT_EQ(f.bold, true);
    EXPECT_EQ(f.underline, true);
    EXPECT_EQ(f.italic, false);
    edit.setSelection(0, 5);
    EXPECT_EQ(edit.selectionFormat().bold, false);
}

TEST_F(RichEditTest, FragmentCarriesFormatting)
{
    edit.loadFromBytes(R"({\rtf1 plain {\b bold} end})");
    edit.setSelection(6, 4);
    TRichEdit other;
    other.insertFragment(edit.selectionFragment());
    EXPECT_EQ(other.lines(), QStringList{"bold"});
    other.setSelection(0, 4);
    EXPECT_EQ(other.selectionFormat().bold, true);
}

TEST_F(RichEditTest, LinkClickSignalsAddressForAnyButton)
{
    edit.loadFromBytes(R"({\rtf1 Go to https://example.org/help now\par})");
    QStringList clicked;
    QObject::connect(
        &edit, &TRichEdit::linkClicked, &edit, [&](const QString& a) { clicked << a; });
    const QPoint onLink = pointOf(edit, 8);
    const QPoint offLink = pointOf(edit, 1);
    for (const Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
        sendMouse(edit.viewport(), QEvent::MouseButtonPress, onLink, b);
        sendMouse(edit.viewport(), QEvent::MouseButtonRelease, onLink, b);
    }
    sendMouse(edit.viewport(), QEvent::MouseButtonPress, onLink, Qt::LeftButton);
    sendMouse(edit.viewport(), QEvent::MouseButtonRelease, offLink, Qt::LeftButton);
    sendMouse(edit.viewport(), QEvent::MouseButtonPress, offLink, Qt::LeftButton);
    sendMouse(edit.viewport(), QEvent::MouseButtonRelease, offLink, Qt::LeftButton);
    EXPECT_EQ(clicked, (QStringList{"https://example.org/help", "https://example.org/help"}));
}

TEST_F(RichEditTest, TypedAddressBecomesLink)
{
    edit.loadFromBytes("{\\rtf1 x}");
    edit.moveCursor(QTextCursor::End);
    edit.insertPlainText(QStringLiteral(" see www.example.org"));
    EXPECT_EQ(edit.document()->find(QStringLiteral("example")).charFormat().anchorHref(),
        QStringLiteral("http://www.example.org"));
}

TEST_F(RichEditTest, FormatRangeConcatenatesToWholeText)
{
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < 80; ++i)
        rtf += "Line " + QByteArray::number(i) + " with some words to wrap around the page\\par ";
    edit.loadFromBytes(rtf + "}");
    QImage image(800, 1000, QImage::Format_RGB32);
    QPainter painter(&image);
    QString pages;
    const QString text = edit.document()->toPlainText();
    int pos = 0;
    while (pos < edit.textLength()) {
        const int next = edit.formatRange(painter, pos, QRect(0, 0, 1440 * 3, 1440 * 2));
        ASSERT_GT(next, pos);
        pages += text.mid(pos, next - pos);
        pos = next;
    }
    EXPECT_EQ(pages, text);
    EXPECT_EQ(pos, edit.textLength());
}

} // namespace
} // namespace corvane::test
