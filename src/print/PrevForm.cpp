// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The preview window's construction, its set-up by the printer and its localised texts.
#include "PrevForm.h"

#include "PaintBox.h"
#include "ToolGlyphs.h"
#include "common/CommaText.h"
#include "platform/ErrorHandler.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

namespace corvane {

namespace {
const QStringList kZoomEntries{QStringLiteral("Fit To Page"), QStringLiteral("Fit To Width"),
    QStringLiteral("Custom"), QStringLiteral("25%"), QStringLiteral("50%"), QStringLiteral("75%"),
    QStringLiteral("100%"), QStringLiteral("125%"), QStringLiteral("150%"), QStringLiteral("200%"),
    QStringLiteral("300%"), QStringLiteral("400%")};
constexpr int kButtonTop = 6;
constexpr int kButtonHeight = 29;

void setHint(QAbstractButton* button, const QString& hint)
{
    button->setToolTip(hint);
    if (button->text().isEmpty())
        button->setAccessibleName(hint);
}

QFrame* pagePanel(const char* name, QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(pal);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    return panel;
}
} // namespace

TPreviewForm::TPreviewForm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PreviewForm"));
    setWindowTitle(QStringLiteral("Preview Form"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    createToolBar();
    createPageArea();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBarPanel);
    layout->addWidget(ScrollBox1, 1);
    connectHandlers();
    // FormCreate
    selectZoomEntry(zeFitToPage);
    // Without a window manager nothing would act on the maximised state.
    if (const QScreen* s = screen())
        resize(s->availableGeometry().size());
    setWindowState(Qt::WindowMaximized);
    ZoomCursorButClick();
}

TPreviewForm::~TPreviewForm() = default;

QToolButton* TPreviewForm::toolButton(const char* name, int left, int width, const QString& hint)
{
    auto* b = new QToolButton(ToolBarPanel);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(left, kButtonTop, width, kButtonHeight);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRaise(true);
    b->setIconSize(QSize(20, 20));
    setHint(b, hint);
    return b;
}

void TPreviewForm::createToolBar()
{
    ToolBarPanel = new QFrame(this);
    ToolBarPanel->setObjectName(QStringLiteral("ToolBarPanel"));
    ToolBarPanel->setFixedHeight(41);
    ToolBarPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ToolBarPanel->setFont(QFont(QStringLiteral("Arial"), 8));
    createPageButtons();
    createViewButtons();
    setGlyphs();
    setGroups();
}

void TPreviewForm::createPageButtons()
{
    PageBox = new QGroupBox(QStringLiteral("Page"), ToolBarPanel);
    PageBox->setObjectName(QStringLiteral("PageBox"));
    PageBox->setGeometry(6, 0, 55, 39);
    CurPageLabel = new QLabel(PageBox);
    CurPageLabel->setObjectName(QStringLiteral("CurPageLabel"));
    CurPageLabel->setAlignment(Qt::AlignCenter);
    auto* pageLayout = new QVBoxLayout(PageBox);
    pageLayout->setContentsMargins(1, 0, 1, 1);
    pageLayout->addWidget(CurPageLabel);
    FirstPageSpeed
        = toolButton("FirstPageSpeed", 65, 25, QStringLiteral("Go to First Page in Document"));
    PrevPageSpeed
        = toolButton("PrevPageSpeed", 89, 25, QStringLiteral("Move to Previous Page in Document"));
    NextPageSpeed
        = toolButton("NextPageSpeed", 113, 25, QStringLiteral("Advance to Next Page in Document"));
    LastPageSpeed
        = toolButton("LastPageSpeed", 137, 25, QStringLiteral("Go to Last Page in Document"));
}

void TPreviewForm::createViewButtons()
{
    ZoomBox = new QComboBox(ToolBarPanel);
    ZoomBox->setObjectName(QStringLiteral("ZoomBox"));
    ZoomBox->setGeometry(168, 9, 113, 23);
    ZoomBox->addItems(kZoomEntries);
    FitPageBut = toolButton("FitPageBut", 288, 33, QStringLiteral("Fit to Page"));
    FitWidthBut = toolButton("FitWidthBut", 324, 33, QStringLiteral("Fit to Width"));
    PrintBut = new QPushButton(ToolBarPanel);
    PrintBut->setObjectName(QStringLiteral("PrintBut"));
    PrintBut->setGeometry(360, kButtonTop - 1, 33, 30);
    setHint(PrintBut, QStringLiteral("Print all"));
    GridBut = toolButton("GridBut", 395, 33, QStringLiteral("Turns Grid On/Off"));
    ZoomCursorBut = toolButton(
        "ZoomCursorBut", 432, 33, QStringLiteral("Selects the Zoom Tool to zoom in or out"));
    OnePageBut = toolButton("OnePageBut", 475, 22, QStringLiteral("Display One page at a time"));
    TwoPageBut
        = toolButton("TwoPageBut", 499, 22, QStringLiteral("Display Two pages side by side"));
    OnePageBut->setText(QStringLiteral("&1"));
    TwoPageBut->setText(QStringLiteral("&2"));
    CloseBut = new QPushButton(QStringLiteral("Exit"), ToolBarPanel);
    CloseBut->setObjectName(QStringLiteral("CloseBut"));
    CloseBut->setGeometry(528, kButtonTop - 1, 97, 30);
    CloseBut->setToolTip(QStringLiteral("Close Window"));
    CloseBut->setAutoDefault(false);
    PrintBut->setAutoDefault(false);
}

void TPreviewForm::setGlyphs()
{
    const std::array<std::pair<QAbstractButton*, ToolGlyph>, 10> glyphs{
        {{FirstPageSpeed, ToolGlyph::First}, {PrevPageSpeed, ToolGlyph::Prev},
            {NextPageSpeed, ToolGlyph::Next}, {LastPageSpeed, ToolGlyph::Last},
            {FitPageBut, ToolGlyph::FitPage}, {FitWidthBut, ToolGlyph::FitWidth},
            {PrintBut, ToolGlyph::Printer}, {GridBut, ToolGlyph::Grid},
            {ZoomCursorBut, ToolGlyph::Magnifier}, {CloseBut, ToolGlyph::Exit}}};
    for (const auto& [button, glyph] : glyphs) {
        button->setIcon(toolGlyph(glyph));
        button->setIconSize(QSize(20, 20));
    }
}

void TPreviewForm::setGroups()
{
    for (QToolButton* b : {FitPageBut, FitWidthBut, GridBut, ZoomCursorBut, OnePageBut, TwoPageBut})
        b->setCheckable(true);
    // Group 2 (the zoom tool) and group 3 (one or two pages) always keep one button down.
    auto* zoomGroup = new QButtonGroup(this);
    zoomGroup->addButton(ZoomCursorBut);
    auto* pagesGroup = new QButtonGroup(this);
    pagesGroup->addButton(OnePageBut);
    pagesGroup->addButton(TwoPageBut);
    ZoomCursorBut->setChecked(true);
    OnePageBut->setChecked(true);
}

void TPreviewForm::createPageArea()
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(false);
    ContainPanel = new QWidget;
    ContainPanel->setObjectName(QStringLiteral("ContainPanel"));
    ContainPanel->setAutoFillBackground(true);
    QPalette pal = ContainPanel->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Dark)); // the button-shadow grey
    ContainPanel->setPalette(pal);
    PagePanel = pagePanel("PagePanel", ContainPanel);
    PagePanel2 = pagePanel("PagePanel2", ContainPanel);
    PB1 = new PaintBox(PagePanel);
    PB1->setObjectName(QStringLiteral("PB1"));
    PagePanel->layout()->addWidget(PB1);
    PB2 = new PaintBox(PagePanel2);
    PB2->setObjectName(QStringLiteral("PB2"));
    PagePanel2->layout()->addWidget(PB2);
    PagePanel2->hide();
    ScrollBox1->setWidget(ContainPanel);
}

