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
#include <tuple>

namespace corvane {

namespace {

// The texts of a node's children in order: the root's give the entries' titles, an entry's
// its fields.
QStringList childTexts(const QTreeWidgetItem* node)
{
    QStringList texts;
    texts.reserve(node->childCount());
    for (int i = 0; i < node->childCount(); ++i)
        texts << node->child(i)->text(0);
    return texts;
}

// A new user's first list: a few countdowns worth keeping, in the language just chosen.
std::vector<TreeLine> exampleLines()
{
    const auto text
        = [](const char* key) { return LangText(QStringLiteral("Examples"), QLatin1String(key)); };
    std::vector<TreeLine> lines{{0, QStringLiteral("Entries")}};
    for (const auto& [title, message, seconds] : {std::tuple{"Tea", "Your tea is ready.", 3 * 60},
             {"Soft-boiled eggs", "The eggs are done.", 7 * 60},
             {"Short break", "The break is over.", 5 * 60}}) {
        const std::vector<TreeLine> entry
            = entryLines(TimerEntry{text(title), text(message), QString(), seconds});
        lines.insert(lines.end(), entry.begin(), entry.end());
    }
    return lines;
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
    const bool welcome = m_firstStart && loaded.file.problem == ReadProblem::Missing;
    if (!loaded.file.ok() && !welcome) {
        reportUnreadList(path, loaded.file);
        return;
    }
    {
        const QScopedValueRollback<bool> quiet(m_listFromCode, true);
        loadTreeLines(StopTreeView, welcome ? exampleLines() : loaded.read.lines);
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
    return joinDuration({StundenZahl->value(), Minutenzahl->value(), Sekundenzahl->value()});
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
    QTreeWidgetItem* root = listRoot();
    bool refused = false;
    qsizetype removed = 0;
    for (qsizetype at : sameTitlePositions(childTexts(root), storableText(USchriftEdit->text()))) {
        const bool replace = MsgDialog(
            LangText(QStringLiteral("Messages"),
                QStringLiteral("An entry of this name already exists. Do you want to replace it?")),
            QString(), DlgKind::Confirmation);
        if (!replace) {
            refused = true;
            continue;
        }
        // Removing the current entry moves the selection; that is no choice of the user's
        // and must not load another entry into the editor that is about to be added.
        const QScopedValueRollback<bool> quiet(m_listFromCode, true);
        delete root->takeChild(int(at - removed++));
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
    if (!sameTitlePositions(childTexts(listRoot()), name).empty()) {
        MsgDialog(LangText(QStringLiteral("Messages"),
                      QStringLiteral("Sorry, an entry with this name already exists.")),
            QString(), DlgKind::Information);
        return;
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
    const TimerEntry entry = entryFromFields(node->text(0), childTexts(node));
    const DurationParts time = splitDuration(entry.seconds);
    StundenZahl->setValue(time.hours);
    Minutenzahl->setValue(time.minutes);
    Sekundenzahl->setValue(time.seconds);
    USchriftEdit->setText(entry.title);
    TextZeile->setText(entry.message);
    Klangzeile->setText(entry.soundFile);
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
    const QStringList titles = childTexts(listRoot());
    TopicsCombo->clear();
    TopicsCombo->addItems(titles);
    if (!titles.isEmpty()) {
        TopicsCombo->setCurrentIndex(0);
        TopicsComboCloseUp();
    }
}

} // namespace corvane
