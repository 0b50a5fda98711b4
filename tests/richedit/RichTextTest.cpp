// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Page-wise rendering, web-address detection and search on a QTextDocument.
#include "RtfTestSupport.h"

#include "richedit/RichTextLinks.h"
#include "richedit/RichTextQuery.h"
#include "richedit/RichTextRange.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTextBlock>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace corvane::test {
namespace {

// Paragraphs of different lengths, so pages end inside and between paragraphs.
QByteArray longRtf(int paragraphs, const char* between = "\\par ")
{
    QByteArray rtf = "{\\rtf1\\fs24 ";
    for (int i = 0; i < paragraphs; ++i) {
        rtf += "Paragraph " + QByteArray::number(i) + ":";
        for (int w = 0; w < (i * 7) % 40 + 1; ++w)
            rtf += " word" + QByteArray::number(w);
        rtf += between;
    }
    return rtf + "}";
}

QImage pageImage(int dpi)
{
    QImage image(int(8.5 * dpi), 11 * dpi, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    return image;
}

// Paginates on fresh devices and returns the start of every page.
template <typename MakeDevice>
std::vector<int> pageStarts(const QTextDocument& doc, MakeDevice makeDevice, const QRect& twips)
{
    RichTextRange range(doc);
    std::vector<int> starts;
    const int count = doc.characterCount() - 1;
    for (int pos = 0; pos < count && starts.size() < 1000;) {
        auto device = makeDevice();
        QPainter painter(&device);
        starts.push_back(pos);
        const int next = range.formatRange(painter, pos, twips, true);
        EXPECT_GT(next, pos) << "no progress";
        pos = next;
    }
    return starts;
}

// Every page must start at the start of a line of the same layout, so nothing is lost or
// drawn twice between pages; and each page's lines must fit its rectangle.
void expectLineStarts(
    const QTextDocument& doc, const std::vector<int>& starts, int dpi, const QRect& twips)
{
    QImage device = pageImage(dpi);
    QPainter painter(&device);
    RichTextRange range(doc);
    for (size_t i = 0; i + 1 < starts.size(); ++i)
        EXPECT_EQ(range.formatRange(painter, starts[i], twips, false), starts[i + 1]);
    for (const int s : starts) {
        const QTextBlock b = doc.findBlock(s);
        EXPECT_TRUE(s == b.position() || !b.text().at(s - b.position() - 1).isLetterOrNumber())
            << "page starts inside a word at " << s;
    }
}

TEST(RichTextRange, PagesCoverTextOnceOnImages)
{
    const auto doc = readRtf(longRtf(120));
    const QRect twips(1440, 1440, 1440 * 4, 1440 * 3);
    for (const int dpi : {96, 300, 600}) {
        const auto starts = pageStarts(
            *doc, [dpi] { return pageImage(dpi); }, twips);
        EXPECT_GT(starts.size(), 3u) << dpi;
        expectLineStarts(*doc, starts, dpi, twips);
    }
}

TEST(RichTextRange, PagesCoverTextOnPictures)
{
    const auto doc = readRtf(longRtf(60));
    const auto starts = pageStarts(
        *doc, [] { return QPicture(); }, QRect(0, 0, 1440 * 5, 1440 * 2));
    EXPECT_GT(starts.size(), 3u);
}

TEST(RichTextRange, DrawsOnlyInsideTheRectangle)
{
    const auto doc = readRtf(longRtf(40));
    QImage image = pageImage(96);
    QPainter painter(&image);
    RichTextRange range(*doc);
    const QRect twips(1440, 1440, 1440 * 3, 1440 * 2); // 96..384 x 96..288 px
    range.formatRange(painter, 0, twips, true);
    painter.end();
    bool inside = false;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                continue;
            ASSERT_TRUE(x >= 96 && x < 384 && y >= 96 && y < 288) << x << "," << y;
            inside = true;
        }
    }
    EXPECT_TRUE(inside);
}

TEST(RichTextRange, PageBreakStartsNewRange)
{
    const auto doc = readRtf(R"({\rtf1 one\par two\page three\par four})");
    QImage image = pageImage(96);
    QPainter painter(&image);
    RichTextRange range(*doc);
    const QRect big(0, 0, 1440 * 6, 1440 * 9);
    const int afterFirst = range.formatRange(painter, 0, big, true);
    EXPECT_EQ(afterFirst, doc->find(QStringLiteral("three")).selectionStart());
    EXPECT_EQ(range.formatRange(painter, afterFirst, big, true), doc->characterCount() - 1);
}