void TPreviewForm::connectHandlers()
{
    auto on = [this](QAbstractButton* b, void (TPreviewForm::*handler)()) {
        connect(b, &QAbstractButton::clicked, this, guard([this, handler] { (this->*handler)(); }));
    };
    on(FirstPageSpeed, &TPreviewForm::FirstPageSpeedClick);
    on(PrevPageSpeed, &TPreviewForm::PrevPageButClick);
    on(NextPageSpeed, &TPreviewForm::NextPageButClick);
    on(LastPageSpeed, &TPreviewForm::LastPageSpeedClick);
    on(FitPageBut, &TPreviewForm::FitPageButClick);
    on(FitWidthBut, &TPreviewForm::FitWidthButClick);
    on(PrintBut, &TPreviewForm::PrintButClick);
    on(GridBut, &TPreviewForm::GridButClick);
    on(ZoomCursorBut, &TPreviewForm::ZoomCursorButClick);
    on(OnePageBut, &TPreviewForm::ScrollBox1Resize);
    on(TwoPageBut, &TPreviewForm::TwoPageButClick);
    on(CloseBut, &TPreviewForm::CloseButClick);
    connect(ZoomBox, &QComboBox::activated, this, guard([this] { ZoomBoxChange(); }));
    OnePageBut->installEventFilter(this);
    ScrollBox1->installEventFilter(this);
    PB1->setPaintHandler([this](PaintBox& box, QPainter& p) { PBPaint(box, p); });
    PB2->setPaintHandler([this](PaintBox& box, QPainter& p) { PBPaint(box, p); });
    PB1->setPressHandler([this](Qt::MouseButtons b, const QPoint& at) { PB1MouseDown(b, at); });
}

