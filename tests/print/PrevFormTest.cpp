// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrevForm.h"
#include "TestSupport.h"
#include "common/CommaText.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace corvane {
namespace {

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

class PreviewForm : public ::testing::Test {
protected:
    void open(int pages)
    {
        makePages(m_printer, pages);
        m_form.setPreviewPrinter(&m_printer);
        m_form.setUp(false, TZoomOption::zoFitToPage, 100);
        m_form.ScrollBox1Resize();
        m_form.show();
        QCoreApplication::processEvents();
    }
    template <typename T> T* child(const char* name)
    {
        T* w = m_form.findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString label() { return child<QLabel>("CurPageLabel")->text(); }
    QVector<bool> navEnabled()
    {
        QVector<bool> on;
        for (const char* n : {"FirstPageSpeed", "PrevPageSpeed", "NextPageSpeed", "LastPageSpeed"})
            on << child<QToolButton>(n)->isEnabled();
        return on;
    }
    void pickZoom(int entry)
    {
        auto* box = child<QComboBox>("ZoomBox");
        box->setCurrentIndex(entry);
        Q_EMIT box->activated(entry);
    }
    void clickPage(Qt::MouseButtons buttons)
    {
        QWidget* pb = child<QWidget>("PB1");
        const QPointF at(pb->width() / 2, pb->height() / 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, pb->mapToGlobal(at),
            Qt::MouseButton(int(buttons) & -int(buttons)), buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(pb, &press);
    }
    bool twoPagesShown() { return child<QWidget>("PagePanel2")->isVisible(); }

    TPreviewPrinter m_printer;
    TPreviewForm m_form;
};

TEST_F(PreviewForm, NavigationOnASinglePage)
{
    open(1);
    EXPECT_EQ(label(), QStringLiteral(" 1/1"));
    EXPECT_EQ(navEnabled(), QVector<bool>({false, false, false, false}));
}

TEST_F(PreviewForm, NavigationThroughThreePages)
{
    open(3);
    EXPECT_EQ(navEnabled(), QVector<bool>({false, false, true, true}));
    child<QToolButton>("NextPageSpeed")->click();
    EXPECT_EQ(label(), QStringLiteral(" 2/3"));
    EXPECT_EQ(navEnabled(), QVector<bool>({true, true, true, true}));
    child<QToolButton>("LastPageSpeed")->click();
    EXPECT_EQ(label(), QStringLiteral(" 3/3"));
    EXPECT_EQ(navEnabled(), QVector<bool>({true, true, false, false}));
    child<QToolButton>("PrevPageSpeed")->click();
    child<QToolButton>("FirstPageSpeed")->click();
    EXPECT_EQ(m_form.CurrentPage(), 0);
}

TEST_F(PreviewForm, SecondBoxOnTheLastPageShowsOnlyTheGrid)
{
    open(2);
    child<QToolButton>("TwoPageBut")->click();
    child<QToolButton>("LastPageSpeed")->click();
    ASSERT_TRUE(twoPagesShown());
    auto hasGrey = [this] {
        const QImage image = child<QWidget>("PB2")->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return true;
        return false;
    };
    EXPECT_FALSE(hasGrey());
    child<QToolButton>("GridBut")->click();
    EXPECT_TRUE(hasGrey());
}

TEST_F(PreviewForm, TwoPagesOnlyWithFitToPage)
{
    open(3);
    auto* zoom = child<QComboBox>("ZoomBox");
    child<QToolButton>("TwoPageBut")->click();
    EXPECT_TRUE(twoPagesShown());
    pickZoom(zeFitToPage);
    EXPECT_TRUE(twoPagesShown());
    for (const int entry : {int(zeFitToWidth), int(zeCustom), zeFirstPercent + 3}) {
        child<QToolButton>("TwoPageBut")->click();
        EXPECT_EQ(zoom->currentIndex(), zeFitToPage);
        EXPECT_TRUE(child<QToolButton>("FitPageBut")->isChecked());
        pickZoom(entry);
        EXPECT_FALSE(twoPagesShown()) << entry;
        EXPECT_TRUE(child<QToolButton>("OnePageBut")->isChecked());
    }
    EXPECT_DOUBLE_EQ(m_form.Zoom(), 1.0);
    auto* one = child<QToolButton>("OnePageBut");
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), one->mapToGlobal(QPointF(5, 5)),
        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(one, &release);
    EXPECT_EQ(zoom->currentIndex(), zeFitToPage);
}

TEST_F(PreviewForm, ClicksZoomByHalf)
{
    open(1);
    auto* zoom = child<QComboBox>("ZoomBox");
    pickZoom(zeFirstPercent + 3); // 100 %
    clickPage(Qt::LeftButton);
    EXPECT_DOUBLE_EQ(m_form.Zoom(), 1.5);
    EXPECT_EQ(zoom->currentText(), QStringLiteral("Custom"));
    EXPECT_EQ(child<QWidget>("PagePanel")->width(), int(m_form.logicalDpiY() * 1.5 * 8.5));
    pickZoom(zeCustom);
    EXPECT_DOUBLE_EQ(m_form.Zoom(), 1.5);
    pickZoom(zeFirstPercent + 3);
    clickPage(Qt::RightButton);
    EXPECT_NEAR(m_form.Zoom(), 0.6667, 1e-4);
    clickPage(Qt::LeftButton | Qt::RightButton);
    EXPECT_NEAR(m_form.Zoom(), 0.6667, 1e-4);
}

TEST_F(PreviewForm, LocalisedZoomEntriesWaitForTheNextLayout)
{
    open(1);
    QStringList texts(14, QStringLiteral("x"));
    texts << QStringLiteral("\"Ganze Seite\",Seitenbreite,Benutzerdefiniert,25%,50%,75%,100%,"
                            "125%,150%,200%,300%,400%");
    m_form.applyTexts(texts);
    auto* zoom = child<QComboBox>("ZoomBox");
    EXPECT_EQ(zoom->count(), 12);
    EXPECT_EQ(zoom->currentIndex(), -1);
    m_form.ScrollBox1Resize();
    EXPECT_EQ(zoom->currentText(), QStringLiteral("Ganze Seite"));
    // A short list leaves the rest, and the zoom list, as they were.
    m_form.applyTexts({QStringLiteral("first")});
    EXPECT_EQ(child<QToolButton>("FirstPageSpeed")->toolTip(), QStringLiteral("first"));
    EXPECT_EQ(zoom->count(), 12);
}

TEST(Preview, ShowsModallyWithTheLocalisedTexts)
{
    TPreviewPrinter printer;
    makePages(printer, 2);
    printer.TextOptions().PageNumText = QStringLiteral("Seite");
    QStringList texts(12, QStringLiteral("Hinweis"));
    texts << QStringLiteral("Schließen") << QStringLiteral("Druckvorschau")
          << QStringLiteral("\"Ganze Seite\",Seitenbreite");
    printer.SetPreviewTexts(commaTextJoin(texts));
    QString pageCaption;
    QString exitText;
    test::DialogScript script({[&](QDialog& d) {
        pageCaption = d.findChild<QGroupBox*>(QStringLiteral("PageBox"))->title();
        auto* exit = d.findChild<QPushButton*>(QStringLiteral("CloseBut"));
        exitText = exit->text();
        exit->click();
    }});
    printer.Preview();
    EXPECT_EQ(script.shown(), 1);
    EXPECT_EQ(script.titles(), QStringList({"Druckvorschau"}));
    EXPECT_EQ(pageCaption, QStringLiteral("Seite"));
    EXPECT_EQ(exitText, QStringLiteral("Schließen"));
}

} // namespace
} // namespace corvane
