// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The Help page: the help sets and their topic trees on the left, the text in the middle,
// print preview, print and search on the right. The routines on files and on the text are
// HelpCtrl's; here they meet the page's controls.
#include "app/AppIcons.h"
#include "help/HelpCtrl.h"
#include "lang/LangScript.h"
#include "lang/MessDlg.h"
#include "options/CVForm.h"
#include "platform/ErrorHandler.h"
#include "platform/ListChoice.h"
#include "platform/NamedControl.h"
#include "print/PrevPrinter.h"
#include "richedit/RichEdit.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace corvane {

namespace {
constexpr int leftPanelWidth = 169;
constexpr int filesBoxHeight = 81;
constexpr int rightPanelWidth = 33;
constexpr int buttonSize = 25;

// A group box whose one control fills it.
QGroupBox* boxAround(QWidget* control, const char* name, const char* title)
{
    auto* box = named(new QGroupBox(QLatin1String(title)), name);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(control);
    return box;
}
} // namespace

void TCorvaneForm::createHelpPage()
{
    HelpPanel = named(new QFrame, "HelpPanel");
    HelpPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    HelpPanel->setLineWidth(3);
    auto* sheet = new QVBoxLayout(HelpSheet);
    sheet->setContentsMargins(0, 0, 0, 0);
    sheet->addWidget(HelpPanel);

    HelpTextField = named(new TRichEdit, "HelpTextField");
    HelpTextField->setTabChangesFocus(true); // the text can be edited, but Tab leaves it
    HelpTextField->setMinimumWidth(120);
    HelpSplitter = named(new QSplitter(Qt::Horizontal), "HelpSplitter");
    HelpSplitter->setHandleWidth(6);
    HelpSplitter->setOpaqueResize(true);
    HelpSplitter->setChildrenCollapsible(false);
    HelpSplitter->addWidget(createHelpLeftPanel());
    HelpSplitter->addWidget(HelpTextField);
    HelpSplitter->setStretchFactor(1, 1);
    HelpSplitter->setSizes({leftPanelWidth, 400});

    auto* row = new QHBoxLayout(HelpPanel);
    row->setContentsMargins(3, 3, 3, 3);
    row->setSpacing(0);
    row->addWidget(HelpSplitter, 1);
    row->addWidget(createHelpRightPanel());
}