bool TPreviewForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ScrollBox1 && event->type() == QEvent::Resize)
        guarded([this] { ScrollBox1Resize(); });
    // Runs before the button goes down and reports its click.
    if (watched == OnePageBut && event->type() == QEvent::MouseButtonRelease)
        guarded([this] { OnePageButMouseUp(); });
    return QDialog::eventFilter(watched, event);
}

void TPreviewForm::setUp(bool showGrid, TZoomOption option, int zoomVal)
{
    GridBut->setChecked(showGrid);
    switch (option) {
    case TZoomOption::zoFitToPage:
        selectZoomEntry(zeFitToPage);
        break;
    case TZoomOption::zoFitToWidth:
        selectZoomEntry(zeFitToWidth);
        break;
    case TZoomOption::zoTwoPages:
        TwoPageBut->setChecked(true);
        break;
    case TZoomOption::zoCustom: // the zoom the caller asked for, in per cent
        m_zoom = zoomVal / 100.0;
        selectZoomEntry(zeCustom);
        break;
    }
}

void TPreviewForm::setPageCaption(const QString& caption)
{
    PageBox->setTitle(caption);
}

void TPreviewForm::applyTexts(const QStringList& texts)
{
    const std::array<QAbstractButton*, 12> hinted{FirstPageSpeed, LastPageSpeed, PrevPageSpeed,
        NextPageSpeed, FitPageBut, FitWidthBut, PrintBut, GridBut, ZoomCursorBut, OnePageBut,
        TwoPageBut, CloseBut};
    const int n = int(texts.size());
    for (int i = 0; i < std::min(n, 12); ++i)
        setHint(hinted[std::size_t(i)], texts[i]);
    if (n > 12)
        CloseBut->setText(texts[12]);
    if (n > 13)
        setWindowTitle(texts[13]);
    if (n > 14) { // only a list that is there replaces the built-in one
        ZoomBox->clear();
        ZoomBox->addItems(commaTextSplit(texts[14]));
        ZoomBox->setCurrentIndex(-1);
    }
}

void TPreviewForm::selectZoomEntry(int index)
{
    ZoomBox->setCurrentIndex(index);
}

void TPreviewForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded([this] { FormShow(); });
}

} // namespace corvane
