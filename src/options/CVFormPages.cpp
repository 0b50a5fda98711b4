// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Building the options window: the page control with its three pages, the button panel, and
// the controls of the Options and About pages. Group boxes size themselves to their content,
// so no text of any language is cut off.
#include "app/AppIcons.h"
#include "lang/TransProg.h"
#include "options/AboutLinks.h"
#include "options/CVForm.h"
#include "options/ColorSwatch.h"
#include "options/LinkLabel.h"
#include "options/ThemePanel.h"
#include "platform/NamedControl.h"
#include "platform/PageControl.h"
#include "richedit/RichEdit.h"

#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

namespace {
constexpr int buttonPanelHeight = 29;
constexpr int aboutPanelWidth = 305;
constexpr int titleHeight = 185;

QGroupBox* groupBox(const char* name, const char* title)
{
    return named(new QGroupBox(QLatin1String(title)), name);
}

QFont pixelFont(const QString& family, int pixels, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// A label drawn straight onto the picture below it, in one colour.
QLabel* overlayLabel(QWidget* parent, const char* name, const char* text, const QFont& font,
    const QColor& color, QRect geometry, Qt::Alignment align)
{
    auto* label = named(new QLabel(QLatin1String(text), parent), name);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
    label->setAlignment(align);
    label->setGeometry(geometry);
    return label;
}
} // namespace

void TCorvaneForm::createControls()
{
    createPages();
    createButtonPanel();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CVControl, 1);
    layout->addWidget(ButtonPanel);
    createOptionsPage();
    createHelpPage();
    createAboutPage();
}

void TCorvaneForm::createPages()
{
    ImgList = {tabIcon(TabIcon::Options), tabIcon(TabIcon::About), tabIcon(TabIcon::Help)};
    CVControl = named(new TPageControl(this, TPageControl::TabStyle::Buttons), "CVControl");
    CVControl->setIconSize(QSize(16, 16));
    const struct {
        QWidget** page;
        const char* name;
        const char* caption;
        int icon;
    } pages[] = {{&OptionSheet, "OptionSheet", "Options", 0}, {&HelpSheet, "HelpSheet", "Help", 2},
        {&AboutSheet, "AboutSheet", "About", 1}};
    for (const auto& p : pages) {
        *p.page = named(new QWidget, p.name);
        CVControl->addTab(*p.page, ImgList[p.icon], QLatin1String(p.caption));
    }
}

void TCorvaneForm::createButtonPanel()
{
    ButtonPanel = named(new QWidget(this), "ButtonPanel");
    ButtonPanel->setFixedHeight(buttonPanelHeight);
    OKButton = named(
        new QPushButton(buttonIcon(ButtonIcon::Ok), QStringLiteral("OK"), ButtonPanel), "OKButton");
    OKButton->setToolTip(QStringLiteral("Save options and close window"));
    OKButton->setDefault(true);
    OKButton->resize(std::max(88, OKButton->sizeHint().width()), 25);
}

void TCorvaneForm::createOptionsPage()
{
    ProgOptBox = named(new QGroupBox(QStringLiteral("Program options"), OptionSheet), "ProgOptBox");
    auto* grid = new QGridLayout(ProgOptBox);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(8);
    auto* left = new QWidget(ProgOptBox);
    auto* column = new QVBoxLayout(left);
    column->setContentsMargins(0, 0, 0, 0);
    createGeneralBoxes(left);
    createFontAndColorBoxes(left);
    grid->addWidget(left, 0, 0);
    createThemeBox();
    grid->addWidget(ThemeBox, 0, 1);
    fitOptionsBox();
}

// The box takes the size its content asks for in the current language and font, and the
// page never gets smaller than it.
void TCorvaneForm::fitOptionsBox()
{
    ThemePanel->fitToEditor();
    ProgOptBox->adjustSize();
    OptionSheet->setMinimumSize(ProgOptBox->size() + QSize(16, 16));
    CenterInParent(ProgOptBox);
}

