// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FrmMain.h"

#include "app/ProgOptions.h"
#include "app/TabIcons.h"
#include "lang/LangScript.h"
#include "lang/MessDlg.h"
#include "platform/ErrorHandler.h"
#include "platform/PageControl.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace corvane {

TFormMain* FormMain = nullptr;

namespace {
constexpr int formWidth = 289;
constexpr int pagesHeight = 153;
constexpr int exitHeight = 25;

struct PageDesign {
    const char* name;
    const char* caption;
    TabIcon icon;
};

// In page-index order; the icons come from ProgImgLst.
constexpr PageDesign pageDesign[] = {
    {"Anzeige", "Display", TabIcon::Display}, {"Eingabe", "Enter", TabIcon::Enter},
    {"Liste", "List", TabIcon::List},         {"HelpSheet", "Help", TabIcon::Help},
    {"Optionen", "Options", TabIcon::Options}, {"AboutSheet", "About", TabIcon::About},
};
} // namespace

TFormMain::TFormMain(QWidget* parent)
    : QWidget(parent)
{
    FormMain = this;
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Corvane"));
    setFixedSize(formWidth, pagesHeight + exitHeight);
    createControls();
    connectHandlers();
    guarded([this] { FormCreate(); });
}

TFormMain::~TFormMain()
{
    if (FormMain == this)
        FormMain = nullptr;
}

void TFormMain::createControls()
{
    ProgImgLst = progImageList();
    TimerControl = new TPageControl(this);
    TimerControl->setObjectName(QStringLiteral("TimerControl"));
    TimerControl->setGeometry(0, 0, formWidth, pagesHeight);
    TimerControl->setIconSize(QSize(16, 16));
    QWidget** pages[] = {&Anzeige, &Eingabe, &Liste, &HelpSheet, &Optionen, &AboutSheet};
    for (int i = 0; i < 6; ++i) {
        auto* page = new QWidget;
        page->setObjectName(QLatin1String(pageDesign[i].name));
        TimerControl->addTab(page, ProgImgLst[int(pageDesign[i].icon)],
                             QLatin1String(pageDesign[i].caption));
        TimerControl->tabBar()->setAccessibleTabName(i, QLatin1String(pageDesign[i].caption));
        *pages[i] = page;
    }
    createStartPanels();
    createExitButton();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
}

void TFormMain::createStartPanels()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    font.setBold(true);
    const std::pair<QLabel**, QWidget*> panels[] = {{&HelpStartPanel, HelpSheet},
                                                     {&OptionStartPanel, Optionen},
                                                     {&AboutStartPanel, AboutSheet}};
    const char* names[] = {"HelpStartPanel", "OptionStartPanel", "AboutStartPanel"};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(QStringLiteral("Please wait a moment...."), panels[i].second);
        panel->setObjectName(QLatin1String(names[i]));
        panel->setAlignment(Qt::AlignCenter);
        panel->setWordWrap(true);
        panel->setFont(font);
        // The panel fills its page whatever size the page takes.
        auto* layout = new QVBoxLayout(panels[i].second);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(panel);
        *panels[i].first = panel;
    }
}

void TFormMain::createExitButton()
{
    ExitButton = new QPushButton(exitButtonIcon(), QStringLiteral("Exit"), this);
    ExitButton->setObjectName(QStringLiteral("ExitButton"));
    ExitButton->setToolTip(QStringLiteral("Close program"));
    ExitButton->setGeometry(0, pagesHeight, formWidth, exitHeight);
}

void TFormMain::connectHandlers()
{
    connect(ExitButton, &QPushButton::clicked, this, guard([this] { ExitButtonClick(); }));
    connect(TimerControl, &QTabWidget::currentChanged, this, guard([this] {
                if (!m_pageFromCode)
                    TimerControlChange();
            }));
}

void TFormMain::FormCreate()
{
    SuspendTopmost = false;
    LoadSettings();
    setActivePage(DisplayPage);
}

void TFormMain::setActivePage(Page page)
{
    m_pageFromCode = true;
    TimerControl->setCurrentIndex(page);
    m_pageFromCode = false;
}

void TFormMain::TimerControlChange()
{
    // The start panels show their text before anything slow happens.
    for (QLabel* panel : {HelpStartPanel, OptionStartPanel, AboutStartPanel})
        panel->repaint();
}

void TFormMain::ExitButtonClick() { close(); }

void TFormMain::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    guarded([&] { mayClose = FormClose(); });
    if (mayClose) {
        event->accept();
        return;
    }
    // Also after a failed save: the window stays and keeps its place above others.
    SuspendTopmost = false;
    event->ignore();
}

bool TFormMain::FormClose()
{
    SuspendTopmost = true;
    if (ProgOptions.GenOptions[3]) {
        SuspendTopmost = MsgDialog(
            LangText(QStringLiteral("Messages"), QStringLiteral("Do you really want to exit the program?")),
            QString(), QStringLiteral("C"));
    }
    if (!SuspendTopmost)
        return false;
    SaveSettings();
    return true;
}

} // namespace corvane