TEST(RichTextRange, TallPictureStillProgresses)
{
    QImage tall(10, 2000, QImage::Format_RGB32);
    tall.fill(Qt::black);
    auto doc = readRtf(R"({\rtf1 before\par})");
    QTextCursor c(doc.get());
    c.movePosition(QTextCursor::End);
    c.insertImage(tall);
    c.insertText(QStringLiteral(" after"));
    QImage image = pageImage(96);
    QPainter painter(&image);
    RichTextRange range(*doc);
    const QRect small(0, 0, 1440 * 2, 1440);
    int pos = 0;
    for (int i = 0; i < 5 && pos < doc->characterCount() - 1; ++i)
        pos = range.formatRange(painter, pos, small, true);
    EXPECT_EQ(pos, doc->characterCount() - 1);
}

struct AddressCase {
    const char* text;
    std::vector<QString> targets;
};

TEST(RichTextLinks, FindsWebAddresses)
{
    const AddressCase cases[] = {
        {"see https://example.org/a?b=1&c=2.", {"https://example.org/a?b=1&c=2"}},
        {"(www.example.org), ftp://files.example.org",
            {"http://www.example.org", "ftp://files.example.org"}},
        {"mail mailto:me@example.org!", {"mailto:me@example.org"}},
        {"HTTP://UPPER.example", {"HTTP://UPPER.example"}},
        {"no link: http:// or xwww.example.org or me@www.example.org", {}},
    };
    for (const AddressCase& c : cases) {
        std::vector<QString> got;
        for (const WebAddress& a : findWebAddresses(QString::fromUtf8(c.text)))
            got.push_back(a.target);
        EXPECT_EQ(got, c.targets) << c.text;
    }
}

TEST(RichTextLinks, MarkedAddressesAreAnchors)
{
    const auto doc = readRtf(R"({\rtf1 Visit www.example.org now.\par})");
    markWebAddresses(*doc, Qt::blue);
    QTextCursor c = doc->find(QStringLiteral("example"));
    EXPECT_EQ(c.charFormat().anchorHref(), QStringLiteral("http://www.example.org"));
    EXPECT_TRUE(c.charFormat().fontUnderline());
    EXPECT_FALSE(doc->find(QStringLiteral("now")).charFormat().isAnchor());
}

TEST(RichTextQuery, FindWithinRange)
{
    const auto doc = readRtf(R"({\rtf1 abc ABC abc\par second abc})");
    EXPECT_EQ(findInDocument(*doc, QStringLiteral("ABC"), 0, -1, true), 4);
    EXPECT_EQ(findInDocument(*doc, QStringLiteral("ABC"), 0, -1, false), 0);
    EXPECT_EQ(findInDocument(*doc, QStringLiteral("abc"), 1, 9, true), -1)
        << "match must end in range";
    EXPECT_EQ(findInDocument(*doc, QStringLiteral("abc"), 1, 13, true), 8);
    EXPECT_EQ(findInDocument(*doc, QStringLiteral("abc"), 12, -1, true), 19);
    EXPECT_EQ(findInDocument(*doc, QStringLiteral("abc"), 99, -1, true), -1);
    EXPECT_EQ(findInDocument(*doc, QString(), 0, -1, true), -1);
}

TEST(RichTextQuery, FormatSummaryOfRange)
{
    const auto doc
        = readRtf(R"({\rtf1{\colortbl;\red0\green0\blue255;}{\cf1\b\ul Head}{\b bold}})");
    const FormatSummary head = summarizeFormat(*doc, 0, 4, Qt::black);
    EXPECT_EQ(head.colour, QColor(Qt::blue));
    EXPECT_EQ(head.bold, true);
    EXPECT_EQ(head.underline, true);
    EXPECT_EQ(head.italic, false);
    const FormatSummary mixed = summarizeFormat(*doc, 2, 4, Qt::black);
    EXPECT_FALSE(mixed.colour.has_value());
    EXPECT_EQ(mixed.bold, true);
    EXPECT_FALSE(mixed.underline.has_value());
    EXPECT_EQ(summarizeFormat(*doc, 5, 2, Qt::black).colour, QColor(Qt::black));
}

} // namespace
} // namespace corvane::test