QWidget* TCorvaneForm::createHelpLeftPanel()
{
    HelpLeftPanel = named(new QWidget, "HelpLeftPanel");
    HFilesListBox = named(new QListWidget, "HFilesListBox");
    HelpFilesBox = boxAround(HFilesListBox, "HelpFilesBox", "Help files");
    HelpFilesBox->setFixedHeight(filesBoxHeight);

    HTopicsView = named(new QTreeWidget, "HTopicsView");
    HTopicsView->setHeaderHidden(true);
    HTopicsView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HTopicsView->setIndentation(19);
    QPalette palette = HTopicsView->palette();
    palette.setColor(QPalette::Base, QColor(240, 251, 255));
    // The open topic stays marked while the reader is in the text.
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    HTopicsView->setPalette(palette);
    HelpTopicsBox = boxAround(HTopicsView, "HelpTopicsBox", "Help Topics");

    auto* column = new QVBoxLayout(HelpLeftPanel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(HelpFilesBox);
    column->addWidget(HelpTopicsBox, 1);
    HelpLeftPanel->setMinimumWidth(80);
    return HelpLeftPanel;
}

QWidget* TCorvaneForm::createHelpRightPanel()
{
    HelpRightPanel = named(new QWidget, "HelpRightPanel");
    HelpRightPanel->setFixedWidth(rightPanelWidth);
    HelpButtonPanel = named(new QWidget(HelpRightPanel), "HelpButtonPanel");
    HelpButtonPanel->resize(rightPanelWidth, 97);
    const struct {
        QPushButton** button;
        const char* name;
        ButtonIcon icon;
        const char* hint;
        int top;
    } buttons[]
        = {{&HelpPreviewButton, "HelpPreviewButton", ButtonIcon::PrintPreview, "Print preview", 4},
            {&HelpPrintButton, "HelpPrintButton", ButtonIcon::Print, "Print", 36},
            {&HelpFindButton, "HelpFindButton", ButtonIcon::Find, "Find text", 68}};
    for (const auto& b : buttons) {
        *b.button = named(new QPushButton(buttonIcon(b.icon), QString(), HelpButtonPanel), b.name);
        (*b.button)->setGeometry(4, b.top, buttonSize, buttonSize);
        (*b.button)->setToolTip(QLatin1String(b.hint));
    }
    return HelpRightPanel;
}

void TCorvaneForm::connectHelpHandlers()
{
    // The user's choice of a help set; the first entry the window selects loads nothing.
    connect(new TListChoice(HFilesListBox, &m_helpFilesFromCode), &TListChoice::chosen, this,
        guard([this] { HFilesListBoxClick(); }));
    // A topic opens on a click, or on Enter (see helpKeyPress): the arrow keys only walk the
    // tree.
    connect(HTopicsView, &QTreeWidget::itemClicked, this, guard([this] { HTopicsViewClick(); }));
    HTopicsView->installEventFilter(this);
    HFilesListBox->installEventFilter(this);
    connect(HelpFindButton, &QPushButton::clicked, this, guard([this] { HelpFindButtonClick(); }));
    for (QPushButton* button : {HelpPreviewButton, HelpPrintButton})
        connect(button, &QPushButton::clicked, this,
            guard([this, button] { HelpPreviewButtonClick(button); }));
    connect(HelpTextField, &TRichEdit::linkClicked, this,
        guard([this](const QString& address) { DonationsEditURLClick(address); }));
    auto* find = new QShortcut(QKeySequence::Find, HelpPanel);
    find->setContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, guard([this] { HelpFindButtonClick(); }));
    auto* again = new QShortcut(QKeySequence(Qt::Key_F3), HelpPanel);
    again->setContext(Qt::WidgetWithChildrenShortcut);
    connect(again, &QShortcut::activated, this, guard([this] { repeatHelpSearch(); }));
}

// Enter on a list opens its entry. The views pass the key on, and the window's default button
// would then close the window under the reader, so it ends here.
bool TCorvaneForm::helpKeyPress(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || (watched != HTopicsView && watched != HFilesListBox))
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();

    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    guarded([&] {
        if (watched == HTopicsView)
            HTopicsViewClick();
        else
            HFilesListBoxClick();
    });
    return true;
}

void TCorvaneForm::listHelpSets()
{
    QScopedValueRollback fromCode(m_helpFilesFromCode, true);
    ListHelpFiles(HFilesListBox);
}

void TCorvaneForm::HFilesListBoxClick()
{
    const QList<QListWidgetItem*> selected = HFilesListBox->selectedItems();
    if (HFilesListBox->count() > 0 && !selected.isEmpty())
        LoadHelpFile(selected.constFirst()->text(), HTopicsView, HelpTextField);
}

void TCorvaneForm::HTopicsViewClick()
{
    const QList<QTreeWidgetItem*> selected = HTopicsView->selectedItems();
    if (!selected.isEmpty())
        OpenHelpTopic(HelpTextField, topicText(selected.constFirst()));
}

void TCorvaneForm::HelpFindButtonClick()
{
    const QString text = InputDialog(LangText(
        QStringLiteral("Messages"), QStringLiteral("Please enter text (F3 = repeat search):")));
    if (text.isEmpty())
        return;
    m_lastSearch = text;
    FindRichText(HelpTextField, text);
}

// F3 looks for the last text again, behind the occurrence found; before any search it asks.
void TCorvaneForm::repeatHelpSearch()
{
    if (m_lastSearch.isEmpty())
        HelpFindButtonClick();
    else
        FindRichText(HelpTextField, m_lastSearch);
}

void TCorvaneForm::HelpPreviewButtonClick(QObject* sender)
{
    // The printer, and with it every page, goes however this ends, an error included.
    const std::unique_ptr<TPreviewPrinter> printer = makeHelpPrinter();
    printer->PaginateRichText(*HelpTextField);
    if (sender == HelpPreviewButton)
        printer->Preview();
    else
        printer->PrintWithDialog();
}

} // namespace corvane
