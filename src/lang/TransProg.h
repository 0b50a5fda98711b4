// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/LangScript.h"

class QWidget;

namespace corvane {

// Translates a window from the current language script. The section is the window's object
// name; "Caption" sets the title (even to the empty text); then, for every named control the
// window holds, in creation order, the keys <name>.Columns.Captions, .Caption, .Hint, .Items
// and .Lines replace what they name when their value is not empty. Check marks and the chosen
// entry of a list survive; a key the script lacks leaves the text as it is.
void TranslateForm(QWidget* form);

} // namespace corvane
