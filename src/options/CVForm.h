// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/ThemeFile.h"

#include <QDialog>
#include <QIcon>
#include <QList>
#include <QStringList>
#include <array>
#include <memory>

class QFontComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTreeWidget;
class QWidget;

namespace corvane {

class TColorSwatch;
class TLinkLabel;
class TPageControl;
class TRadioGroup;
class TRichEdit;
class TThemePanel;

// The options window: the Options page (general options, language, program font, message
// colours, themes), the Help page and the About page. It works on the shared settings
// ProgOptions and the dialogs' gradient colours and never touches the settings file; the
// main window saves and re-applies the settings after it closes. One window is made for
// each opening and destroyed when it closes; every change made in it stays in effect.
//
// The handlers are spread by concern: CVForm.cpp (the window), CVFormPages.cpp (building),
// CVFormOptions.cpp (the Options page), CVFormThemeBox.cpp and CVFormThemes.cpp (the theme
// editor), CVFormAbout.cpp (the About page).
class TCorvaneForm : public QDialog {
public:
    // Index of each page of CVControl.
    enum Page { OptionsPage, HelpPage, AboutPage };

    explicit TCorvaneForm(QWidget* parent = nullptr);
    ~TCorvaneForm() override;

    // Makes a page current, as the main window does before showing the window.
    void setActivePage(Page page);
    // Takes the Options page's tab away, so no setting can change while a countdown runs.
    void hideOptionSheet();

    // Sets the control's left and top so it sits in the middle of its parent.
    static void CenterInParent(QWidget* control);

    // Asks the desktop to open a web or mail address; returns at once, and a failure (no
    // browser, no mail program) is not reported.
    static void OpenWithShell(const QString& target);

    // Ends the window however it is closed (OK, the close box, Escape): the ticks are taken
    // over first.
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (CVFormPages.cpp).
    void createControls();
    void createPages();
    void createButtonPanel();
    void createOptionsPage();
    void fitOptionsBox();
    void createGeneralBoxes(QWidget* box);
    void createFontAndColorBoxes(QWidget* box);
    void createThemeBox();
    void createThemeList();
    QWidget* createThemeEditor();
    void createAboutPage();
    void createAboutPanel();
    void createTitlePicture();
    void createLinks();
    void createDonations();
    void connectHandlers();
    void connectOptionsHandlers();
    void connectThemeHandlers();

    // The window (CVForm.cpp).
    void FormCreate();
    void FormClose();
    void OKButtonClick();
    void FormResize();
    QList<QWidget*> centredControls() const;
    void CVControlChange();
    void applyFont();
    void nameControlsForScreenReaders();

    // The Options page (CVFormOptions.cpp).
    void InitOptionsPage();
    void fillLanguageList();
    void GenOptCheckBoxClick();
    void LngListBoxClick();
    void ProgFontComboChange();
    void shpPFontColorMouseDown();
    void MStartColorMouseDown(TColorSwatch* swatch);
    bool chooseColor(TColorSwatch* swatch);

    // The theme editor (CVFormThemes.cpp).
    void FillThemesList();
    void SaveTheme(const QString& name);
    void LoadTheme(const QString& name);
    bool CheckThemeName(const QString& name);
    void ThemesListBoxClick();
    void AddThemeButtonClick();
    void ThemeRenameButtonClick();
    void ThemeDeleteButtonClick();
    void PicOpenButtonClick();
    void TimeFontComboChange();
    void shpTimeFontColorMouseDown();
    void selectCurrentTheme();
    void selectThemeEntry(const QString& name);
    TThemeData previewTheme() const;
    void deleteThemeFile(const QString& name) const;

    // The Help page (CVFormHelp.cpp).
    void createHelpPage();
    QWidget* createHelpLeftPanel();
    QWidget* createHelpRightPanel();
    void connectHelpHandlers();
    void HFilesListBoxClick();
    void HTopicsViewClick();
    void HelpFindButtonClick();
    void repeatHelpSearch();
    void HelpPreviewButtonClick(QObject* sender);
    void listHelpSets();
    bool helpKeyPress(QObject* watched, QEvent* event);

    // The About page (CVFormAbout.cpp).
    void setUpAboutPage();
    void showAboutPictures();
    QString selectedLanguageItem() const;
    void HomepageLabelClick();
    void eMailLabelClick();
    void DonationsEditURLClick(const QString& address);
    void PayPalBtnClick();

