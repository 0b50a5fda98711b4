// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "PageCapture.h"
#include "platform/CorvaneError.h"
#include "print/PrevPrinter.h"
#include "richedit/RichEdit.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextImageFormat>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::capturedText;
using test::joinedTextOf;

QString lines(const QString& word, int count)
{
    QStringList l;
    for (int i = 1; i <= count; ++i)
        l << QStringLiteral("%1 line %2").arg(word).arg(i);
    return l.join(QLatin1Char('\n'));
}

QString withoutBlanks(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("[\\s\\x{a0}\\x{2029}\\x{2028}\\x{fffc}]")));
    return text;
}

QStringList bodyTexts(const TPreviewPrinter& printer, bool visibleOnly = true)
{
    QStringList pages;
    for (int i = 0; i < printer.PageCount(); ++i)
        pages << test::joinedText(capturedText(printer.Pages(i), visibleOnly));
    return pages;
}

QStringList pageNumbers(const TPreviewPrinter& printer)
{
    QStringList numbers;
    for (int i = 0; i < printer.PageCount(); ++i)
        for (const test::TextRun& r : capturedText(printer.Pages(i)))
            if (r.text.startsWith(QStringLiteral("Page ")))
                numbers << r.text;
    return numbers;
}

class Pagination : public ::testing::Test {
protected:
    void paginate(const QString& text)
    {
        m_source.setPlainText(text);
        m_printer.PaginateRichText(m_source);
    }
    int linesPerPage()
    {
        m_printer.TextOptions().PrintPageNumber = TPrintPageNumber::pnNone;
        paginate(lines(QStringLiteral("probe"), 300));
        m_printer.TextOptions().PrintPageNumber = TPrintPageNumber::pnBottom;
        return int(capturedText(m_printer.Pages(0)).size());
    }

    TRichEdit m_source;
    TPreviewPrinter m_printer;
    const QString m_marker = TPreviewPrinter::pageBreakMarker();
};

TEST_F(Pagination, MarkerStartsANewPageAndIsNotPrinted)
{
    EXPECT_EQ(m_marker.size(), 352);
    EXPECT_EQ(m_marker.front(), QChar(0x60));
    EXPECT_EQ(m_marker.back(), QChar(0xB4));
    m_printer.TextOptions().PrintPageNumber = TPrintPageNumber::pnNone;
    paginate(QStringLiteral("alpha\n") + m_marker + QStringLiteral("\nbeta"));
    EXPECT_EQ(bodyTexts(m_printer), QStringList({"alpha", "beta"}));
    EXPECT_EQ(m_source.selectionLength(), 0);
    EXPECT_EQ(m_source.textCursor().position(), 0);
    EXPECT_EQ(m_source.window()->findChild<TRichEdit*>(QStringLiteral("PrxEdit")), nullptr);
}

TEST_F(Pagination, EmptySectionsStillGetAPage)
{
    struct Case {
        QString text;
        QStringList pages;
    };
    const Case cases[] = {
        {QString(), {""}},
        {QStringLiteral("a\n") + m_marker, {"a", ""}},
        {QStringLiteral("a\n") + m_marker + QStringLiteral("\n") + m_marker + QStringLiteral("\nb"),
            {"a", "", "b"}},
    };
    for (const Case& c : cases) {
        m_printer.TextOptions().PrintPageNumber = TPrintPageNumber::pnNone;
        paginate(c.text);
        EXPECT_EQ(bodyTexts(m_printer), c.pages);
        m_printer.TextOptions().PrintPageNumber = TPrintPageNumber::pnBottom;
        paginate(c.text);
        EXPECT_EQ(pageNumbers(m_printer).size(), c.pages.size());
    }
}

TEST_F(Pagination, SectionsAreNumberedOnWithHeaderAndFooter)
{
    const int perPage = linesPerPage();
    ASSERT_GT(perPage, 20);
    m_printer.TextOptions().Header = QStringLiteral("Head");
    m_printer.TextOptions().Footer = QStringLiteral("Foot");
    paginate(lines(QStringLiteral("long"), perPage * 5 / 2) + QStringLiteral("\n") + m_marker
        + QStringLiteral("\nshort"));
    ASSERT_EQ(m_printer.PageCount(), 4);
    EXPECT_EQ(pageNumbers(m_printer), QStringList({"Page 1", "Page 2", "Page 3", "Page 4"}));
    for (int i = 0; i < 4; ++i) {
        const QString text = joinedTextOf(m_printer.Pages(i));
        EXPECT_TRUE(text.startsWith(QStringLiteral("Head"))) << i;
        EXPECT_TRUE(text.contains(QStringLiteral("Foot"))) << i;
    }
    m_printer.SetPageStartNo(4);
    paginate(lines(QStringLiteral("long"), perPage * 3 / 2));
    EXPECT_EQ(pageNumbers(m_printer), QStringList({"Page 5", "Page 6"}));
}

