// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandLine.h"
#include "app/ThemeLook.h"
#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "platform/ShellNotifyIcon.h"
#include "platform/SoundPlayer.h"
#include "timelist/TimelistFile.h"

#include <QIcon>
#include <QList>
#include <QSet>
#include <QWidget>
#include <memory>

class QComboBox;
class QDBusConnection;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace corvane {

class ClockChangeWatch;
class TImageButton;
class TTimer;
class TPageControl;

// The main window: a page control with six pages — Display (the countdown), Enter (the
// editor), List (the countdown list), and Help, Options and About, which open the options
// window — and the Exit button below. It owns the countdown list (the nodes of StopTreeView),
// the countdown state and the tray icon for the whole run.
//
// Start-up: FormCreate reads the settings (LoadSettings: first-start language choice,
// translation, options, position, dialog texts and colours, font, topmost placement), loads
// Data/Timelist.dat into the tree and fills the chooser. Exit: FormClose asks if the user
// wants that, then saves the list and the settings.
//
// The handlers are spread by concern: FrmMain.cpp (frame, start, exit), FrmMainPages.cpp
// (building the pages), FrmMainSettings.cpp, FrmMainList.cpp (editor and list),
// FrmMainDisplay.cpp (the Display page), FrmMainCountdown.cpp (the countdown and its alarm),
// FrmMainTray.cpp (the tray icon, the window's placement, the desktop notification),
// FrmMainKeys.cpp (the keyboard), FrmMainCommands.cpp (the command line).
class TFormMain : public QWidget {
public:
    // Index of each page of TimerControl.
    enum Page { DisplayPage, EnterPage, ListPage, HelpPage, OptionsPage, AboutPage };

    // notifier: where an alarm goes when the window is out of sight (see AlarmNotice.h);
    // none means makeDesktopNotifier on the session bus, made only at the first alarm that
    // needs it.
    explicit TFormMain(std::unique_ptr<SoundBackend> sound = makeSoundEffectBackend(),
        std::unique_ptr<TNotifier> notifier = nullptr, QWidget* parent = nullptr);
    ~TFormMain() override;

    // Reads Data/CORVANE.INI into ProgOptions and applies it; the first start asks for the
    // language (shown by the error handler when it cannot be stored, and used all the same).
    // A settings file or language script that is there but cannot be read is reported once.
    void LoadSettings();
    // Writes ProgOptions and the window position in one atomic write; nothing when the file
    // could not be read at start. Throws "Unable to write to <path>".
    void SaveSettings();
    // What a close answered Yes saves: the list, then the settings. Throws what they throw.
    void saveListAndSettings();
    // The same when the desktop session ends (a signal or the session manager): a failure
    // is written to standard error instead of shown, so a logout is never held up.
    void saveAtSessionEnd() noexcept;
    // Shows the theme's pictures, time-display font and colours on the Display page. A missing
    // file changes nothing; a broken one is applied up to the line where it breaks, and the
    // problem is shown once a run.
    void ApplyTheme(const QString& name);
    // Keeps the window above others while "Always on top" is on, except while
    // SuspendTopmost is set. Changes the window only when the wanted state differs.
    void ApplyTopmost();

    bool isTopmost() const;
    bool suspendTopmost() const { return SuspendTopmost; }

    // Makes a page current without running TimerControlChange, as a choice from code.
    void setActivePage(Page page);

    // A countdown counts as running while the Start button is down: from Start until Stop,
    // the ended state included; a paused countdown has Start up.
    bool countdownRunning() const;

    enum class CountdownState { Ready, Running, Paused, Ended };
    CountdownState countdownState() const;

    // Does a command of the command line (--start, --pause, --stop, --list) with the
    // handlers a click runs (FrmMainCommands.cpp). One that cannot be done changes nothing
    // and fails with the reason.
    TInstanceReply runCommand(const TCommand& command);

    // The tray record as last handed to the tray.
    const TNotifyIconData& trayData() const { return TrayData; }
    // The tray's mouse messages (left press: show the window in front).
    void WMTrayNotify(int mouseMessage);
    // What a second start of Corvane asks for: the window back from the tray or from being
    // minimised, raised and active — the way a left click on the tray icon brings it.
    void bringToFront();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (FrmMainPages.cpp).
    void createControls();
    void createPages();
    void createDisplayPage();
    void createEnterPage();
    void createListPage();
    void createStartPanels();
    void createExitButton();
    void nameControlsForScreenReaders(); // again after each translation
    void connectHandlers();
    void connectEditorHandlers();

    // Keys (FrmMainKeys.cpp): Ctrl+1 to Ctrl+6 and F1 choose pages as their tabs do.
    void createShortcuts();
    void showKeysInHints(); // again after each translation

    // Frame (FrmMain.cpp).
    void FormCreate();
    bool FormClose(); // whether the window may close
    void ExitButtonClick();
    void TimerControlChange();
    void openOptionsWindow(Page page);

    // Settings (FrmMainSettings.cpp).
    QString chooseFirstLanguage();
    QPoint centredPosition() const;
    void applyProgFont();
    void loadDialogTexts();
    void reportUnreadScript();
    void reportOnce(const QString& text);

