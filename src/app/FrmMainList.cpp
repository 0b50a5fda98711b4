// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The Enter and List pages: the editor, the countdown list and its file.
#include "app/FrmMain.h"
#include "app/ImageButton.h"
#include "lang/LangScript.h"
#include "lang/MessDlg.h"
#include "platform/CorvaneError.h"
#include "platform/DialogSeam.h"
#include "platform/ErrorHandler.h"
#include "platform/ProgramFolder.h"
#include "timelist/TimerEntry.h"
#include "timelist/TreeViewText.h"

#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QTreeWidget>
#include <algorithm>
#include <optional>

namespace corvane {

namespace {

// The seconds field as the list file holds it: a 32-bit integer in decimal digits, with an
// optional sign; no blanks, no other base.
int entrySeconds(const QTreeWidgetItem* entry)
{
    constexpr int secondsField = 3;
    if (entry->childCount() <= secondsField)
        throw CorvaneError(QStringLiteral("List index out of bounds (%1)").arg(secondsField));
    const QString text = entry->child(secondsField)->text(0);
    const bool digitsOnly = !text.isEmpty()
        && std::all_of(text.begin() + (text.front() == u'-' || text.front() == u'+'), text.end(),
            [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool ok = false;
    const int value = digitsOnly ? text.toInt(&ok, 10) : 0;
    if (!ok)
        throw CorvaneError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

QString fieldText(const QTreeWidgetItem* entry, int field)
{
    if (entry->childCount() <= field)
        throw CorvaneError(QStringLiteral("List index out of bounds (%1)").arg(field));
    return entry->child(field)->text(0);
}

} // namespace

QTreeWidgetItem* TFormMain::listRoot() const
{
    if (StopTreeView->topLevelItemCount() == 0)
        StopTreeView->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("Entries")}));
    return StopTreeView->topLevelItem(0);
}

void TFormMain::loadTimeList()
{
    const QString path = programPath(QStringLiteral("Data/Timelist.dat"));
    m_timelist = std::make_unique<TimelistFile>(path);
    const TimelistFile::Load loaded = m_timelist->load();
    if (!loaded.file.ok()) {
        reportUnreadList(path, loaded.file);
        return;
    }
    {
        const QScopedValueRollback<bool> quiet(m_listFromCode, true);
        loadTreeLines(StopTreeView, loaded.read.lines);
    }
    // A level error stops the start-up steps that follow the load; other losses only ask
    // for the user's attention.
    if (!loaded.read.error.isEmpty())
        throw CorvaneError(loaded.read.error + QLatin1String("\n\n") + keptCopyText(loaded));
    if (!loaded.read.whole())
        showError(partlyReadText(path, loaded.read) + QLatin1String("\n\n") + keptCopyText(loaded));
    QTreeWidgetItem* root = listRoot();
    root->setExpanded(true);
    FillTopicsCombo();
    root->setText(0, LangText(QStringLiteral("Captions"), QStringLiteral("Entries")));
}

void TFormMain::reportUnreadList(const QString& path, const FileRead& file)
{
    switch (file.problem) {
    case ReadProblem::Missing:
        return;
    case ReadProblem::CannotOpen:
        throw CorvaneError(QStringLiteral("Cannot open file %s"), path);
    case ReadProblem::NotRegular:
        // A folder of that name is no list, just as a missing file is none.
        if (QFileInfo(path).isDir())
            return;
        break;
    default:
        break;
    }
    showError(readProblemMessage(path, file, FileLimit::timelist) + u' '
        + LangText(QStringLiteral("Messages"),
            QStringLiteral("Corvane starts with an empty countdown list and leaves this file "
                           "as it is.")));
}

QString TFormMain::partlyReadText(const QString& path, const TimelistRead& read) const
{
    const QString full = QFileInfo(path).absoluteFilePath();
    if (read.loss == TimelistLoss::Nul)
        return LangText(QStringLiteral("Messages"),
            QStringLiteral("The countdown list %1 holds a NUL character in line %2; only the "
                           "lines before it were read."))
            .arg(full, QString::number(read.lossLine));
    return LangText(QStringLiteral("Messages"),
        QStringLiteral("The countdown list %1 holds bytes that are not text; they are shown "
                       "as placeholders."))
        .arg(full);
}

QString TFormMain::keptCopyText(const TimelistFile::Load& loaded) const
{
    if (loaded.backup.isEmpty())
        return LangText(QStringLiteral("Messages"),
            QStringLiteral("No copy of the original file could be made, so Corvane will not "
                           "write over it."));
    return LangText(QStringLiteral("Messages"), QStringLiteral("The original file is kept as %1."))
        .arg(loaded.backup);
}

void TFormMain::saveTimeList()
{
    if (!m_timelist)
        m_timelist
            = std::make_unique<TimelistFile>(programPath(QStringLiteral("Data/Timelist.dat")));
    m_timelist->save(treeLines(StopTreeView));
}

int TFormMain::EditorSeconds() const
{
    return StundenZahl->value() * 3600 + Minutenzahl->value() * 60 + Sekundenzahl->value();
}

void TFormMain::USchriftEditChange()
{
    EintragsKnopf->setEnabled(
        !USchriftEdit->text().isEmpty() && EditorSeconds() > 0 && !TextZeile->text().isEmpty());
}

void TFormMain::KlangSuchKnopfClick()
{
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(LangText(QStringLiteral("Captions"), QStringLiteral("Wave files"))
        + QStringLiteral("(*.wav)"));
    if (DialogSeam::exec(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        Klangzeile->setText(dialog.selectedFiles().constFirst());
}

bool TFormMain::CheckEntryName()
{
    const QString title = storableText(USchriftEdit->text());
    QTreeWidgetItem* root = listRoot();
    bool refused = false;
    for (int i = 0; i < root->childCount();) {
        if (!sameTitle(root->child(i)->text(0), title)) {
            ++i;
            continue;
        }
        const bool replace = MsgDialog(
            LangText(QStringLiteral("Messages"),
                QStringLiteral("An entry of this name already exists. Do you want to replace it?")),
            QString(), DlgKind::Confirmation);
        if (replace) {
            // Removing the current entry moves the selection; that is no choice of the user's
            // and must not load another entry into the editor that is about to be added.
            const QScopedValueRollback<bool> quiet(m_listFromCode, true);
            delete root->takeChild(i);
        } else {
            refused = true;
            ++i;
        }
    }
    return refused;
}

void TFormMain::EintragsKnopfClick()
{
    if (CheckEntryName())
        return;
    const TimerEntry entry{storableText(USchriftEdit->text()), storableText(TextZeile->text()),
        storableText(Klangzeile->text()), EditorSeconds()};
    const std::vector<TreeLine> lines = entryLines(entry);
    auto* node = new QTreeWidgetItem(QStringList{lines[0].text});
    for (std::size_t i = 1; i < lines.size(); ++i)
        node->addChild(new QTreeWidgetItem(QStringList{lines[i].text}));
    listRoot()->insertChild(0, node);
    FillTopicsCombo();
}

void TFormMain::RenameButtonClick()
{
    QTreeWidgetItem* entry = StopTreeView->currentItem();
    if (!entry || nodeDepth(entry) != 1)
        return;
    const QString name = storableText(
        InputDialog(LangText(QStringLiteral("Message"), QStringLiteral("Please enter new name:"))));
    if (name.isEmpty())
        return;
    QTreeWidgetItem* root = listRoot();
    for (int i = 0; i < root->childCount(); ++i) {
        if (sameTitle(root->child(i)->text(0), name)) {
            MsgDialog(LangText(QStringLiteral("Messages"),
                          QStringLiteral("Sorry, an entry with this name already exists.")),
                QString(), DlgKind::Information);
            return;
        }
    }
    entry->setText(0, name);
    FillTopicsCombo();
}

void TFormMain::DeleteButtonClick()
{
    if (!MsgDialog(LangText(QStringLiteral("Messages"), QStringLiteral("Are you sure?")), QString(),
            DlgKind::Confirmation))
        return;
    QTreeWidgetItem* entry = StopTreeView->currentItem();
    if (!entry || nodeDepth(entry) != 1)
        return;
    {
        const QScopedValueRollback<bool> quiet(m_listFromCode, true);
        delete entry;
    }
    Klangzeile->clear();
    TextZeile->clear();
    for (QSpinBox* spin : {StundenZahl, Minutenzahl, Sekundenzahl})
        spin->setValue(0);
    FillTopicsCombo();
}

void TFormMain::StopTreeViewClick()
{
    QTreeWidgetItem* node = StopTreeView->currentItem();
    if (!node || countdownRunning())
        return;
    const bool isEntry = nodeDepth(node) == 1;
    DeleteButton->setEnabled(isEntry);
    RenameButton->setEnabled(isEntry);
    StartButton->setLook(TImageButton::Look::Flat);
    PauseButton->setGlyphEnabled(isEntry);
    if (!isEntry)
        return;
    StartButton->setLook(TImageButton::Look::Up);
    // Everything is read before anything changes, so a broken entry leaves the editor as is.
    const int s = entrySeconds(node);
    const QString message = fieldText(node, 1);
    const QString sound = fieldText(node, 2);
    StundenZahl->setValue(s / 3600);
    Minutenzahl->setValue((s - StundenZahl->value() * 3600) / 60);
    Sekundenzahl->setValue(s - StundenZahl->value() * 3600 - Minutenzahl->value() * 60);
    USchriftEdit->setText(node->text(0));
    TextZeile->setText(message);
    Klangzeile->setText(sound);
    ShowEditorTime();
    if (node->parent() == StopTreeView->topLevelItem(0))
        TopicsCombo->setCurrentIndex(node->parent()->indexOfChild(node));
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    // Seen before the list handles the press: whatever moved the selection earlier (the
    // keyboard) is not this click.
    if (watched == StopTreeView->viewport() && event->type() == QEvent::MouseButtonPress)
        m_pressMovedCurrent = false;
    return QWidget::eventFilter(watched, event);
}

void TFormMain::StopTreeViewDblClick()
{
    StopTreeViewClick();
    setActivePage(DisplayPage);
}

void TFormMain::FillTopicsCombo()
{
    QTreeWidgetItem* root = listRoot();
    QStringList titles;
    titles.reserve(root->childCount());
    for (int i = 0; i < root->childCount(); ++i)
        titles << root->child(i)->text(0);
    TopicsCombo->clear();
    TopicsCombo->addItems(titles);
    if (!titles.isEmpty()) {
        TopicsCombo->setCurrentIndex(0);
        TopicsComboCloseUp();
    }
}

} // namespace corvane
