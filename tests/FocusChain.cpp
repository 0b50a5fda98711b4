// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "FocusChain.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

namespace corvane::test {

namespace {
// An image button is a control where it is a button to a screen reader; the theme preview's
// only show pictures.
bool pushButtonToAReader(const QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w));
    return a && a->role() == QAccessible::Button;
}

bool worksWith(const QWidget* w)
{
    if (qobject_cast<const QHeaderView*>(w))
        return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
        || qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w)
        || qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QTextEdit*>(w)
        || qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTabBar*>(w)
        || (w->inherits("corvane::TImageButton") && pushButtonToAReader(w));
}

bool insideWorkingControl(const QWidget* w, const QWidget* window)
{
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (worksWith(p))
            return true;
    return false;
}

QString nameOf(const QWidget* w)
{
    return w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className())
                                     : w->objectName();
}
} // namespace

QList<QWidget*> workingControls(QWidget* window)
{
    QList<QWidget*> found;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (w->window() != window || !w->isVisibleTo(window) || !w->isEnabled() || !worksWith(w)
            || insideWorkingControl(w, window))
            continue;
        found << w;
    }
    return found;
}

QStringList passedByTab(QWidget* window)
{
    QStringList names;
    for (const QWidget* w : workingControls(window))
        if (!(w->focusPolicy() & Qt::TabFocus))
            names << nameOf(w);
    return names;
}

bool reachedByTab(const QWidget* control, const QList<QWidget*>& reached)
{
    if (reached.contains(control))
        return true;
    // Tab stops once in a group of radio buttons, at the chosen one; the arrows move on.
    const auto* radio = qobject_cast<const QRadioButton*>(control);
    if (!radio || !radio->autoExclusive())
        return false;
    for (const QWidget* w : reached)
        if (qobject_cast<const QRadioButton*>(w) && w->parentWidget() == control->parentWidget())
            return true;
    return false;
}

QList<QWidget*> tabWalk(int presses)
{
    QList<QWidget*> seen;
    for (int i = 0; i < presses; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            break;
        seen << focus;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return seen;
}

} // namespace corvane::test
