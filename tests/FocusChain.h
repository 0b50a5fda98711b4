// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>

class QWidget;

namespace corvane::test {

// The controls of a window a user works with — buttons, fields, boxes, lists, tabs, the
// image buttons — that it shows and enables, in the order of its focus chain; the inner
// parts of a control (a spin box's field) are left out. Walking the chain, not a list of
// names, catches a control added later.
QList<QWidget*> workingControls(QWidget* window);

// Those of them that Tab passes by, by object name (class name when unnamed).
QStringList passedByTab(QWidget* window);

// Whether the walk reached the control; in a group of radio buttons Tab stops at one.
bool reachedByTab(const QWidget* control, const QList<QWidget*>& reached);

// Where the focus is before each of `presses` presses of Tab, starting where it is now. The
// window must be active.
QList<QWidget*> tabWalk(int presses);

} // namespace corvane::test
