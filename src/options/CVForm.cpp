// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "options/CVForm.h"

#include "app/ProgOptions.h"
#include "lang/LangScript.h"
#include "lang/TransProg.h"
#include "options/ColorSwatch.h"
#include "options/LinkLabel.h"
#include "options/ThemePanel.h"
#include "platform/ErrorHandler.h"
#include "platform/PageControl.h"
#include "platform/WindowFont.h"
#include "richedit/RichEdit.h"

#include <QDesktopServices>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>

namespace corvane {

TCorvaneForm::TCorvaneForm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CorvaneForm"));
    setWindowTitle(QStringLiteral("Corvane"));
    setSizeGripEnabled(false);
    createControls();
    connectHandlers();
    FormCreate();
    // The centred panels follow their parents' every resize, also those a layout makes after
    // the window's own.
    for (QWidget* control : centredControls())
        control->parentWidget()->installEventFilter(this);
    resize(sizeHint());
}

QList<QWidget*> TCorvaneForm::centredControls() const
{
    return {ProgOptBox, OKButton, DonationButtonPanel, HelpButtonPanel};
}

TCorvaneForm::~TCorvaneForm() = default;

void TCorvaneForm::FormCreate()
{
    FWorkList = std::make_unique<QStringList>();
    FillThemesList();
    InitOptionsPage();
    setUpAboutPage(); // after the language list: the donation text depends on its choice
    TranslateForm(this);
    nameControlsForScreenReaders();
    fitOptionsBox();
    listHelpSets();
    TimeFontCombo->setCurrentFont(QFont(ThemePanel->timeFontName()));
    shpTimeFontColor->setColor(ThemePanel->timeFontColor());
}

void TCorvaneForm::connectHandlers()
{
    connect(OKButton, &QPushButton::clicked, this, guard([this] { OKButtonClick(); }));
    connect(CVControl, &QTabWidget::currentChanged, this, guard([this] { CVControlChange(); }));
    connectOptionsHandlers();
    connectThemeHandlers();
    connectHelpHandlers();
    connect(
        HomepageLabel, &QAbstractButton::clicked, this, guard([this] { HomepageLabelClick(); }));
    connect(eMailLabel, &QAbstractButton::clicked, this, guard([this] { eMailLabelClick(); }));
    connect(DonationsEdit, &TRichEdit::linkClicked, this,
        guard([this](const QString& address) { DonationsEditURLClick(address); }));
    connect(PayPalBtn, &QPushButton::clicked, this, guard([this] { PayPalBtnClick(); }));
}

void TCorvaneForm::setActivePage(Page page)
{
    CVControl->setCurrentIndex(page);
}

void TCorvaneForm::hideOptionSheet()
{
    CVControl->setTabVisible(OptionsPage, false);
}

void TCorvaneForm::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        guarded([this] { FormClose(); });
    }
    QDialog::done(result);
}

void TCorvaneForm::FormClose()
{
    for (int n = 1; n <= TOptionsRec::genOptionCount; ++n)
        ProgOptions.GenOptions[std::size_t(n)]
            = GenOptCheckBox->item(n - 1)->checkState() == Qt::Checked;
    FWorkList.reset();
}

void TCorvaneForm::OKButtonClick()
{
    accept();
}

void TCorvaneForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    guarded([this] { FormResize(); });
}

void TCorvaneForm::FormResize()
{
    for (QWidget* control : centredControls())
        CenterInParent(control);
}

void TCorvaneForm::CVControlChange()
{
    CenterInParent(DonationButtonPanel);
    if (CVControl->currentIndex() == AboutPage)
        showAboutPictures();
}

void TCorvaneForm::CenterInParent(QWidget* control)
{
    const QWidget* parent = control->parentWidget();
    if (!parent)
        return;
    // Each half is truncated to a whole pixel on its own.
    control->move(
        parent->width() / 2 - control->width() / 2, parent->height() / 2 - control->height() / 2);
}

void TCorvaneForm::OpenWithShell(const QString& target)
{
    QUrl url(target, QUrl::TolerantMode);
    if (url.scheme().isEmpty())
        url = QUrl::fromUserInput(target); // "www.example.org" as the link detector finds it
    // The desktop starts the browser or mail program on its own; a failure stays unsaid.
    QDesktopServices::openUrl(url);
}

void TCorvaneForm::applyFont()
{
    setWindowFont(this, ProgOptions.ProgFont.Name, ProgOptions.ProgFont.Color);
    fitOptionsBox();
}

// Controls without a caption of their own are named after the box that holds them or their
// hint, in the current language, so a screen reader can say what they are.
void TCorvaneForm::nameControlsForScreenReaders()
{
    const std::pair<QWidget*, QGroupBox*> boxed[] = {{GenOptCheckBox, GenOptBox},
        {LngListBox, LanguageBox}, {ProgFontCombo, ProgramFontBox}, {ThemesListBox, AllThemesBox},
        {TimeFontCombo, TimeDisplayFont}, {DankMemo, DankBox}, {DonationsEdit, Donations},
        {HFilesListBox, HelpFilesBox}, {HTopicsView, HelpTopicsBox}};
    for (const auto& [control, box] : boxed)
        control->setAccessibleName(box->title().remove(QLatin1Char('&')));
    for (QWidget* control :
        std::initializer_list<QWidget*>{PayPalBtn, NoSpyImg, AddThemeButton, ThemeRenameButton,
            ThemeDeleteButton, PicOpenButton, HelpPreviewButton, HelpPrintButton, HelpFindButton})
        control->setAccessibleName(control->toolTip());
    HelpTextField->setAccessibleName(CVControl->tabText(HelpPage).remove(QLatin1Char('&')));
    // The swatches share one hint, so each also says which colour it is.
    shpPFontColor->setAccessibleDescription(ProgramFontBox->title());
    MStartColor->setAccessibleDescription(MStartColorLabel->text());
    MEndColor->setAccessibleDescription(MEndColorLabel->text());
    ThemePanel->setAccessibleName(
        LangText(QStringLiteral("Captions"), QStringLiteral("Theme preview")));
    shpTimeFontColor->setAccessibleDescription(TimeDisplayFont->title());
    TimeDisplayColor->setAccessibleDescription(TimeDisplayColorBox->title());
}

} // namespace corvane
