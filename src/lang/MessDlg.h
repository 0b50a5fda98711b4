// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The program's own dialogs for every question, notice and prompt: the standard message box,
// restyled white over a vertical gradient, with captions from the current language.
// MsgDialog shows a message (and answers a confirmation), InputDialog asks for one line of
// text, SelectDialog for one entry of a list. All go through the dialog seam.
#pragma once

#include "platform/WinColor.h"

#include <QString>
#include <array>

class QLabel;

namespace corvane {

// Indices into DlgTexts, in their stored order.
struct DlgText {
    enum Index { OK, Cancel, Yes, No, Information, Confirmation, Warning, Input, Count };
};

// Captions and titles of the dialogs, set from the language script's "Captions" section.
// Before each dialog an empty entry gets its English default back.
extern std::array<QString, DlgText::Count> DlgTexts;

// The gradient's top and bottom colours (stored colour values; system colours allowed).
extern TColor DlgStartColor;
extern TColor DlgEndColor;

// Shows text with the icon and buttons of kind (first letter, any case: C confirmation with
// Yes/No, I information, W warning, anything else information). An empty title gives the kind's
// title. Returns false when the dialog ended with No or was closed, true otherwise.
bool MsgDialog(const QString& text, const QString& title, const QString& kind);

// The kinds by name, for the program's own calls.
enum class DlgKind { Confirmation, Information, Warning };
bool MsgDialog(const QString& text, const QString& title, DlgKind kind);

// Asks for one line of text; returns it, or "" when cancelled (Cancel, Escape, closed).
QString InputDialog(const QString& prompt);

// Offers the entries of a comma text; returns the selected entry when the dialog ended with
// OK (Enter or Escape), "" when it was closed or nothing was selected.
QString SelectDialog(const QString& prompt, const QString& choices);

// Paints the picture with a vertical gradient over its whole size.
void FillGradient(QLabel* picture, TColor startColor, TColor endColor);

} // namespace corvane
