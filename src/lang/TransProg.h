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
//
// A QListWidget is a check list box when one of its items has a check state or when its
// dynamic property CheckListBoxProperty is true. ".Items" renames the items of a check list
// box, as many as there are entries, and keeps its count and marks. Any other list box gets
// exactly the entries; its current row stays, or becomes the last row when the list got
// shorter than it.
void TranslateForm(QWidget* form);

// Set to true on a check list box (GenOptCheckBox) that may be empty or whose items get
// their marks later, so a translation renames its items instead of replacing them:
// `list->setProperty(CheckListBoxProperty, true)`.
inline constexpr char CheckListBoxProperty[] = "checkListBox";

} // namespace corvane
