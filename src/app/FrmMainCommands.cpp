// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the command line, done as the user would do them: a countdown is chosen in
// the chooser and started with the Start button's own handlers, so the pages lock, the tray
// shows the progress and the alarm is the one a click gives. A command that cannot be done
// changes nothing and says why.
#include "app/CommandLine.h"
#include "app/FrmMain.h"
#include "app/ImageButton.h"
#include "lang/LangScript.h"
#include "platform/CorvaneError.h"
#include "platform/SoundPlayer.h"
#include "platform/Timer.h"
#include "timelist/TimerEntry.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeWidget>

namespace corvane {

namespace {

QString text(const char* key)
{
    return LangText(QStringLiteral("CommandLine"), QLatin1String(key));
}

// Titles and typed values are quoted back; a pasted novel is not.
QString shown(const QString& typed)
{
    constexpr qsizetype longest = 80;
    return typed.size() <= longest ? typed : typed.left(longest) + QChar(0x2026);
}

QStringList fieldTexts(const QTreeWidgetItem* node)
{
    QStringList texts;
    for (int i = 0; i < node->childCount(); ++i)
        texts << node->child(i)->text(0);
    return texts;
}

} // namespace

TFormMain::CountdownState TFormMain::countdownState() const
{
    if (StartButton->isDown())
        return Timer1->isActive() ? CountdownState::Running : CountdownState::Ended;
    return PauseButton->isDown() ? CountdownState::Paused : CountdownState::Ready;
}

TInstanceReply TFormMain::runCommand(const TCommand& command)
{
    try {
        switch (command.kind) {
        case CommandKind::Start:
            return startCommand(command);
        case CommandKind::Pause:
            return pauseCommand();
        case CommandKind::Stop:
            return stopCommand();
        case CommandKind::List:
            return {0, listText(), {}};
        default:
            return {};
        }
    } catch (const CorvaneError& error) {
        return failedReply(error.text());
    }
}

QString TFormMain::listText() const
{
    QString out;
    QTreeWidgetItem* root = listRoot();
    for (int i = 0; root && i < root->childCount(); ++i) {
        const QTreeWidgetItem* node = root->child(i);
        QString duration;
        try {
            duration = durationText(entryFromFields(node->text(0), fieldTexts(node)).seconds);
        } catch (const CorvaneError&) {
            // An entry the list file holds damaged is still listed; its length is unknown.
        }
        out += node->text(0) + u'\t' + duration + u'\n';
    }
    return out;
}

TInstanceReply TFormMain::startCommand(const TCommand& command)
{
    switch (countdownState()) {
    case CountdownState::Running:
        return failedReply(text("A countdown is running (%1 left). Stop it first: corvane --stop")
                               .arg(ZeitAnzeigePanel->text()));
    case CountdownState::Paused:
        return failedReply(text("A countdown is paused (%1 left). Stop it first: corvane --stop")
                               .arg(ZeitAnzeigePanel->text()));
    case CountdownState::Ended:
        if (m_alarmShowing)
            return failedReply(text("The alarm of the last countdown is still showing."));
        break;
    case CountdownState::Ready:
        break;
    }
    QTreeWidgetItem* root = listRoot();
    QStringList titles = root ? fieldTexts(root) : QStringList();
    const std::vector<qsizetype> found = sameTitlePositions(titles, command.value);
    if (!found.empty() && command.hasMessage)
        return failedReply(text("'--message' goes with '--start' and a duration."));
    DurationRead duration;
    if (found.empty()) {
        duration = readDuration(command.value);
        if (duration.state == DurationRead::State::Invalid)
            return failedReply(duration.error);
        if (duration.state == DurationRead::State::NotADuration)
            return failedReply(text("There is no countdown called '%1'. corvane --list shows "
                                    "the countdowns.")
                                   .arg(shown(command.value)));
    }
    // A countdown that ended and whose alarm was seen is put away as Stop would.
    if (countdownState() == CountdownState::Ended) {
        StopImageMouseDown();
        StopImageMouseUp();
    }
    if (!SuspendTopmost)
        setActivePage(DisplayPage);
    QString started;
    if (!found.empty()) {
        TopicsCombo->setCurrentIndex(int(found.front()));
        TopicsComboCloseUp();
        started = text("Started '%1' (%2).")
                      .arg(shown(titles[found.front()]), durationText(EditorSeconds()));
    } else {
        // Like a countdown typed on the Enter page and not added to the list.
        const DurationParts parts = splitDuration(duration.seconds);
        StundenZahl->setValue(parts.hours);
        Minutenzahl->setValue(parts.minutes);
        Sekundenzahl->setValue(parts.seconds);
        USchriftEdit->clear();
        TextZeile->setText(
            command.hasMessage ? storableText(command.message) : text("Time is up."));
        const QString alarm = SoundPlayer::defaultAlarmSound();
        Klangzeile->setText(QFileInfo(alarm).isFile() ? alarm : QString());
        TopicsCombo->setCurrentIndex(-1);
        ShowEditorTime();
        started = text("Started a countdown of %1.").arg(durationText(duration.seconds));
    }
    StartImageMouseDown();
    StartImageMouseUp();
    return {0, started + u'\n', {}};
}

TInstanceReply TFormMain::pauseCommand()
{
    switch (countdownState()) {
    case CountdownState::Running:
        PauseImageMouseDown();
        PauseImageMouseUp();
        return {};
    case CountdownState::Paused:
        return failedReply(text("The countdown is paused already."));
    case CountdownState::Ended:
        return failedReply(text("The countdown has ended."));
    case CountdownState::Ready:
        break;
    }
    return failedReply(text("No countdown is running."));
}

TInstanceReply TFormMain::stopCommand()
{
    if (countdownState() == CountdownState::Ready)
        return failedReply(text("No countdown is running."));
    StopImageMouseDown();
    StopImageMouseUp();
    return {};
}

} // namespace corvane
