// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace corvane {

// What the standard message dialog and the toolkit report for a prompt dialog's parts,
// measured before anything is moved.
struct PromptMetrics {
    QPoint labelPos; // where the standard dialog puts the message (its top is kept)
    QSize labelSize; // the message on its natural (unwrapped) lines
    int wrappedHeight = 0; // the message's height when wrapped at the narrow width
    int fieldHeight = 0; // the edit line's height (the list box has a fixed height)
    QList<QSize> buttons; // in the dialog's order: OK, then Cancel where there is one
};

// Where everything of a prompt dialog goes; the dialog is 300 wide and `height` high.
struct PromptGeometry {
    QRect label;
    bool wrapLabel = false;
    QRect field;
    QList<QRect> buttons;
    int height = 0;
};

inline constexpr int promptDialogWidth = 300;
inline constexpr int promptNarrowWidth = promptDialogWidth - 30;

// InputDialog: edit line 20 below the message, OK and Cancel 20 below the edit line either
// side of the middle, height = edit line top + 100.
PromptGeometry inputGeometry(const PromptMetrics& m);

// SelectDialog: an 80-pixel list 20 below the message, OK 20 below the list and roughly
// centred, height = list bottom + 80.
PromptGeometry selectGeometry(const PromptMetrics& m);

} // namespace corvane