void TCorvaneForm::createGeneralBoxes(QWidget* column)
{
    GenOptBox = groupBox("GenOptBox", "General options");
    GenOptCheckBox = named(new QListWidget, "GenOptCheckBox");
    GenOptCheckBox->setProperty(CheckListBoxProperty, true);
    GenOptCheckBox->setAccessibleName(QStringLiteral("General options"));
    for (const char* option : {"Show progress in System-Tray", "Always on top", "Show exit dialog",
             "Autostart program"}) {
        auto* item = new QListWidgetItem(QLatin1String(option), GenOptCheckBox);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    GenOptCheckBox->setFixedHeight(GenOptCheckBox->sizeHintForRow(0) * 4 + 6);
    (new QVBoxLayout(GenOptBox))->addWidget(GenOptCheckBox);

    LanguageBox = groupBox("LanguageBox", "Language");
    LngListBox = named(new QListWidget, "LngListBox");
    LngListBox->setAccessibleName(QStringLiteral("Language"));
    LngListBox->setMinimumHeight(84);
    LngListBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored); // fills what is left
    (new QVBoxLayout(LanguageBox))->addWidget(LngListBox);

    auto* layout = static_cast<QVBoxLayout*>(column->layout());
    layout->addWidget(GenOptBox);
    layout->addWidget(LanguageBox, 1);
}

void TCorvaneForm::createFontAndColorBoxes(QWidget* column)
{
    ProgramFontBox = groupBox("ProgramFontBox", "Program font");
    ProgFontCombo = named(new QFontComboBox, "ProgFontCombo");
    ProgFontCombo->setAccessibleName(QStringLiteral("Program font"));
    // Its width is designed; measuring every family name would make the window slow to open.
    ProgFontCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ProgFontCombo->setMinimumContentsLength(16);
    shpPFontColor = named(new TColorSwatch, "shpPFontColor");
    shpPFontColor->setToolTip(QStringLiteral("Click to change"));
    auto* fontRow = new QHBoxLayout(ProgramFontBox);
    fontRow->addWidget(ProgFontCombo, 1);
    fontRow->addWidget(shpPFontColor);

    MessageColorBox = groupBox("MessageColorBox", "Messages");
    auto* colors = new QGridLayout(MessageColorBox);
    const struct {
        QLabel** label;
        const char* labelName;
        const char* caption;
        TColorSwatch** swatch;
        const char* swatchName;
    } rows[]
        = {{&MStartColorLabel, "MStartColorLabel", "Start color:", &MStartColor, "MStartColor"},
            {&MEndColorLabel, "MEndColorLabel", "End color:", &MEndColor, "MEndColor"}};
    int column_ = 0;
    for (const auto& r : rows) {
        *r.label = named(new QLabel(QLatin1String(r.caption)), r.labelName);
        *r.swatch = named(new TColorSwatch, r.swatchName);
        (*r.swatch)->setToolTip(QStringLiteral("Click to change"));
        (*r.label)->setBuddy(*r.swatch);
        colors->addWidget(*r.label, 0, column_++);
        colors->addWidget(*r.swatch, 0, column_++);
        ++column_;
    }
    // Each swatch beside its label, the pairs apart.
    colors->setColumnStretch(2, 1);
    colors->setColumnMinimumWidth(2, 12);

    auto* layout = static_cast<QVBoxLayout*>(column->layout());
    layout->addWidget(ProgramFontBox);
    layout->addWidget(MessageColorBox);
}

void TCorvaneForm::createAboutPage()
{
    createAboutPanel();
    createDonations();
    auto* row = new QHBoxLayout(AboutSheet);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(6);
    row->addWidget(AboutPanel);
    row->addWidget(Donations, 1);
}

void TCorvaneForm::createAboutPanel()
{
    AboutPanel = named(new QWidget, "AboutPanel");
    AboutPanel->setFixedWidth(aboutPanelWidth);
    createTitlePicture();
    DankBox = groupBox("DankBox", "Credits");
    DankMemo = named(new QPlainTextEdit, "DankMemo");
    DankMemo->setReadOnly(true);
    DankMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DankMemo->setAccessibleName(QStringLiteral("Credits"));
    DankMemo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored); // fills what is left
    DankMemo->setMinimumHeight(60);
    DankMemo->setPlainText(QStringLiteral("* Qt 6: the toolkit Corvane's windows are built with\n"
                                          "* The DejaVu and Liberation fonts\n"
                                          "* GoogleTest and Google Benchmark\n"
                                          "* LLVM's libFuzzer and the sanitizers\n"
                                          "* Debian: where Corvane is built and tested\n"
                                          "* Everyone who writes code for Corvane\n"
                                          "* Everyone who translates and tests it"));
    (new QVBoxLayout(DankBox))->addWidget(DankMemo);
    FreewareLabel
        = named(new QLabel(QStringLiteral("Corvane is free software: GNU GPL 3 or later.")),
            "FreewareLabel");
    FreewareLabel->setAlignment(Qt::AlignCenter);
    FreewareLabel->setWordWrap(true);

    auto* column = new QVBoxLayout(AboutPanel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(AboutImage);
    column->addWidget(DankBox, 1);
    column->addWidget(FreewareLabel);
    createLinks();
}

