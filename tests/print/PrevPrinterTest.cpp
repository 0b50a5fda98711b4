// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrevPrinter.h"
#include "PageCapture.h"
#include "TestSupport.h"
#include "platform/CorvaneError.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::capturedText;
using test::TextRun;

// Pages holding only their page numbers.
void makePages(TPreviewPrinter& printer, int count)
{
    printer.BeginDoc();
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            printer.NewPage();
        printer.DrawHeaderFooter(i + 1);
    }
    printer.EndDoc();
}

int pdfPageCount(const QString& path)
{
    const QByteArray pdf = test::readBytes(path);
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(pdf).count(page));
}

const TextRun* findRun(const QVector<TextRun>& runs, const QString& text)
{
    for (const TextRun& r : runs)
        if (r.text == text)
            return &r;
    return nullptr;
}

TEST(PrevPrinter, PageNumberPlacement)
{
    struct Case {
        TPrintPageNumber where;
        double topInches; // of the page number's line, from the paper's top; < 0 for none
    };
    const Case cases[] = {
        {TPrintPageNumber::pnBottom, 11 - 0.75},
        {TPrintPageNumber::pnTop, 0.5},
        {TPrintPageNumber::pnNone, -1},
    };
    for (const Case& c : cases) {
        TPreviewPrinter printer;
        printer.TextOptions().PrintPageNumber = c.where;
        makePages(printer, 1);
        ASSERT_EQ(printer.PageCount(), 1);
        const PagePicture& page = printer.Pages(0);
        EXPECT_EQ(page.width, qRound(8.5 * page.ppiX)); // no printer: US Letter
        EXPECT_EQ(page.height, 11 * page.ppiY);
        const QVector<TextRun> runs = capturedText(page);
        const TextRun* number = findRun(runs, QStringLiteral("Page 1"));
        if (c.topInches < 0) {
            EXPECT_EQ(number, nullptr);
            continue;
        }
        ASSERT_NE(number, nullptr) << int(c.where);
        RecordingPicture device; // measures as the page's canvas did
        device.setDevice(page.ppiX, page.ppiY, page.width, page.height);
        TPreviewMetafileCanvas canvas(device);
        canvas.setFont(printer.TextOptions().PageNumFont);
        const QFontMetrics fm = canvas.fontMetrics();
        EXPECT_NEAR(number->origin.y() - fm.ascent(), c.topInches * page.ppiY, 1.0);
        EXPECT_NEAR(number->origin.x() + fm.horizontalAdvance(number->text), page.width - page.ppiX,
            1.0); // right-aligned to the one-inch margin
    }
}

TEST(PrevPrinter, UnusedPagesAreDropped)
{
    TPreviewPrinter printer;
    auto log = std::make_shared<QStringList>();
    printer.SetOnStatus([log](QObject*, const QString& text, int page, TStatusType) {
        *log << QStringLiteral("%1 %2").arg(text).arg(page);
    });
    printer.BeginDoc();
    printer.EndDoc();
    EXPECT_EQ(printer.PageCount(), 0);
    printer.BeginDoc();
    printer.Canvas().drawText(QPoint(100, 100), QStringLiteral("one"));
    printer.NewPage();
    printer.EndDoc();
    EXPECT_EQ(printer.PageCount(), 1);
    EXPECT_EQ(test::joinedTextOf(printer.Pages(0)), QStringLiteral("one"));
    EXPECT_EQ(*log,
        QStringList({"Paginating page 1 1", "Pagination Complete -1", "Paginating page 1 1",
            "Paginating page 2 2", "Pagination Complete -1"}));
}

