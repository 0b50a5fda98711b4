// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/TransProg.h"

#include "platform/ProfileFile.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <algorithm>

namespace corvane {

namespace {

class FormTranslator {
public:
    FormTranslator(const QString& section)
        : m_script(LangScriptPath)
        , m_section(section)
    {
    }

    QString read(const QString& key, const QString& def = {}) const
    {
        return m_script.readString(m_section, key, def);
    }

    void translateControl(QWidget* w) const;

private:
    void setColumns(QWidget* w, const QString& name) const;
    void setCaption(QWidget* w, const QString& name) const;
    void setItems(QWidget* w, const QString& name) const;
    void setLines(QWidget* w, const QString& name) const;

    ProfileFile m_script;
    QString m_section;
};

// A page of a QTabWidget: its caption is the tab's text.
QTabWidget* owningTabWidget(QWidget* page, int* index)
{
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    *index = tabs ? tabs->indexOf(page) : -1;
    return *index >= 0 ? tabs : nullptr;
}

void FormTranslator::setColumns(QWidget* w, const QString& name) const
{
    auto* view = qobject_cast<QTreeWidget*>(w);
    if (!view || view->isHeaderHidden())
        return;
    const QString value = read(name + QLatin1String(".Columns.Captions"));
    if (value.isEmpty())
        return;
    const QStringList entries = splitListValue(value);
    QTreeWidgetItem* header = view->headerItem();
    for (int i = 0; i < view->columnCount() && i < entries.size(); ++i)
        header->setText(i, entries[i]);
}

void FormTranslator::setCaption(QWidget* w, const QString& name) const
{
    const QString value = read(name + QLatin1String(".Caption"));
    if (value.isEmpty())
        return;
    int index = -1;
    if (QTabWidget* tabs = owningTabWidget(w, &index))
        tabs->setTabText(index, value);
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(value);
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        group->setTitle(value);
}

// Qt makes every list item user-checkable by default, so that flag tells nothing: a check
// list box is what carries check marks, or what says it is one before it has items.
bool isCheckListBox(const QListWidget* list)
{
    if (list->property(CheckListBoxProperty).toBool())
        return true;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->data(Qt::CheckStateRole).isValid())
            return true;
    }
    return false;
}

// Only the texts change, so the check marks stay; surplus entries are ignored and a short
// list renames what it can.
void renameCheckItems(QListWidget* list, const QStringList& entries)
{
    for (int i = 0; i < list->count() && i < entries.size(); ++i)
        list->item(i)->setText(entries[i]);
}

// Renaming in place keeps the current row and its selection without a change of the current
// item; only a row that no longer exists moves, to the last entry.
void replaceListEntries(QListWidget* list, const QStringList& entries)
{
    const int row = list->currentRow();
    const int kept = std::min(int(list->count()), int(entries.size()));
    if (list->count() > kept)
        list->model()->removeRows(kept, list->count() - kept);
    for (int i = 0; i < kept; ++i)
        list->item(i)->setText(entries[i]);
    list->addItems(entries.mid(kept));
    if (row >= list->count())
        list->setCurrentRow(list->count() - 1);
}

void FormTranslator::setItems(QWidget* w, const QString& name) const
{
    const bool isList = qobject_cast<QListWidget*>(w) || qobject_cast<QComboBox*>(w)
        || w->metaObject()->indexOfProperty("items") >= 0;
    if (!isList)
        return;
    const QString value = read(name + QLatin1String(".Items"));
    if (value.isEmpty())
        return;
    const QStringList entries = splitListValue(value);
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        if (isCheckListBox(list))
            renameCheckItems(list, entries);
        else
            replaceListEntries(list, entries);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int current = combo->currentIndex();
        combo->clear();
        combo->addItems(entries);
        combo->setCurrentIndex(std::min(current, int(combo->count()) - 1));
    } else {
        // Custom list controls (radio groups) keep their chosen entry in setItems.
        w->setProperty("items", entries);
    }
}

void FormTranslator::setLines(QWidget* w, const QString& name) const
{
    auto* plain = qobject_cast<QPlainTextEdit*>(w);
    auto* rich = qobject_cast<QTextEdit*>(w);
    if (!plain && !rich)
        return;
    const QString value = read(name + QLatin1String(".Lines"));
    if (value.isEmpty())
        return;
    const QString text = splitListValue(value).join(QLatin1Char('\n'));
    if (plain)
        plain->setPlainText(text);
    else
        rich->setPlainText(text);
}

void FormTranslator::translateControl(QWidget* w) const
{
    const QString name = w->objectName();
    setColumns(w, name);
    setCaption(w, name);
    const QString hint = read(name + QLatin1String(".Hint"));
    if (!hint.isEmpty())
        w->setToolTip(hint);
    setItems(w, name);
    setLines(w, name);
}

// Named controls of the form, in creation order; dialogs and Qt's own inner widgets
// (named "qt_...") are not part of the form's design.
void collectControls(QWidget* parent, QList<QWidget*>& out)
{
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || qobject_cast<QDialog*>(w))
            continue;
        const QString name = w->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            out << w;
        collectControls(w, out);
    }
}

} // namespace

void TranslateForm(QWidget* form)
{
    const FormTranslator translator(form->objectName());
    form->setWindowTitle(translator.read(QStringLiteral("Caption"), form->windowTitle()));
    QList<QWidget*> controls;
    collectControls(form, controls);
    for (QWidget* w : controls)
        translator.translateControl(w);
}

} // namespace corvane