// A long section travels in chunks, which keeps Qt's layout within its limits at printer
// resolution; a chunk larger than a page leaves the pages as they were.
TEST_F(Pagination, ChunksKeepThePages)
{
    m_printer.TextOptions().PrintPageNumber = TPrintPageNumber::pnNone;
    QStringList pages[2];
    for (const int i : {0, 1}) {
        m_printer.setSectionChunk(i == 0 ? 1000000 : 5000);
        QStringList paragraphs; // some longer than a page, so pages end inside them
        for (int p = 0; p < 20; ++p)
            paragraphs << QStringLiteral("word%1 ").arg(p).repeated(100 + 100 * (p % 5));
        paginate(paragraphs.join(QLatin1Char('\n')));
        pages[i] = bodyTexts(m_printer);
    }
    EXPECT_GT(pages[0].size(), 5);
    EXPECT_EQ(pages[1], pages[0]);
}

TEST_F(Pagination, MarginsAreInchesWhateverTheUnits)
{
    m_printer.SetUnits(TUnits::unCentimeters);
    m_printer.TextOptions().PrintPageNumber = TPrintPageNumber::pnNone;
    paginate(QStringLiteral("margin"));
    EXPECT_EQ(m_printer.Units(), TUnits::unCentimeters);
    EXPECT_DOUBLE_EQ(m_printer.UnitFactor(), 2.54);
    const QVector<test::TextRun> runs = capturedText(m_printer.Pages(0));
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0].origin.x(), m_printer.PixelsPerInchX());
    EXPECT_GT(runs[0].origin.y(), m_printer.PixelsPerInchY());
    // An error on the way leaves units, cursor and the work control as they were.
    m_printer.SetOnStatus([](QObject*, const QString&, int page, TStatusType) {
        if (page == 2)
            throw CorvaneError(QStringLiteral("stop"));
    });
    EXPECT_THROW(paginate(lines(QStringLiteral("long"), 400)), CorvaneError);
    EXPECT_EQ(m_printer.Units(), TUnits::unCentimeters);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(m_source.findChild<TRichEdit*>(QStringLiteral("PrxEdit")), nullptr);
}

TEST_F(Pagination, PictureTallerThanThePageEnds)
{
    QImage tall(50, 3000, QImage::Format_RGB32);
    tall.fill(Qt::blue);
    m_source.clear();
    m_source.document()->addResource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("tall")), tall);
    QTextCursor c(m_source.document());
    c.insertText(QStringLiteral("before"));
    c.insertBlock();
    QTextImageFormat image;
    image.setName(QStringLiteral("tall"));
    c.insertImage(image);
    c.insertBlock();
    c.insertText(QStringLiteral("after"));
    m_printer.TextOptions().PrintPageNumber = TPrintPageNumber::pnNone;
    m_printer.PaginateRichText(m_source);
    ASSERT_GE(m_printer.PageCount(), 2);
    ASSERT_LE(m_printer.PageCount(), 3);
    EXPECT_EQ(withoutBlanks(bodyTexts(m_printer).join(QString())), QStringLiteral("beforeafter"));
}

// A picture of the RTF file reaches the page, not the placeholder of a missing one.
TEST_F(Pagination, PicturesTravelWithTheirSection)
{
    QImage red(60, 60, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "PNG");
    m_source.loadFromBytes(
        "{\\rtf1\\ansi text\\par{\\pict\\pngblip\\picw60\\pich60 " + png.toHex() + "}\\par}");
    QTemporaryDir dir;
    for (const bool pdfPrinter : {true, false}) { // the screen, or a 1200-dpi printer
        m_printer.setPrinterProbe([pdfPrinter] { return pdfPrinter; });
        if (pdfPrinter) { // a PDF printer chosen before the pages are made
            m_printer.printer().setOutputFormat(QPrinter::PdfFormat);
            m_printer.printer().setOutputFileName(dir.filePath(QStringLiteral("out.pdf")));
        }
        m_printer.PaginateRichText(m_source);
        if (pdfPrinter) { // the PDF holds the picture, not a 16-pixel placeholder
            m_printer.PrintAll();
            QFile pdf(dir.filePath(QStringLiteral("out.pdf")));
            ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
            EXPECT_TRUE(pdf.readAll().contains("/Width 60"));
        }
        const PagePicture& page = m_printer.Pages(0);
        const double scale = 96.0 / page.ppiX;
        QImage image(qRound(page.width * scale), qRound(page.height * scale), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(scale, scale);
        replayPage(painter, page);
        painter.end();
        int redPixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                redPixels += image.pixel(x, y) == qRgb(255, 0, 0);
        EXPECT_GT(redPixels, 30 * 30) << pdfPrinter;
    }
}

// Every line of every sample document lands on exactly one page.
// Also when the work control takes only a few dozen characters at a time.
TEST(PaginationCorpus, NoTextLostOrDoubled)
{
    const QDir dir(QStringLiteral(CORVANE_TESTDATA "/rtf"));
    const QStringList files = dir.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        TRichEdit source;
        source.loadFromFile(dir.filePath(name));
        const QString text = withoutBlanks(source.document()->toRawText());
        for (const int chunk : {20000, 40}) {
            TPreviewPrinter printer;
            printer.TextOptions().PrintPageNumber = TPrintPageNumber::pnNone;
            printer.setSectionChunk(chunk);
            printer.PaginateRichText(source);
            // Hidden text would still be found by a search in a PDF.
            for (const bool visibleOnly : {true, false})
                EXPECT_EQ(withoutBlanks(bodyTexts(printer, visibleOnly).join(QString())), text)
                    << name.toStdString() << " " << chunk << (visibleOnly ? " visible" : "");
        }
    }
}

} // namespace
} // namespace corvane
