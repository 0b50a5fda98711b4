// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The main window's settings: reading them at start-up (with the first-start language
// choice), writing them at exit, and the placement above other windows.
#include "app/ConfigFile.h"
#include "app/FrmMain.h"
#include "common/CommaText.h"
#include "common/FilesOp.h"
#include "common/LanguageScripts.h"
#include "lang/LangScript.h"
#include "lang/MessDlg.h"
#include "lang/QtTranslation.h"
#include "lang/TransProg.h"
#include "platform/ErrorHandler.h"
#include "platform/PlatformChoice.h"
#include "platform/ProgramFolder.h"
#include "platform/WindowFont.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace corvane {

QString TFormMain::chooseFirstLanguage()
{
    QStringList names;
    const QString listing = languageScriptListing();
    for (const QString& line : listing.split(QLatin1String("\r\n"), Qt::SkipEmptyParts))
        names << FileNameNoExt(line);
    QString language
        = SelectDialog(QStringLiteral("Please select language:"), commaTextJoin(names));
    if (language.isEmpty())
        language = QStringLiteral("English");
    return language + QLatin1String(".lng");
}

QPoint TFormMain::centredPosition() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize s = screen ? screen->geometry().size() : QSize(width(), height());
    // Integer halves truncated toward zero, as the stored default always was.
    return {s.width() / 2 - width() / 2, s.height() / 2 - height() / 2};
}

void TFormMain::LoadSettings()
{
    DlgStartColor = defaultMsgStartColor;
    DlgEndColor = defaultMsgEndColor;
    ConfigFile config(ConfigFile::defaultPath());
    const FileRead status = config.status();
    // A settings file that is there but cannot be read (a folder, a pipe, a giant) is left
    // alone: Corvane runs on its defaults and writes nothing over it.
    m_settingsRefused = !status.ok() && status.problem != ReadProblem::Missing;
    if (m_settingsRefused)
        reportOnce(readProblemMessage(config.path(), status, FileLimit::profile) + u' '
            + LangText(QStringLiteral("Messages"),
                QStringLiteral(
                    "Corvane uses its default settings and leaves this file as it is.")));
    QString chosen;
    if (!m_settingsRefused && config.storedLanguage().isEmpty()) {
        chosen = chooseFirstLanguage();
        m_firstStart = true;
        // Also when it cannot be stored, the choice holds for this run.
        guarded([&] { config.storeLanguage(chosen); });
    }

    TOptionsRec options = config.readOptions();
    if (!chosen.isEmpty() && config.storedLanguage().isEmpty())
        options.LangFile = chosen;
    LangScriptPath = languageScriptPath(options.LangFile);
    useQtTranslation(options.LangFile);
    reportUnreadScript();
    TranslateForm(this);
    nameControlsForScreenReaders();
    ProgOptions = options;
    m_startPosition = config.readPosition(centredPosition());
    move(m_startPosition);

    DlgStartColor = ProgOptions.MsgStartColor;
    DlgEndColor = ProgOptions.MsgEndColor;
    loadDialogTexts();
    applyProgFont();
    if (!ProgOptions.Theme.isEmpty())
        ApplyTheme(ProgOptions.Theme);
    ApplyTopmost();
}

void TFormMain::reportUnreadScript()
{
    const FileRead status = ProfileFile(LangScriptPath).status();
    if (status.ok() || status.problem == ReadProblem::Missing || QFileInfo(LangScriptPath).isDir())
        return;
    reportOnce(readProblemMessage(LangScriptPath, status, FileLimit::profile) + u' '
        + LangText(
            QStringLiteral("Messages"), QStringLiteral("Corvane shows its texts in English.")));
}

// Settings are read again each time the options window closes; a file that could not be
// read is worth one message, not one every time.
void TFormMain::reportOnce(const QString& text)
{
    if (m_reported.contains(text))
        return;
    m_reported.insert(text);
    showError(text);
}

void TFormMain::loadDialogTexts()
{
    static const char* const keys[DlgText::Count]
        = {"OK", "Cancel", "Yes", "No", "Information", "Confirmation", "Warning", "Input"};
    for (int i = 0; i < DlgText::Count; ++i)
        DlgTexts[std::size_t(i)] = LangText(QStringLiteral("Captions"), QLatin1String(keys[i]));
    setOutOfMemoryText(LangText(QStringLiteral("Messages"),
        QStringLiteral("Corvane ran out of memory; what it was doing was not finished.")));
}

void TFormMain::SaveSettings()
{
    if (m_settingsRefused)
        return;
    ConfigFile config(ConfigFile::defaultPath());
    // Where the platform cannot tell where the window is, the place it had stays stored.
    const bool known = platformReportsWindowPositions(QGuiApplication::platformName());
    config.writeOptions(ProgOptions, known ? pos() : m_startPosition);
    if (!ProgOptions.Theme.isEmpty())
        ApplyTheme(ProgOptions.Theme);
}

void TFormMain::applyProgFont()
{
    setWindowFont(this, ProgOptions.ProgFont.Name, ProgOptions.ProgFont.Color);
}

bool TFormMain::isTopmost() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TFormMain::ApplyTopmost()
{
    if (!ProgOptions.GenOptions[TOptionsRec::AlwaysOnTop])
        return;
    const bool wanted = !SuspendTopmost;
    if (wanted == isTopmost())
        return;
    // Changing the flag re-creates the native window, which also hides it.
    const bool wasVisible = isVisible();
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    setWindowFlag(Qt::WindowStaysOnTopHint, wanted);
    if (wasVisible)
        show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
}

} // namespace corvane
