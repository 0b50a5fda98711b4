// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfTestSupport.h"

#include "richedit/RtfField.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QTextBlock>
#include <QTextImageFormat>
#include <gtest/gtest.h>

namespace corvane::test {
namespace {

struct TextCase {
    const char* name;
    QByteArray rtf;
    QString text;
};

void PrintTo(const TextCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReaderText : public ::testing::TestWithParam<TextCase> { };

TEST_P(ReaderText, GivesPlainText)
{
    EXPECT_EQ(plainText(*readRtf(GetParam().rtf)), GetParam().text);
}

const TextCase textCases[] = {
    {"DelimiterBlankBelongsToWord", R"({\rtf1 a\b b\b0  c\par})", QStringLiteral("ab c\n")},
    {"NoEmptyParagraphAfterLastPar", R"({\rtf1 a\par b\par})", QStringLiteral("a\nb\n")},
    {"EmptyParagraphKept", R"({\rtf1 a\par\par b})", QStringLiteral("a\n\nb\n")},
    {"LineEndsInSourceIgnored", "{\\rtf1 a\r\nb\nc}", QStringLiteral("abc\n")},
    {"Windows1252Escapes", R"({\rtf1\ansi \'80\'e4\'93x\'94})", QStringLiteral("€ä“x”") + u'\n'},
    {"AnsiCodePage1251", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8})", QStringLiteral("При\n")},
    {"FontCharsetCentralEuropean",
        R"({\rtf1\ansi{\fonttbl{\f0\fcharset0 A;}{\f1\fcharset238 B;}}\f0\'b9\f1\'b9})",
        QStringLiteral("¹ą\n")},
    {"FontCharsetShiftJisPairs", R"({\rtf1{\fonttbl{\f0\fcharset128 G;}}\f0\'82\'a0\'82\'a2})",
        QStringLiteral("あい\n")},
    {"UnicodeSkipsOneFallback", R"({\rtf1\uc1\u8364?x})", QStringLiteral("€x\n")},
    {"UnicodeNegativeValue", R"({\rtf1\u-4064?})", QStringLiteral("\uf020\n")},
    {"UnicodeSkipScopedToGroup", R"({\rtf1{\uc2\u26178\'3f\'3f}x\u26178?y})",
        QStringLiteral("時x時y\n")},
    {"UnicodeSkipEndsAtGroup", R"({\rtf1\uc3\u26178{x}})", QStringLiteral("時x\n")},
    {"HugeUnicodeSkipIsCapped", R"({\rtf1\uc99999999\u26178 abcdefghijklmnopqrstuvwxyz})",
        QStringLiteral("時qrstuvwxyz\n")},
    {"UnicodeOutOfRangeDropped", R"({\rtf1 a\u99999999 b})", QStringLiteral("a\n")},
    {"ControlSymbols", R"({\rtf1 \{\}\\\~\-\_})", QStringLiteral("{}\\\u00a0\u00ad\u2011\n")},
    {"TypographicWords", R"({\rtf1\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
        QStringLiteral("—–•‘’“”\n")},
    {"TabAndLine", R"({\rtf1 a\tab b\line c})", QStringLiteral("a\tb\nc\n")},
    {"TableCellsEndInTab", R"({\rtf1\trowd\cellx1\cellx2\intbl a\cell b\cell\row after\par})",
        QStringLiteral("a\tb\t\nafter\n")},
    {"StarredUnknownSkipped", R"({\rtf1 a{\*\unknown hidden {nested}}b})", QStringLiteral("ab\n")},
    {"HeaderTablesNotText",
        R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}{\stylesheet{\s0 Normal;}}{\info{\title T}}{\header H}x})",
        QStringLiteral("x\n")},
    {"ListTextShown", R"({\rtf1{\listtext\u8226\'95\tab}Item\par})", QStringLiteral("•\tItem\n")},
    {"HiddenTextDropped", R"({\rtf1 a{\v secret}b})", QStringLiteral("ab\n")},
    {"FieldResultShownInstructionNot",
        R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt shown}}})", QStringLiteral("shown\n")},
    {"BinarySkippedInIgnoredGroup", "{\\rtf1 a{\\*\\foo\\bin3 }}}}b}", QStringLiteral("ab\n")},
    {"BinaryPastEnd", "{\\rtf1 a\\bin999999 xyz", QStringLiteral("a\n")},
    {"NegativeBinary", "{\\rtf1 a\\bin-5 b}", QStringLiteral("ab\n")},
    {"StrayCloseEndsDocument", R"({\rtf1 First\par}Second\par})", QStringLiteral("First\n")},
    {"TruncatedKeepsText", R"({\rtf1 Done.\par Cut \b bo)", QStringLiteral("Done.\nCut bo\n")},
    {"BrokenHexDropped", R"({\rtf1 a\'zzb\'4})", QStringLiteral("azzb4\n")},
    {"AbsurdNumbers", R"({\rtf1\fs99999999999999\li-99999999999\sl-2147483648\cf99999 x})",
        QStringLiteral("x\n")},
    {"ControlCharactersInTextBecomeBlanks", "{\\rtf1 a\\'0ab\\'0dc}", QStringLiteral("a b c\n")},
    {"PlainTextFile", "not rtf\nsecond", QStringLiteral("not rtf\nsecond\n")},
};