void TCorvaneForm::createTitlePicture()
{
    AboutImage = named(new QLabel, "AboutImage");
    AboutImage->setScaledContents(true);
    AboutImage->setFixedSize(aboutPanelWidth, titleHeight);
    Image2 = named(new QLabel(AboutImage), "Image2");
    Image2->setGeometry(8, 8, 120, 30);
    const QString arial = QStringLiteral("Arial");
    PresentLabel
        = overlayLabel(AboutImage, "PresentLabel", "presents:", pixelFont(arial, 24, false),
            Qt::yellow, {136, 6, 165, 34}, Qt::AlignLeft | Qt::AlignVCenter);
    const QFont name = pixelFont(arial, 43, true);
    // The teal name is the shadow; the white one is drawn over it, five pixels higher.
    ProgNameLabel1 = overlayLabel(AboutImage, "ProgNameLabel1", "Corvane", name,
        QColor(0, 128, 128), {0, 66, aboutPanelWidth, 56}, Qt::AlignCenter);
    ProgNameLabel2 = overlayLabel(AboutImage, "ProgNameLabel2", "Corvane", name, Qt::white,
        {0, 61, aboutPanelWidth, 56}, Qt::AlignCenter);
    ProgLongNameLabel = overlayLabel(AboutImage, "ProgLongNameLabel", "Version 1.0b",
        pixelFont(arial, 19, true), Qt::yellow, {0, 124, aboutPanelWidth, 28}, Qt::AlignCenter);
}

void TCorvaneForm::createLinks()
{
    auto* links = new QWidget(AboutPanel);
    auto* grid = new QGridLayout(links);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    URLImg = named(new QLabel, "URLImg");
    HomepageLabel = named(new TLinkLabel, "HomepageLabel");
    HomepageLabel->setText(QLatin1String(projectHomepage));
    eMailImg = named(new QLabel, "eMailImg");
    eMailLabel = named(new TLinkLabel, "eMailLabel");
    eMailLabel->setText(QLatin1String(projectMailAddress));
    NoSpyImg = named(new QLabel, "NoSpyImg");
    NoSpyImg->setAlignment(Qt::AlignCenter);
    NoSpyImg->setMinimumSize(54, 54);
    NoSpyImg->setAccessibleName(QStringLiteral("Corvane collects no data about you"));
    for (QLabel* icon : {URLImg, eMailImg})
        icon->setFixedSize(16, 16);
    grid->addWidget(URLImg, 0, 0);
    grid->addWidget(HomepageLabel, 0, 1);
    grid->addWidget(eMailImg, 1, 0);
    grid->addWidget(eMailLabel, 1, 1);
    grid->addWidget(NoSpyImg, 0, 2, 2, 1);
    grid->setColumnStretch(1, 1);
    static_cast<QVBoxLayout*>(AboutPanel->layout())->addWidget(links);
}

void TCorvaneForm::createDonations()
{
    Donations = groupBox("Donations", "Donations");
    DonationsEdit = named(new TRichEdit, "DonationsEdit");
    DonationsEdit->setReadOnly(true);
    DonationsEdit->setAccessibleName(QStringLiteral("Donations"));
    DonationsEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    DonationsEdit->setMinimumHeight(120);
    DonationBottomPanel = named(new QWidget, "DonationBottomPanel");
    DonationBottomPanel->setFixedHeight(162);
    DonationPanel = named(new QFrame(DonationBottomPanel), "DonationPanel");
    static_cast<QFrame*>(DonationPanel)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    (new QVBoxLayout(DonationBottomPanel))->addWidget(DonationPanel);
    DonationButtonPanel = named(new QWidget(DonationPanel), "DonationButtonPanel");
    DonationButtonPanel->resize(185, 91);
    PayPalBtn = named(new QPushButton(DonationButtonPanel), "PayPalBtn");
    PayPalBtn->setGeometry(5, 5, 175, 81);
    PayPalBtn->setIconSize(QSize(163, 71));
    PayPalBtn->setToolTip(QStringLiteral("Donate with PayPal"));
    PayPalBtn->setAccessibleName(QStringLiteral("Donate with PayPal"));
    auto* column = new QVBoxLayout(Donations);
    column->addWidget(DonationsEdit, 1);
    column->addWidget(DonationBottomPanel);
}

} // namespace corvane
