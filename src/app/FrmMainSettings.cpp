// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The main window's settings: reading them at start-up (with the first-start language
// choice), writing them at exit, and the placement above other windows.
#include "app/ConfigFile.h"
#include "app/FrmMain.h"
#include "common/CommaText.h"
#include "common/FilesOp.h"
#include "lang/MessDlg.h"
#include "lang/TransProg.h"
#include "platform/ProgramFolder.h"

#include <QGuiApplication>
#include <QScreen>

namespace corvane {

QString TFormMain::chooseFirstLanguage()
{
    QStringList names;
    const QString listing = ListFiles(programPath(QStringLiteral("\\LScripts\\*.*")));
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
    DlgStartColor = 65535;
    DlgEndColor = 16711935;
    ConfigFile config(ConfigFile::defaultPath());
    if (config.storedLanguage().isEmpty())
        config.storeLanguage(chooseFirstLanguage());

    const TOptionsRec options = config.readOptions();
    LangScriptPath = programPath(QStringLiteral("\\LScripts\\") + options.LangFile);
    TranslateForm(this);
    ProgOptions = options;
    move(config.readPosition(centredPosition()));

    DlgStartColor = ProgOptions.MsgStartColor;
    DlgEndColor = ProgOptions.MsgEndColor;
    loadDialogTexts();
    applyProgFont();
    ApplyTopmost();
}

void TFormMain::loadDialogTexts()
{
    static const char* const keys[DlgText::Count]
        = {"OK", "Cancel", "Yes", "No", "Information", "Confirmation", "Warning", "Input"};
    for (int i = 0; i < DlgText::Count; ++i)
        DlgTexts[std::size_t(i)] = LangText(QStringLiteral("Captions"), QLatin1String(keys[i]));
}

void TFormMain::SaveSettings()
{
    ConfigFile config(ConfigFile::defaultPath());
    config.writeOptions(ProgOptions, pos());
}

void TFormMain::applyProgFont()
{
    QFont f = font();
    f.setFamily(ProgOptions.ProgFont.Name);
    setFont(f);
    QPalette pal = palette();
    const QColor color = toQColor(ProgOptions.ProgFont.Color, pal);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        pal.setColor(role, color);
    setPalette(pal);
}

bool TFormMain::isTopmost() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TFormMain::ApplyTopmost()
{
    if (!ProgOptions.GenOptions[2])
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