    // Controls, named as the language scripts address them.
    TPageControl* CVControl = nullptr;
    QWidget* OptionSheet = nullptr;
    QWidget* HelpSheet = nullptr;
    QWidget* AboutSheet = nullptr;
    QList<QIcon> ImgList;
    QWidget* ButtonPanel = nullptr;
    QPushButton* OKButton = nullptr;

    // Options page.
    QGroupBox* ProgOptBox = nullptr;
    QGroupBox* GenOptBox = nullptr;
    QListWidget* GenOptCheckBox = nullptr;
    QGroupBox* LanguageBox = nullptr;
    QListWidget* LngListBox = nullptr;
    QGroupBox* ProgramFontBox = nullptr;
    QFontComboBox* ProgFontCombo = nullptr;
    TColorSwatch* shpPFontColor = nullptr;
    QGroupBox* MessageColorBox = nullptr;
    QLabel* MStartColorLabel = nullptr;
    QLabel* MEndColorLabel = nullptr;
    TColorSwatch* MStartColor = nullptr;
    TColorSwatch* MEndColor = nullptr;
    QGroupBox* ThemeBox = nullptr;
    QGroupBox* AllThemesBox = nullptr;
    QListWidget* ThemesListBox = nullptr;
    QPushButton* ThemeRenameButton = nullptr;
    QPushButton* ThemeDeleteButton = nullptr;
    QPushButton* AddThemeButton = nullptr;
    TThemePanel* ThemePanel = nullptr;
    TRadioGroup* ChangeElementBox = nullptr;
    QPushButton* PicOpenButton = nullptr;
    QGroupBox* TimeDisplayFont = nullptr;
    QFontComboBox* TimeFontCombo = nullptr;
    TColorSwatch* shpTimeFontColor = nullptr;
    QGroupBox* TimeDisplayColorBox = nullptr;
    TColorSwatch* TimeDisplayColor = nullptr;

    // Help page.
    QFrame* HelpPanel = nullptr;
    QWidget* HelpLeftPanel = nullptr;
    QGroupBox* HelpFilesBox = nullptr;
    QListWidget* HFilesListBox = nullptr;
    QGroupBox* HelpTopicsBox = nullptr;
    QTreeWidget* HTopicsView = nullptr;
    QSplitter* HelpSplitter = nullptr;
    TRichEdit* HelpTextField = nullptr;
    QWidget* HelpRightPanel = nullptr;
    QWidget* HelpButtonPanel = nullptr;
    QPushButton* HelpPreviewButton = nullptr;
    QPushButton* HelpPrintButton = nullptr;
    QPushButton* HelpFindButton = nullptr;

    // About page.
    QWidget* AboutPanel = nullptr;
    QLabel* AboutImage = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* PresentLabel = nullptr;
    QLabel* ProgNameLabel1 = nullptr;
    QLabel* ProgNameLabel2 = nullptr;
    QLabel* ProgLongNameLabel = nullptr;
    QLabel* URLImg = nullptr;
    TLinkLabel* HomepageLabel = nullptr;
    QLabel* eMailImg = nullptr;
    TLinkLabel* eMailLabel = nullptr;
    QLabel* NoSpyImg = nullptr;
    QGroupBox* DankBox = nullptr;
    QPlainTextEdit* DankMemo = nullptr;
    QLabel* FreewareLabel = nullptr;
    QGroupBox* Donations = nullptr;
    TRichEdit* DonationsEdit = nullptr;
    QWidget* DonationBottomPanel = nullptr;
    QWidget* DonationPanel = nullptr;
    QWidget* DonationButtonPanel = nullptr;
    QPushButton* PayPalBtn = nullptr;

    // Folder listings and the lines of a theme file; alive while the window is.
    std::unique_ptr<QStringList> FWorkList;
    std::array<bool, 4> m_ticks{}; // the general options' ticks as last seen
    bool m_fillingOptions = false;
    bool m_tickChangedByPress = false;
    bool m_themesFromCode = false; // the theme list's selection is being set by the window
    QStringList m_replacedThemes; // what the last CheckThemeName agreed to replace
    QString m_lastSearch; // what F3 looks for again
    bool m_helpFilesFromCode = false; // the help-file list's selection is set by the window
    bool m_closed = false;
    bool m_aboutPictures = false;
};

} // namespace corvane