TEST(PrevPrinter, ContractViolationsNameTheirSource)
{
    TPreviewPrinter printer;
    auto message = [](auto&& f) {
        try {
            f();
        } catch (const CorvaneError& e) {
            return e.text();
        }
        return QString();
    };
    const QRegularExpression failure(
        QStringLiteral("^Assertion failure \\(PrevPrinter, line \\d+\\)$"));
    EXPECT_TRUE(failure.match(message([&] { printer.NewPage(); })).hasMatch());
    EXPECT_TRUE(message([&] {
        printer.Canvas();
    }).startsWith(QStringLiteral("Canvas is not available before BeginDoc (PrevPrinter, line ")));
    printer.BeginDoc();
    EXPECT_TRUE(failure.match(message([&] { printer.Preview(); })).hasMatch());
    int pos = 0;
    bool more = true;
    EXPECT_TRUE(failure
                    .match(message([&] {
                        printer.RenderRichTextRange(
                            nullptr, printer.Canvas(), QRect(0, 0, 100, 100), pos, more);
                    }))
                    .hasMatch());
    printer.EndDoc();
}

class PrintToPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_pdf = m_dir.filePath(QStringLiteral("out.pdf"));
        m_printer.printer().setOutputFormat(QPrinter::PdfFormat);
        m_printer.printer().setOutputFileName(m_pdf);
        m_printer.SetOnStatus(
            [this](QObject*, const QString& text, int, TStatusType) { m_log << text; });
        makePages(m_printer, 4);
        m_log.clear();
    }

    QTemporaryDir m_dir;
    QString m_pdf;
    TPreviewPrinter m_printer;
    QStringList m_log;
};

TEST_F(PrintToPdf, DialogRangeTwoToThreeTwice)
{
    test::DialogScript script({[](QDialog& d) {
        auto* range = d.findChild<QRadioButton*>(QStringLiteral("printRange"));
        auto* from = d.findChild<QSpinBox*>(QStringLiteral("from"));
        auto* to = d.findChild<QSpinBox*>(QStringLiteral("to"));
        auto* copies = d.findChild<QSpinBox*>(QStringLiteral("copies"));
        ASSERT_TRUE(range && from && to && copies);
        range->setChecked(true);
        to->setValue(3);
        from->setValue(2);
        copies->setValue(2);
        d.accept();
    }});
    EXPECT_TRUE(m_printer.PrintWithDialog());
    EXPECT_EQ(m_log,
        QStringList({"Printing page 1", "Printing page 2", "Printing page 1", "Printing page 2",
            "Print Job Complete"}));
    EXPECT_EQ(pdfPageCount(m_pdf), 4);
}

TEST_F(PrintToPdf, DialogAllPagesAndCancel)
{
    {
        test::DialogScript script({test::acceptDialog()});
        EXPECT_TRUE(m_printer.PrintWithDialog());
    }
    EXPECT_EQ(m_log.size(), 5);
    EXPECT_EQ(pdfPageCount(m_pdf), 4);
    m_log.clear();
    test::DialogScript script({test::rejectDialog()});
    EXPECT_FALSE(m_printer.PrintWithDialog());
    EXPECT_TRUE(m_log.isEmpty());
}

TEST_F(PrintToPdf, EmptyRangeStartsAndEndsAJob)
{
    EXPECT_TRUE(m_printer.PrintRange(2, 1));
    EXPECT_EQ(m_log, QStringList({"Print Job Complete"}));
    EXPECT_TRUE(QFile::exists(m_pdf));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(PrintToPdf, FailedJobRestoresTheCursor)
{
    m_printer.printer().setOutputFileName(m_dir.filePath(QStringLiteral("no/such/dir/x.pdf")));
    EXPECT_THROW(m_printer.PrintAll(), CorvaneError);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Pages laid out for a 1200-dpi PDF printer as if it were installed.
TEST_F(PrintToPdf, PagesRecordedForTheInstalledPrinter)
{
    m_printer.setPrinterProbe([] { return true; });
    m_printer.printer().setPageSize(QPageSize(QPageSize::Letter));
    makePages(m_printer, 2);
    const int res = m_printer.printer().resolution();
    EXPECT_EQ(m_printer.PixelsPerInchX(), res);
    EXPECT_EQ(m_printer.PageWidth(), qRound(8.5 * res));
    EXPECT_EQ(m_printer.Pages(1).height, 11 * res);
    EXPECT_TRUE(m_printer.PrintAll());
    EXPECT_EQ(pdfPageCount(m_pdf), 2);
}

} // namespace
} // namespace corvane