    // Editor and list (FrmMainList.cpp).
    void loadTimeList();
    void reportUnreadList(const QString& path, const FileRead& file);
    QString partlyReadText(const QString& path, const TimelistRead& read) const;
    QString keptCopyText(const TimelistFile::Load& loaded) const;
    void saveTimeList();
    void USchriftEditChange();
    void KlangSuchKnopfClick();
    void EintragsKnopfClick();
    void RenameButtonClick();
    void DeleteButtonClick();
    void StopTreeViewClick();
    void StopTreeViewDblClick();
    void FillTopicsCombo();
    bool CheckEntryName(); // true: the add is refused
    QTreeWidgetItem* listRoot() const;
    int EditorSeconds() const;

    // Display page and the countdown (FrmMainDisplay.cpp, FrmMainCountdown.cpp).
    void TopicsComboCloseUp();
    void ShowEditorTime();
    void showDesignPictures();
    TThemedControls themedControls() const;
    void connectCountdownHandlers();
    void StartImageMouseDown();
    void StartImageMouseUp();
    void PauseImageMouseDown();
    void PauseImageMouseUp();
    void StopImageMouseDown();
    void StopImageMouseUp();
    void Timer1Timer();
    void endSequence();
    void setProgressHeight(int height);
    int progressFrameHeight() const;

    // Command line (FrmMainCommands.cpp).
    TInstanceReply startCommand(const TCommand& command);
    TInstanceReply pauseCommand();
    TInstanceReply stopCommand();
    QString listText() const;

    // Tray and the desktop notification (FrmMainTray.cpp).
    bool alarmOutOfSight() const;
    TNotifier& alarmNotifier();
    void connectNotifier();
    void notifyAlarm(const QString& title, const QString& message);
    void closeAlarmNotification();
    // The notification of the alarm was clicked: the window to the front as bringToFront
    // brings it, and the alarm dialog, while it is open, in front of it.
    void alarmNotificationActivated(const QString& activationToken);
    void addTrayIcon();
    void updateTrayIcon(int index);
    void showApplicationIcon();
    void FormDestroy();

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
    TTimer* Timer1 = nullptr;
    QList<QIcon> ProgImgLst;

    // Display page.
    QLabel* MainImage = nullptr;
    QComboBox* TopicsCombo = nullptr;
    QLabel* ZeitAnzeigePanel = nullptr;
    QLabel* ProgbarPanel = nullptr;
    QLabel* ProgBarImage = nullptr;
    TImageButton* StartButton = nullptr;
    TImageButton* PauseButton = nullptr;
    TImageButton* StopButton = nullptr;

    // Enter page.
    QLabel* lblEnter = nullptr;
    QWidget* pnlEnter = nullptr;
    QGroupBox* USchriftBox = nullptr;
    QLineEdit* USchriftEdit = nullptr;
    QGroupBox* ZeitBox = nullptr;
    QSpinBox* StundenZahl = nullptr;
    QSpinBox* Minutenzahl = nullptr;
    QSpinBox* Sekundenzahl = nullptr;
    QGroupBox* TextAnzeige = nullptr;
    QLineEdit* TextZeile = nullptr;
    QGroupBox* Klangdatei = nullptr;
    QLineEdit* Klangzeile = nullptr;
    QPushButton* KlangSuchKnopf = nullptr;
    QPushButton* EintragsKnopf = nullptr;

    // List page.
    QLabel* lblList = nullptr;
    QWidget* pnlList = nullptr;
    QTreeWidget* StopTreeView = nullptr;
    QPushButton* RenameButton = nullptr;
    QPushButton* DeleteButton = nullptr;

    QList<QIcon> ClockImgList;

    // The countdown's state: its look is the buttons' bevels, these hold its times. EndTime
    // is a UTC moment (Clock::nowUtc), so daylight saving does not move it.
    TDateTime EndTime = 0;
    TDateTime PauseRemaining = 0;
    qint32 TotalSeconds = 0;
    quint8 TrayIconIndex = 0;
    QString SoundFile;
    TNotifyIconData TrayData;
    // Set while the options window is open and from the start of a close, so that the
    // window does not cover them.
    bool SuspendTopmost = false;

    SoundPlayer m_sound;
    std::unique_ptr<TNotifier> m_notifier; // made at the first alarm that needs it

    std::unique_ptr<TimelistFile> m_timelist;
    bool m_settingsRefused = false; // the settings file is there but was not read
    QPoint m_startPosition; // where the settings placed the window
    bool m_firstStart = false; // the language was chosen in this run: a new user
    QSet<QString> m_reported; // problems with files already shown
    bool m_pageFromCode = false;
    bool m_alarmShowing = false; // the alarm's message is open
    bool m_listFromCode = false;
    bool m_pressMovedCurrent = false;
};

// The main window of the run.
extern TFormMain* FormMain;

// Corvane's desktop notifications on this bus (the session bus, or a test's own): as
// "Corvane", with its icon by name where it is installed in the icon theme, else the picture
// drawn in code, and its desktop entry.
std::unique_ptr<TNotifier> makeDesktopNotifier(const QDBusConnection& bus);

} // namespace corvane
