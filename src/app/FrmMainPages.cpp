// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Building the main window: the page control with its six pages, the Exit button, the timer.
// Positions are the designed ones, in logical pixels within each page.
#include "app/AppIcons.h"
#include "app/FrmMain.h"
#include "app/ImageButton.h"
#include "app/TimeDisplay.h"
#include "lang/LangScript.h"
#include "platform/ClockChangeWatch.h"
#include "platform/ErrorHandler.h"
#include "platform/NamedControl.h"
#include "platform/PageControl.h"
#include "platform/Timer.h"
#include "timelist/TimerEntry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <utility>

namespace corvane {

namespace {
constexpr int formWidth = 289;
constexpr int pagesHeight = 153;
constexpr int exitHeight = 25;
// The designed inner height of a page; the page control grows when the tabs of this platform
// are taller than the designed ones, so no page is cut off.
constexpr int pageHeight = 125;

struct PageDesign {
    const char* name;
    const char* caption;
    TabIcon icon;
};

// In page-index order; the icons come from ProgImgLst.
constexpr PageDesign pageDesign[] = {
    {"Anzeige", "Display", TabIcon::Display},
    {"Eingabe", "Enter", TabIcon::Enter},
    {"Liste", "List", TabIcon::List},
    {"HelpSheet", "Help", TabIcon::Help},
    {"Optionen", "Options", TabIcon::Options},
    {"AboutSheet", "About", TabIcon::About},
};

QFont boldPanelFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

// A group box holding one control that fills it below its title.
QGroupBox* groupWith(
    QWidget* parent, const char* name, const char* title, QWidget* content, QRect geometry)
{
    auto* box = named(new QGroupBox(QLatin1String(title), parent), name);
    box->setGeometry(geometry);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(5, 9, 5, 3);
    layout->setSpacing(2);
    if (content)
        layout->addWidget(content);
    return box;
}

QPushButton* pictureButton(
    QWidget* parent, const char* name, ButtonIcon icon, const char* hint, QRect geometry)
{
    auto* button = named(new QPushButton(buttonIcon(icon), QString(), parent), name);
    button->setToolTip(QLatin1String(hint));
    button->setIconSize(QSize(16, 16));
    button->setGeometry(geometry);
    return button;
}

QLabel* lockLabel(QWidget* page, const char* name)
{
    auto* label = named(new QLabel(QStringLiteral("No access while countdown runs!"), page), name);
    label->setFont(boldPanelFont());
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setGeometry(0, 40, formWidth - 8, 40);
    return label;
}
} // namespace

void TFormMain::createControls()
{
    ProgImgLst = progImageList();
    TimerControl = named(new TPageControl(this), "TimerControl");
    TimerControl->setGeometry(0, 0, formWidth, pagesHeight);
    TimerControl->setIconSize(QSize(16, 16));
    createPages();
    createDisplayPage();
    createEnterPage();
    createListPage();
    createStartPanels();
    TimerControl->setFixedSize(
        formWidth, std::max(pagesHeight, TimerControl->minimumSizeHint().height()));
    createExitButton();
    nameControlsForScreenReaders();
    Timer1 = named(new TTimer(this), "Timer1");
    Timer1->setInterval(100);
    // The countdown is planned by the wall clock; when the clock is set or the computer
    // wakes from suspend, its plan is redone at the next tick.
    connect(new ClockChangeWatch(this), &ClockChangeWatch::changed, Timer1, &TTimer::wake);
}

void TFormMain::createPages()
{
    QWidget** pages[] = {&Anzeige, &Eingabe, &Liste, &HelpSheet, &Optionen, &AboutSheet};
    for (int i = 0; i < 6; ++i) {
        auto* page = named(new QWidget, pageDesign[i].name);
        page->setMinimumHeight(pageHeight);
        // A screen reader names the tab by its text, which the language script sets.
        TimerControl->addTab(
            page, ProgImgLst[int(pageDesign[i].icon)], QLatin1String(pageDesign[i].caption));
        *pages[i] = page;
    }
}

void TFormMain::createDisplayPage()
{
    MainImage = named(new QLabel(Anzeige), "MainImage");
    MainImage->setScaledContents(true);
    auto* fill = new QVBoxLayout(Anzeige);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(MainImage);

    TopicsCombo = named(new QComboBox(Anzeige), "TopicsCombo");
    TopicsCombo->setGeometry(8, 4, 225, 22);
    // Its size is designed, so it need not measure every title of a long list.
    TopicsCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    TopicsCombo->setToolTip(QStringLiteral("Select countdown"));

    ZeitAnzeigePanel
        = named(new TTimeDisplay(QStringLiteral("00:00:00"), Anzeige), "ZeitAnzeigePanel");
    ZeitAnzeigePanel->setGeometry(8, 32, 225, 49);
    // A fixed size keeps its text changes from asking every layout up to the window to
    // recompute, which made the page control repaint the whole window once a second.
    ZeitAnzeigePanel->setFixedSize(225, 49);
    // Tab reaches it, so a screen reader can be asked for the time left; a click leaves the
    // focus where it was.
    ZeitAnzeigePanel->setFocusPolicy(Qt::TabFocus);
    ZeitAnzeigePanel->setToolTip(QStringLiteral("Time left"));
    ZeitAnzeigePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ZeitAnzeigePanel->setAlignment(Qt::AlignCenter);
    QFont timeFont(QStringLiteral("Arial"));
    timeFont.setPixelSize(40);
    timeFont.setBold(true);
    ZeitAnzeigePanel->setFont(timeFont);
    QPalette pal = ZeitAnzeigePanel->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128)); // navy
    pal.setColor(QPalette::WindowText, QColor(255, 255, 0));
    ZeitAnzeigePanel->setPalette(pal);

    ProgbarPanel = named(new QLabel(Anzeige), "ProgbarPanel");
    ProgbarPanel->setGeometry(244, 4, 33, 118);
    ProgbarPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ProgbarPanel->setLineWidth(1);
    ProgbarPanel->setAutoFillBackground(true);
    QPalette white = ProgbarPanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    ProgbarPanel->setPalette(white);
    ProgBarImage = named(new QLabel(ProgbarPanel), "ProgBarImage");
    ProgBarImage->setScaledContents(true);
    ProgBarImage->setGeometry(1, 1, 31, 116);

    const struct {
        TImageButton** button;
        const char* name;
        int left;
        const char* hint;
    } buttons[] = {{&StartButton, "Start", 8, "Start countdown"},
        {&PauseButton, "Pause", 88, "Pause countdown"},
        {&StopButton, "Stop", 168, "Stop countdown"}};
    for (const auto& b : buttons) {
        auto* button = new TImageButton(QLatin1String(b.name), Anzeige);
        button->setGeometry(b.left, 88, 65, 33);
        button->glyph()->setToolTip(QLatin1String(b.hint));
        button->setPressableByKeys(true);
        *b.button = button;
    }
    showDesignPictures();
}

