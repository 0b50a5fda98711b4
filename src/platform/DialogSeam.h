// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QDialog;

namespace corvane {

// Every modal dialog of the program is shown through here, so a test can answer it: the
// answerer is called once the dialog's event loop runs, and may click, type or close. A
// deadline rejects any dialog still open after it, so a test can never hang on one.
class DialogSeam {
public:
    using Answerer = std::function<void(QDialog&)>;

    // Shows the dialog modally and returns its result code. Closing it never ends the
    // program, also when it was the only window on screen.
    static int exec(QDialog& dialog);

    // Installed by tests; empty means dialogs are shown to the user.
    static void setAnswerer(Answerer answerer, int deadlineMs = 5000);
    static bool hasAnswerer();
};

} // namespace corvane