INSTANTIATE_TEST_SUITE_P(Rtf, ReaderText, ::testing::ValuesIn(textCases),
    [](const auto& c) { return std::string(c.param.name); });

QTextCharFormat formatOf(const QTextDocument& doc, const QString& word)
{
    const QTextCursor c = doc.find(word);
    return c.isNull() ? QTextCharFormat() : c.charFormat();
}

TEST(RtfReader, CharacterFormats)
{
    const auto doc = readRtf(
        R"({\rtf1{\fonttbl{\f0 Arial;}{\f1 Courier New;}}{\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
        R"(\f0\fs20 plain {\f1\fs31 mono} {\strike gone} {\super up}{\sub down}{\cf1\cb2 red}{\cf1\highlight2 hi}{\uldb dbl}{\b\plain reset}})");
    EXPECT_EQ(formatOf(*doc, QStringLiteral("plain")).fontFamilies().toStringList(),
        QStringList{"Arial"});
    EXPECT_DOUBLE_EQ(formatOf(*doc, QStringLiteral("plain")).fontPointSize(), 10.0);
    EXPECT_EQ(formatOf(*doc, QStringLiteral("mono")).fontFamilies().toStringList(),
        QStringList{"Courier New"});
    EXPECT_DOUBLE_EQ(formatOf(*doc, QStringLiteral("mono")).fontPointSize(), 15.5);
    EXPECT_TRUE(formatOf(*doc, QStringLiteral("gone")).fontStrikeOut());
    EXPECT_EQ(formatOf(*doc, QStringLiteral("up")).verticalAlignment(),
        QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatOf(*doc, QStringLiteral("down")).verticalAlignment(),
        QTextCharFormat::AlignSubScript);
    EXPECT_EQ(formatOf(*doc, QStringLiteral("red")).foreground().color(), QColor(Qt::red));
    EXPECT_EQ(formatOf(*doc, QStringLiteral("red")).background().color(), QColor(Qt::blue));
    EXPECT_EQ(formatOf(*doc, QStringLiteral("hi")).background().color(), QColor(Qt::blue));
    EXPECT_TRUE(formatOf(*doc, QStringLiteral("dbl")).fontUnderline());
    EXPECT_NE(formatOf(*doc, QStringLiteral("reset")).fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(formatOf(*doc, QStringLiteral("reset")).fontPointSize(), 12.0);
}

TEST(RtfReader, ParagraphFormats)
{
    const auto doc = readRtf(
        R"({\rtf1\pard\qc\li1500\ri300\fi-150\sb150\sa300\sl360\slmult1\tqr\tx3000\tx4500 a\par)"
        R"(\pard\qj\sl-300 b\par\pard c\par})");
    const QTextBlockFormat a = doc->begin().blockFormat();
    EXPECT_EQ(a.alignment(), Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(a.leftMargin(), 100.0);
    EXPECT_DOUBLE_EQ(a.rightMargin(), 20.0);
    EXPECT_DOUBLE_EQ(a.textIndent(), -10.0);
    EXPECT_DOUBLE_EQ(a.topMargin(), 10.0);
    EXPECT_DOUBLE_EQ(a.bottomMargin(), 20.0);
    EXPECT_EQ(a.lineHeightType(), QTextBlockFormat::ProportionalHeight);
    EXPECT_DOUBLE_EQ(a.lineHeight(), 150.0);
    ASSERT_EQ(a.tabPositions().size(), 2);
    EXPECT_EQ(a.tabPositions()[0].type, QTextOption::RightTab);
    // \tx4500 from the page margin is 3150 twips from the first line's start (1500 - 150).
    EXPECT_DOUBLE_EQ(a.tabPositions()[1].position, 210.0);
    const QTextBlockFormat b = doc->begin().next().blockFormat();
    EXPECT_EQ(b.alignment(), Qt::AlignJustify);
    EXPECT_EQ(b.lineHeightType(), QTextBlockFormat::FixedHeight);
    EXPECT_EQ(doc->lastBlock().blockFormat().alignment(), Qt::AlignLeft);
}

TEST(RtfReader, PageBreaks)
{
    const auto doc = readRtf(R"({\rtf1 a\page b\par\page c\par\pard\pagebb d\par e})");
    std::vector<bool> breaks;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        breaks.push_back(b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
    EXPECT_EQ(plainText(*doc), QStringLiteral("a\nb\nc\nd\ne\n"));
    EXPECT_EQ(breaks, (std::vector<bool>{false, true, true, true, true}));
}

TEST(RtfReader, HyperlinkFieldsBecomeAnchors)
{
    const auto doc = readRtf(
        R"({\rtf1 {\field{\*\fldinst{HYPERLINK "https://a.org/x"}}{\fldrslt{\ul one}}} )"
        R"({\field{\*\fldinst HYPERLINK \\l "top"}{\fldrslt two}} {\field{\*\fldinst PAGE}{\fldrslt 3}}})");
    EXPECT_EQ(
        formatOf(*doc, QStringLiteral("one")).anchorHref(), QStringLiteral("https://a.org/x"));
    EXPECT_EQ(formatOf(*doc, QStringLiteral("two")).anchorHref(), QStringLiteral("#top"));
    EXPECT_FALSE(formatOf(*doc, QStringLiteral("3")).isAnchor());
}

TEST(RtfReader, HyperlinkInstructions)
{
    EXPECT_EQ(rtf::hyperlinkTarget(QStringLiteral(" HYPERLINK \"http://x.org/a b\" ")),
        QStringLiteral("http://x.org/a b"));
    EXPECT_EQ(rtf::hyperlinkTarget(QStringLiteral("HYPERLINK \\o \"tip\" http://y.org")),
        QStringLiteral("http://y.org"));
    EXPECT_EQ(rtf::hyperlinkTarget(QStringLiteral("hyperlink \"f.htm\" \\l \"s2\"")),
        QStringLiteral("f.htm#s2"));
    EXPECT_EQ(rtf::hyperlinkTarget(QStringLiteral("PAGEREF x")), QString());
    EXPECT_EQ(rtf::hyperlinkTarget(QStringLiteral("HYPERLINK \"unterminated")),
        QStringLiteral("unterminated"));
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

struct PictureCase {
    const char* name;
    QByteArray rtf;
    QSizeF size; // expected size in the document, 96-dpi pixels
};

std::vector<PictureCase> pictureCases()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::green);
    const QByteArray png = encoded(image, "PNG");
    const QByteArray dib = encoded(image, "BMP").mid(14);
    return {
        {"PngHexWithGoal",
            "{\\rtf1{\\pict\\pngblip\\picw4\\pich3\\picwgoal1500\\pichgoal750 " + png.toHex()
                + "}}",
            {100, 50}},
        {"PngBinary",
            "{\\rtf1{\\pict\\pngblip\\bin" + QByteArray::number(png.size()) + " " + png + "}}",
            {4, 3}},
        {"JpegScaled",
            "{\\rtf1{\\pict\\jpegblip\\picscalex200\\picscaley50 " + encoded(image, "JPEG").toHex()
                + "}}",
            {8, 1.5}},
        {"DeviceIndependentBitmap",
            "{\\rtf1{\\pict\\dibitmap0\\picwgoal60\\pichgoal45 " + dib.toHex() + "}}", {4, 3}},
        {"InsideShapePicture",
            "{\\rtf1{\\*\\shppict{\\pict\\pngblip " + png.toHex()
                + "}}{\\nonshppict{\\pict\\wmetafile8 00}}}",
            {4, 3}},
    };
}

class ReaderPicture : public ::testing::TestWithParam<PictureCase> { };

TEST_P(ReaderPicture, BecomesImageResource)
{
    const auto doc = readRtf(GetParam().rtf);
    ASSERT_EQ(doc->characterCount(), 2) << "one object character";
    QTextCursor c(doc.get());
    c.setPosition(1);
    const QTextImageFormat f = c.charFormat().toImageFormat();
    ASSERT_TRUE(f.isValid());
    EXPECT_DOUBLE_EQ(f.width(), GetParam().size.width());
    EXPECT_DOUBLE_EQ(f.height(), GetParam().size.height());
    const QImage stored
        = doc->resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
    EXPECT_EQ(stored.size(), QSize(4, 3));
}

INSTANTIATE_TEST_SUITE_P(Rtf, ReaderPicture, ::testing::ValuesIn(pictureCases()),
    [](const auto& c) { return std::string(c.param.name); });

TEST(RtfReader, UnsupportedAndBrokenPicturesSkipped)
{
    EXPECT_EQ(plainText(*readRtf(
                  R"({\rtf1 a{\pict\wmetafile8 0102}b{\pict\pngblip 00ff}c{\pict\dibitmap 00}})")),
        QStringLiteral("abc\n"));
}

TEST(RtfReader, HundredThousandNestedGroupsEndQuickly)
{
    QElapsedTimer timer;
    timer.start();
    const QByteArray deep
        = "{\\rtf1 " + QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "y}";
    EXPECT_EQ(plainText(*readRtf(deep)), QStringLiteral("xy\n"));
    const QByteArray open = "{\\rtf1 " + QByteArray(100000, '{') + "\\b x";
    EXPECT_EQ(plainText(*readRtf(open)), QStringLiteral("x\n"));
    EXPECT_LT(timer.elapsed(), 5000);
}

} // namespace
} // namespace corvane::test