void TFormMain::createEnterPage()
{
    lblEnter = lockLabel(Eingabe, "lblEnter");
    pnlEnter = named(new QWidget(Eingabe), "pnlEnter");
    pnlEnter->setAutoFillBackground(true);
    // Group titles sit on the frame line, so a 41-pixel box still holds a full-height field.
    pnlEnter->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    auto* fill = new QVBoxLayout(Eingabe);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(pnlEnter);

    USchriftEdit = named(new QLineEdit, "USchriftEdit");
    USchriftBox = groupWith(pnlEnter, "USchriftBox", "Title", USchriftEdit, {0, 0, 128, 41});

    ZeitBox
        = groupWith(pnlEnter, "ZeitBox", "Time (Hours, Min., Secs)", nullptr, {128, 0, 153, 41});
    const struct {
        QSpinBox** spin;
        const char* name;
        int maximum;
        const char* hint;
    } spins[] = {{&StundenZahl, "StundenZahl", editorMaxHours, "Hours"},
        {&Minutenzahl, "Minutenzahl", 59, "Minutes"},
        {&Sekundenzahl, "Sekundenzahl", 59, "Seconds"}};
    for (const auto& s : spins) {
        auto* spin = named(new QSpinBox, s.name);
        spin->setRange(0, s.maximum);
        spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
        spin->setToolTip(QLatin1String(s.hint));
        ZeitBox->layout()->addWidget(spin);
        *s.spin = spin;
    }

    TextZeile = named(new QLineEdit, "TextZeile");
    TextAnzeige = groupWith(pnlEnter, "TextAnzeige", "Message", TextZeile, {0, 42, 233, 41});

    Klangzeile = named(new QLineEdit, "Klangzeile");
    Klangzeile->setReadOnly(true);
    // Not clicked into, as it only shows the file; Tab reaches it so the name can be read out.
    Klangzeile->setFocusPolicy(Qt::TabFocus);
    QPalette pal = Klangzeile->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Window));
    Klangzeile->setPalette(pal);
    KlangSuchKnopf
        = pictureButton(nullptr, "KlangSuchKnopf", ButtonIcon::OpenSound, "Open sound file", {});
    KlangSuchKnopf->setFixedSize(41, 24);
    Klangdatei = groupWith(pnlEnter, "Klangdatei", "Sound file", Klangzeile, {0, 83, 233, 41});
    Klangdatei->layout()->addWidget(KlangSuchKnopf);

    EintragsKnopf = pictureButton(
        pnlEnter, "EintragsKnopf", ButtonIcon::AddEntry, "Add entry", {240, 48, 41, 72});
    EintragsKnopf->setEnabled(false);
}

