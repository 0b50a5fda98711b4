// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace corvane {

class TPageControl;

// The main window: a page control with six pages (Display, Enter, List, and three that open
// the options window), and the Exit button below. It owns the countdown list, the countdown
// state and the tray icon for the whole run.
//
// Start-up: FormCreate reads the settings (LoadSettings: first-start language choice,
// translation, options, position, dialog texts and colours, font, topmost placement) and
// shows the Display page. Exit: FormClose asks if the user wants that, then SaveSettings.
class TFormMain : public QWidget {
public:
    // Index of each page of TimerControl.
    enum Page { DisplayPage, EnterPage, ListPage, HelpPage, OptionsPage, AboutPage };

    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    // Reads Data/CORVANE.INI into ProgOptions and applies it; the first start asks for the
    // language. Throws CorvaneError when the first-start choice cannot be written.
    void LoadSettings();
    // Writes ProgOptions and the window position. Throws "Unable to write to <path>".
    void SaveSettings();
    // Keeps the window above others while "Always on top" is on, except while
    // SuspendTopmost is set. Changes the window only when the wanted state differs.
    void ApplyTopmost();

    bool isTopmost() const;
    bool suspendTopmost() const { return SuspendTopmost; }

    // Makes a page current without running TimerControlChange, as a choice from code.
    void setActivePage(Page page);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createStartPanels();
    void createExitButton();
    void connectHandlers();

    void FormCreate();
    // Returns whether the window may close.
    bool FormClose();
    void ExitButtonClick();
    void TimerControlChange();

    QString chooseFirstLanguage();
    QPoint centredPosition() const;
    void applyProgFont();
    void loadDialogTexts();

    // Controls, named as the language scripts address them.
    TPageControl* TimerControl = nullptr;
    QWidget* Anzeige = nullptr;
    QWidget* Eingabe = nullptr;
    QWidget* Liste = nullptr;
    QWidget* HelpSheet = nullptr;
    QWidget* Optionen = nullptr;
    QWidget* AboutSheet = nullptr;
    QLabel* HelpStartPanel = nullptr;
    QLabel* OptionStartPanel = nullptr;
    QLabel* AboutStartPanel = nullptr;
    QPushButton* ExitButton = nullptr;
    QTimer* Timer1 = nullptr;
    QList<QIcon> ProgImgLst;

    // Set while the options window is open and from the start of a close, so that the
    // window does not cover them.
    bool SuspendTopmost = false;

    bool m_pageFromCode = false;
};

// The main window of the run.
extern TFormMain* FormMain;

} // namespace corvane