void TFormMain::createListPage()
{
    lblList = lockLabel(Liste, "lblList");
    pnlList = named(new QWidget(Liste), "pnlList");
    pnlList->setAutoFillBackground(true);
    auto* fill = new QVBoxLayout(Liste);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(pnlList);

    StopTreeView = named(new QTreeWidget(pnlList), "StopTreeView");
    StopTreeView->setGeometry(0, 0, 233, 124);
    StopTreeView->setHeaderHidden(true);
    StopTreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StopTreeView->setIndentation(19);
    StopTreeView->setUniformRowHeights(true); // keeps long lists quick to lay out
    StopTreeView->setRootIsDecorated(false); // the root has no expand button
    // The selection stays visible when the tree has no focus.
    QPalette pal = StopTreeView->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
    StopTreeView->setPalette(pal);
    StopTreeView->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("Entries")}));

    RenameButton = pictureButton(
        pnlList, "RenameButton", ButtonIcon::Rename, "Rename entry", {240, 32, 41, 33});
    RenameButton->setEnabled(false);
    DeleteButton = pictureButton(
        pnlList, "DeleteButton", ButtonIcon::Delete, "Delete entry", {240, 72, 41, 33});
    DeleteButton->setEnabled(false);
}

void TFormMain::createStartPanels()
{
    const std::pair<QLabel**, QWidget*> panels[] = {{&HelpStartPanel, HelpSheet},
        {&OptionStartPanel, Optionen}, {&AboutStartPanel, AboutSheet}};
    const char* names[] = {"HelpStartPanel", "OptionStartPanel", "AboutStartPanel"};
    for (int i = 0; i < 3; ++i) {
        auto* panel = named(
            new QLabel(QStringLiteral("Please wait a moment...."), panels[i].second), names[i]);
        panel->setAlignment(Qt::AlignCenter);
        panel->setWordWrap(true);
        panel->setFont(boldPanelFont());
        // The panel fills its page whatever size the page takes.
        auto* layout = new QVBoxLayout(panels[i].second);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(panel);
        *panels[i].first = panel;
    }
}

void TFormMain::createExitButton()
{
    ExitButton = named(
        new QPushButton(buttonIcon(ButtonIcon::Exit), QStringLiteral("Exit"), this), "ExitButton");
    ExitButton->setToolTip(QStringLiteral("Close program"));
    ExitButton->setGeometry(0, TimerControl->height(), formWidth, exitHeight);
}

// Controls without a caption are named after their hint or the box that holds them, in the
// current language, so a screen reader can say what they are. The keys that reach them are
// added to the hints afterwards (showKeysInHints), not to the names.
void TFormMain::nameControlsForScreenReaders()
{
    for (QWidget* control :
        std::initializer_list<QWidget*>{TopicsCombo, KlangSuchKnopf, EintragsKnopf, RenameButton,
            DeleteButton, StundenZahl, Minutenzahl, Sekundenzahl, ZeitAnzeigePanel})
        control->setAccessibleName(control->toolTip());
    const std::pair<QWidget*, QGroupBox*> boxed[]
        = {{USchriftEdit, USchriftBox}, {TextZeile, TextAnzeige}, {Klangzeile, Klangdatei}};
    for (const auto& [control, box] : boxed)
        control->setAccessibleName(box->title().remove(QLatin1Char('&')));
    StopTreeView->setAccessibleName(
        LangText(QStringLiteral("Captions"), QStringLiteral("Countdowns")));
    showKeysInHints();
}

void TFormMain::connectHandlers()
{
    connect(ExitButton, &QPushButton::clicked, this, guard([this] { ExitButtonClick(); }));
    connect(TimerControl, &QTabWidget::currentChanged, this, guard([this] {
        if (!m_pageFromCode)
            TimerControlChange();
    }));
    connectEditorHandlers();
    connectCountdownHandlers();
    createShortcuts();
}

void TFormMain::connectEditorHandlers()
{
    auto change = guard([this] { USchriftEditChange(); });
    connect(USchriftEdit, &QLineEdit::textChanged, this, change);
    connect(TextZeile, &QLineEdit::textChanged, this, change);
    for (QSpinBox* spin : {StundenZahl, Minutenzahl, Sekundenzahl})
        connect(spin, &QSpinBox::valueChanged, this, change);
    connect(KlangSuchKnopf, &QPushButton::clicked, this, guard([this] { KlangSuchKnopfClick(); }));
    connect(EintragsKnopf, &QPushButton::clicked, this, guard([this] { EintragsKnopfClick(); }));
    connect(RenameButton, &QPushButton::clicked, this, guard([this] { RenameButtonClick(); }));
    connect(DeleteButton, &QPushButton::clicked, this, guard([this] { DeleteButtonClick(); }));
    // Keyboard moves in the list act as a click does, so the buttons and the editor always
    // follow the selection. A click that moved the selection was handled by that move, so
    // it does not run twice (which would also report a broken entry twice).
    StopTreeView->viewport()->installEventFilter(this);
    connect(StopTreeView, &QTreeWidget::currentItemChanged, this, guard([this] {
        if (m_listFromCode)
            return;
        m_pressMovedCurrent = true;
        StopTreeViewClick();
    }));
    connect(StopTreeView, &QTreeWidget::itemClicked, this, guard([this] {
        if (!std::exchange(m_pressMovedCurrent, false))
            StopTreeViewClick();
    }));
    connect(StopTreeView, &QTreeWidget::itemDoubleClicked, this,
        guard([this] { StopTreeViewDblClick(); }));
    connect(TopicsCombo, &QComboBox::activated, this, guard([this] { TopicsComboCloseUp(); }));
}

} // namespace corvane
